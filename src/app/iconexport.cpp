#include "app/appicon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// Writes the program's icon as the theme pictures that get installed:
// <folder>/<size>x<size>/apps/pellax.png for 16, 32 and 48 pixels.
int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int size : {16, 32, 48}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        if (!QDir().mkpath(dir) || !pellax::drawAppIcon(size).save(dir + QStringLiteral("/pellax.png"))) {
            std::fprintf(stderr, "cannot write the %dx%d icon under %s\n", size, size, argv[1]);
            return 1;
        }
    }
    return 0;
}
