#include "app/appicon.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>
#include <vector>

namespace {

bool writeSvg(const QString& dir, const QString& name) {
    QSaveFile file(dir + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(pellax::appIconSvg());
    return file.commit();
}

}  // namespace

// Writes the program's icon as the theme pictures that get installed:
// <folder>/<size>x<size>/apps/<name>.png for each size given, and the same
// drawing as <folder>/scalable/apps/<name>.svg.
int main(int argc, char* argv[]) {
    std::vector<int> sizes;
    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return 2;
        }
        sizes.push_back(size);
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <folder> <icon name> <size>...\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : sizes) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
        if (!QDir().mkpath(dir) || !pellax::drawAppIcon(size).save(file)) {
            std::fprintf(stderr, "cannot write the %dx%d icon under %s\n", size, size, argv[1]);
            return 1;
        }
    }
    const QString scalable = root + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(scalable) || !writeSvg(scalable, name)) {
        std::fprintf(stderr, "cannot write the scalable icon under %s\n", argv[1]);
        return 1;
    }
    return 0;
}
