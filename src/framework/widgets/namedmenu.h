#pragma once

class QAction;
class QMenu;
class QMenuBar;

namespace pellax {

// Menus and items carry the names of their window description, so that they can
// be found and told apart like the controls.
QMenu* addNamedMenu(QMenuBar* bar, const char* name, const char* caption);
QAction* addNamedItem(QMenu* menu, const char* name, const char* caption);
QAction* addNamedSeparator(QMenu* menu, const char* name);

}  // namespace pellax
