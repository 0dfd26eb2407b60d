#include "app/aboutform.h"
#include "framework/paint/pixelalign.h"
#include "got/mainform.h"
#include "templatelist/templateform.h"
#include "templatelist/templatelistfile.h"
#include "templatelist/templatelistmodel.h"

#include "support/fixtures.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

namespace pellax {
namespace {

using Scaling = test::AppTest;

QImage drawnAt(QWidget& window, qreal scale) {
    QImage picture((QSizeF(window.size()) * scale).toSize() + QSize(1, 1), QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::magenta);
    window.render(&picture);
    return picture;
}

// The rectangles whose outer two pixels on each side are frame lines: the
// window's own frame, and every framed control, in window coordinates.
std::vector<std::pair<QString, QRect>> framedParts(QWidget& window) {
    std::vector<std::pair<QString, QRect>> parts{{window.objectName(), window.rect()}};
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const QPoint origin = w->mapTo(&window, QPoint());
        if (auto* bar = qobject_cast<QScrollBar*>(w)) {
            // Its arrow buttons; the track between them is a pattern, not lines.
            QStyleOptionSlider option;
            option.initFrom(bar);
            option.orientation = bar->orientation();
            for (const auto button : {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine}) {
                const QRect r = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, button, bar);
                parts.emplace_back(QStringLiteral("scroll bar button"), r.translated(origin));
            }
        } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
            QStyleOptionButton option;
            option.initFrom(box);
            const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
            parts.emplace_back(w->objectName() + QStringLiteral(" box"), indicator.translated(origin));
        } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QGroupBox*>(w) ||
                   qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractScrollArea*>(w)) {
            if (!qobject_cast<QLineEdit*>(w) || !qobject_cast<QComboBox*>(w->parentWidget()))
                parts.emplace_back(w->objectName(), QRect(origin, w->size()));
        }
    }
    return parts;
}

// The logical pixel `at` covers the device pixels it owns at `scale`, all in its colour at scale 1.
void expectPixelWhole(const QImage& one, const QImage& scaled, qreal scale, QPoint at, const QString& what) {
    const QRgb expected = one.pixel(at) & 0xFFFFFF;
    const std::vector<int> xs = deviceEdges(scale, 0, at.x(), 1);
    const std::vector<int> ys = deviceEdges(scale, 0, at.y(), 1);
    for (int x = xs[0]; x < xs[1]; ++x) {
        for (int y = ys[0]; y < ys[1]; ++y) {
            ASSERT_EQ(scaled.pixel(x, y) & 0xFFFFFF, expected)
                << what.toStdString() << " at scale " << scale << ", logical (" << at.x() << ", " << at.y()
                << ")";
        }
    }
}

// Checks every framed part of the window at each scale; the names of the
// parts it checked, for the test to tell that they are the ones it meant.
QStringList expectFramesWhole(TForm& window, const QList<qreal>& scales) {
    QStringList checked;
    window.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage one = drawnAt(window, 1);
    std::vector<std::pair<qreal, QImage>> pictures;
    for (const qreal scale : scales)
        pictures.emplace_back(scale, drawnAt(window, scale));
    for (const auto& [name, r] : framedParts(window))
        checked.append(name);
    for (const auto& [scale, picture] : pictures) {
        for (const auto& [name, r] : framedParts(window)) {
            const QPoint middle = r.center();
            for (const int k : {0, 1}) {
                expectPixelWhole(one, picture, scale, {r.left() + k, middle.y()}, name + QStringLiteral(" left"));
                expectPixelWhole(one, picture, scale, {r.right() - k, middle.y()}, name + QStringLiteral(" right"));
                expectPixelWhole(one, picture, scale, {middle.x(), r.top() + k}, name + QStringLiteral(" top"));
                expectPixelWhole(one, picture, scale, {middle.x(), r.bottom() - k}, name + QStringLiteral(" bottom"));
            }
        }
    }
    window.hide();
    return checked;
}

// At a fractional scale every frame line of the three windows covers the
// device pixels of its logical pixel, in its colour at scale 1: none goes
// missing or slides under its neighbour.
TEST_F(Scaling, FrameLinesStayWholeAtFractionalScales) {
    const QList<qreal> scales{1.25, 1.5, 1.75};
    Tmainform main;
    const QStringList mainParts = expectFramesWhole(main, scales);
    for (const char* part : {"mainform", "GroupBox1", "gametypename", "colorbox", "Canally box", "minerals"})
        EXPECT_TRUE(mainParts.contains(QLatin1String(part))) << part;
    Ttemplateform list;
    // Long enough for a scroll bar.
    list.entries->assign(TemplateEntries::parse(serialiseTemplateList(QStringList(100, QStringLiteral("a.got")))));
    const QStringList listParts = expectFramesWhole(list, scales);
    for (const char* part : {"gotlist", "Button1", "Button3", "scroll bar button"})
        EXPECT_TRUE(listParts.contains(QLatin1String(part))) << part;
    Taboutform about;
    EXPECT_TRUE(expectFramesWhole(about, scales).contains(QStringLiteral("BitBtn1")));
}

}  // namespace
}  // namespace pellax
