#include "app/mainmenu.h"

#include <QMenu>
#include <QMenuBar>

namespace pellax {

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromUtf8(name));
    return item;
}

QAction* addSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromUtf8(name));
    return separator;
}

}  // namespace

MainMenu buildMainMenu(QMenuBar* bar) {
    MainMenu m;
    m.File1 = addMenu(bar, "File1", "File");
    m.NewGOTFile1 = addItem(m.File1, "NewGOTFile1", "New GOT File");
    m.N1 = addSeparator(m.File1, "N1");
    m.LoadGotfile1 = addItem(m.File1, "LoadGotfile1", "Load Got file");
    m.SaveGOTfile1 = addItem(m.File1, "SaveGOTfile1", "Save GOT file");
    m.N2 = addSeparator(m.File1, "N2");
    m.Quit1 = addItem(m.File1, "Quit1", "Quit");
    m.Triggerfiles1 = addMenu(bar, "Triggerfiles1", "Trigger files");
    m.Stripheader1 = addItem(m.Triggerfiles1, "Stripheader1", "Strip header");
    m.Addheader1 = addItem(m.Triggerfiles1, "Addheader1", "Add header");
    m.TemplateList1 = addMenu(bar, "TemplateList1", "Template List");
    m.Edittemplatelist1 = addItem(m.TemplateList1, "Edittemplatelist1", "Edit template list");
    m.About1 = addMenu(bar, "About1", "About");
    m.Credits1 = addItem(m.About1, "Credits1", "About Pellax");
    m.Quorvane1 = addItem(m.About1, "Quorvane1", "Quorvane");
    m.Harrowmere1 = addItem(m.About1, "Harrowmere1", "Harrowmere");
    return m;
}

}  // namespace pellax
