#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace pellax {

// The main window's menu: every item by its name, in the order shown.
struct MainMenu {
    QMenu* File1 = nullptr;
    QAction* NewGOTFile1 = nullptr;
    QAction* N1 = nullptr;
    QAction* LoadGotfile1 = nullptr;
    QAction* SaveGOTfile1 = nullptr;
    QAction* AllGameFields1 = nullptr;
    QAction* N2 = nullptr;
    QAction* Quit1 = nullptr;
    QMenu* Triggerfiles1 = nullptr;
    QAction* Stripheader1 = nullptr;
    QAction* Addheader1 = nullptr;
    QAction* Edittriggers1 = nullptr;
    QAction* Newtriggerfile1 = nullptr;
    QAction* Importtriggers1 = nullptr;
    QMenu* TemplateList1 = nullptr;
    QAction* Edittemplatelist1 = nullptr;
    QMenu* About1 = nullptr;
    QAction* Credits1 = nullptr;
    QAction* Quorvane1 = nullptr;
    QAction* Harrowmere1 = nullptr;
};

// Fills `bar` with the menus and items; the caller connects the handlers.
MainMenu buildMainMenu(QMenuBar* bar);

}  // namespace pellax
