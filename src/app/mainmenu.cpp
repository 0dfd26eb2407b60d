#include "app/mainmenu.h"

#include "framework/widgets/namedmenu.h"

namespace pellax {

MainMenu buildMainMenu(QMenuBar* bar) {
    MainMenu m;
    m.File1 = addNamedMenu(bar, "File1", "File");
    m.NewGOTFile1 = addNamedItem(m.File1, "NewGOTFile1", "New GOT File");
    m.N1 = addNamedSeparator(m.File1, "N1");
    m.LoadGotfile1 = addNamedItem(m.File1, "LoadGotfile1", "Load Got file");
    m.SaveGOTfile1 = addNamedItem(m.File1, "SaveGOTfile1", "Save GOT file");
    m.AllGameFields1 = addNamedItem(m.File1, "AllGameFields1", "All game fields...");
    m.N2 = addNamedSeparator(m.File1, "N2");
    m.Quit1 = addNamedItem(m.File1, "Quit1", "Quit");
    m.Triggerfiles1 = addNamedMenu(bar, "Triggerfiles1", "Trigger files");
    m.Stripheader1 = addNamedItem(m.Triggerfiles1, "Stripheader1", "Strip header");
    m.Addheader1 = addNamedItem(m.Triggerfiles1, "Addheader1", "Add header");
    m.Edittriggers1 = addNamedItem(m.Triggerfiles1, "Edittriggers1", "Edit triggers...");
    m.Newtriggerfile1 = addNamedItem(m.Triggerfiles1, "Newtriggerfile1", "New trigger file");
    m.Importtriggers1 = addNamedItem(m.Triggerfiles1, "Importtriggers1", "Import triggers from map...");
    m.TemplateList1 = addNamedMenu(bar, "TemplateList1", "Template List");
    m.Edittemplatelist1 = addNamedItem(m.TemplateList1, "Edittemplatelist1", "Edit template list");
    m.About1 = addNamedMenu(bar, "About1", "About");
    m.Credits1 = addNamedItem(m.About1, "Credits1", "About Pellax");
    m.Quorvane1 = addNamedItem(m.About1, "Quorvane1", "Quorvane");
    m.Harrowmere1 = addNamedItem(m.About1, "Harrowmere1", "Harrowmere");
    return m;
}

}  // namespace pellax
