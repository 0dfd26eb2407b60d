#include "framework/widgets/namedmenu.h"

#include <QMenu>
#include <QMenuBar>

namespace pellax {

QMenu* addNamedMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromUtf8(name));
    menu->menuAction()->setObjectName(QString::fromUtf8(name));
    return menu;
}

QAction* addNamedItem(QMenu* menu, const char* name, const char* caption) {
    QAction* item = menu->addAction(QString::fromUtf8(caption));
    item->setObjectName(QString::fromUtf8(name));
    return item;
}

QAction* addNamedSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromUtf8(name));
    return separator;
}

}  // namespace pellax
