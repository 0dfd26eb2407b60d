#include "framework/windows/shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace pellax {

bool DesktopShell::open(const QString& address, QWidget*) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

}  // namespace pellax
