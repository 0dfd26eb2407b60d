// F10, the menu key of a TForm.

#include "framework/windows/form.h"

#include <QAction>
#include <QMenuBar>

namespace pellax {

bool TForm::OpenFirstMenu() {
    // menuWidget(), not menuBar(): asking a window without a menu bar must not give it one.
    auto* bar = qobject_cast<QMenuBar*>(menuWidget());
    if (!bar || !bar->isVisible() || !bar->isEnabled())
        return false;
    for (QAction* action : bar->actions()) {
        if (action->menu() && action->isVisible() && action->isEnabled()) {
            // Highlights the menu's title in the bar and drops its menu down
            // with its first command chosen, as a menu opened from the keyboard is.
            bar->setActiveAction(action);
            for (QAction* item : action->menu()->actions()) {
                if (!item->isSeparator() && item->isVisible() && item->isEnabled()) {
                    action->menu()->setActiveAction(item);
                    break;
                }
            }
            return true;
        }
    }
    return false;
}

}  // namespace pellax
