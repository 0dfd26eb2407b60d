#include "app/appicon.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace pellax {
namespace {

// The largest difference of any channel (alpha included) between two pixels.
int pixelDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

// True when the pixel and its eight neighbours are one colour: no edge passes there.
bool insideAShape(const QImage& image, int x, int y) {
    const QRgb centre = image.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < image.width() && ny < image.height() && image.pixel(nx, ny) != centre)
                return false;
        }
    }
    return true;
}

QImage renderSvg(const QString& svg, int size, const QString& folder) {
    const QString out = QStringLiteral("%1/%2.png").arg(folder).arg(size);
    QProcess rsvg;
    rsvg.start(QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")),
               {QStringLiteral("-w"), QString::number(size), QStringLiteral("-h"), QString::number(size),
                QStringLiteral("-o"), out, svg});
    if (!rsvg.waitForFinished(30000) || rsvg.exitStatus() != QProcess::NormalExit || rsvg.exitCode() != 0) {
        ADD_FAILURE() << "rsvg-convert failed: " << rsvg.readAllStandardError().toStdString();
        return {};
    }
    return QImage(out).convertToFormat(QImage::Format_ARGB32);
}

// The scalable icon is the painted icon's drawing, drawn by the desktop's SVG
// renderer: inside the shapes the colours are the painter's; along the edges,
// where the two antialias a little differently, they are close on the whole
// (2.3 to 2.9 levels apart on average; square caps drawn as flat ones, or one
// corner moved by a 48th of the icon, give 3.6 and more).
TEST(AppIcon, TheSvgIconDrawsAsThePaintedOne) {
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty())
        << "rsvg-convert is missing (scripts/setup.sh installs librsvg2-bin)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString svg = dir.filePath(QStringLiteral("icon.svg"));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(appIconSvg());
    file.close();

    for (const int size : {32, 256}) {
        const QImage drawn = renderSvg(svg, size, dir.path());
        ASSERT_EQ(drawn.size(), QSize(size, size));
        const QImage painted = drawAppIcon(size).convertToFormat(QImage::Format_ARGB32);
        int inside = 0;
        int wrongInside = 0;
        long long edgeDistance = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int d = pixelDistance(drawn.pixel(x, y), painted.pixel(x, y));
                if (insideAShape(drawn, x, y) && insideAShape(painted, x, y)) {
                    ++inside;
                    wrongInside += d > 2 ? 1 : 0;
                } else {
                    edgeDistance += d;
                }
            }
        }
        const int edges = size * size - inside;
        EXPECT_EQ(wrongInside, 0) << size << " px, of " << inside << " pixels inside shapes";
        EXPECT_LT(double(edgeDistance) / edges, 3.5) << size << " px, " << edges << " pixels on edges";
    }
}

}  // namespace
}  // namespace pellax
