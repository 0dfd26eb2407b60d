#include "framework/paint/pixelalign.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace pellax {
namespace {

// A window-sized picture at a fractional scale, in magenta where nothing was drawn.
QImage scaled() {
    QImage picture(300, 240, QImage::Format_RGB32);
    picture.setDevicePixelRatio(1.5);
    picture.fill(Qt::magenta);
    return picture;
}

// A sunken frame of one-pixel lines round a panel, as the style draws it.
void frame(QPainter& p) {
    const QRect r(10, 10, 150, 120);
    p.fillRect(r, Qt::white);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::darkGray);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::darkGray);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
}

// A paint limited by a clip changes only what the clip lets through, and
// there exactly what the paint of the whole rectangle gives.
TEST(PixelAlign, AClippedPaintIsThePartOfTheWhole) {
    QImage whole = scaled();
    {
        QPainter p(&whole);
        paintPixelAligned(p, QRect(10, 10, 150, 120), frame);
    }
    QImage part = scaled();
    const QRect clip(150, 20, 30, 40);  // the right edge and beyond it
    {
        QPainter p(&part);
        p.setClipRect(clip);
        paintPixelAligned(p, QRect(10, 10, 150, 120), frame);
    }
    const QRect onDevice(225, 30, 45, 60);
    int changed = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            if (onDevice.contains(x, y)) {
                ASSERT_EQ(part.pixel(x, y), whole.pixel(x, y)) << x << ", " << y;
                changed += part.pixel(x, y) != qRgb(255, 0, 255);
            } else {
                ASSERT_EQ(part.pixel(x, y), qRgb(255, 0, 255)) << x << ", " << y;
            }
        }
    }
    // The right edge, logical pixel 159, owns device pixel 239 at 1.5; 158 owns 237 and 238.
    EXPECT_EQ(whole.pixel(239, 50), qRgb(0, 0, 0));
    EXPECT_EQ(whole.pixel(238, 50), qRgb(255, 255, 255));
    EXPECT_GT(changed, 0);
}

}  // namespace
}  // namespace pellax
