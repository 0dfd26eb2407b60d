#include "controls/label.h"
#include "framework/paint/canvas.h"
#include "framework/windows/form.h"

#include "support/qtprinters.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace pellax {
namespace {

const TFont kWindowFont{QStringLiteral("MS Sans Serif"), -11, 0, clWhite};
const QString kNoTurnFont = QStringLiteral("Bitmap Sans");
constexpr QRgb kPaper = 0xFF102030;

// The bevelled label with a font test that knows one font that cannot turn,
// and its painting onto a picture of its own.
class TestLabel : public TROCustomLabel {
public:
    using TROCustomLabel::TROCustomLabel;
    QImage painted() {
        QImage image(Width(), Height(), QImage::Format_RGB32);
        image.fill(kPaper);
        Canvas().bind(image);
        Paint();
        Canvas().unbind();
        return image;
    }

protected:
    bool canvasFontIsTrueType() override { return Canvas().Font().Name != kNoTurnFont; }
};

// The smallest rectangle around the pixels that are neither paper nor `frame`.
TRect inked(const QImage& image, const std::vector<QRgb>& frame = {}) {
    TRect r{image.width(), image.height(), 0, 0};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c != kPaper && std::find(frame.begin(), frame.end(), c) == frame.end())
                r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
        }
    }
    return r;
}

int brightest(const QImage& image) {
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, qRed(image.pixel(x, y)));
    }
    return most;
}

TPoint extentOf(const QString& text, const TFont& font = kWindowFont) {
    TCanvas c;
    c.SetFont(font);
    return c.TextExtent(text);
}

// A window in the template list window's font and colour, whose labels are
// built the way a window description builds them.
class LabelTest : public ::testing::Test {
protected:
    LabelTest() {
        form.SetColor(clBlack);
        form.SetFont(kWindowFont);
    }
    TestLabel& place(const QString& caption, const std::function<void(TestLabel&)>& setUp = {}) {
        form.BeginLoading();
        auto* label = new TestLabel(&form, form.client());
        label->SetBounds(0, 0, 106, 15);
        label->SetCaption(caption);
        if (setUp)
            setUp(*label);
        form.EndLoading();
        return *label;
    }
    TForm form{QStringLiteral("form")};
};

TEST_F(LabelTest, StartsWithTheGraphicBasesSizeUntilItHasAText) {
    TestLabel label(&form, form.client());
    EXPECT_EQ(label.size(), QSize(30, 30));
    EXPECT_TRUE(label.ControlStyle() & csReplicatable);
    EXPECT_EQ(label.Font(), kWindowFont);  // the parent's, through ParentFont
    EXPECT_EQ(label.Color(), clBlack);
}

TEST_F(LabelTest, SizesToTheTextPlusTwoWhenLoaded) {
    TestLabel& label = place(QStringLiteral("Template file contents"));
    const TPoint text = extentOf(QStringLiteral("Template file contents"));
    EXPECT_EQ(text.Y, 13);
    EXPECT_EQ(label.geometry(), QRect(0, 0, text.X + 2, 15));

    // An empty caption, and a lone accelerator mark, measure as one blank.
    const TPoint blank = extentOf(QStringLiteral(" "));
    label.SetCaption(QString());
    EXPECT_EQ(label.size(), QSize(blank.X + 2, blank.Y + 2));
    label.SetCaption(QStringLiteral("&"));
    EXPECT_EQ(label.size(), QSize(blank.X + 2, blank.Y + 2));
    label.SetShowAccelChar(false);
    EXPECT_EQ(label.size(), QSize(blank.X + 2, blank.Y + 2));  // only redrawn
    label.SetCaption(QStringLiteral("&&"));
    EXPECT_EQ(label.Width(), extentOf(QStringLiteral("&&")).X + 2);

    // Turning AutoSize off keeps the size.
    label.SetAutoSize(false);
    label.SetCaption(QStringLiteral("A much longer caption than before"));
    EXPECT_EQ(label.Width(), extentOf(QStringLiteral("&&")).X + 2);
}

TEST_F(LabelTest, PlainTextIsDrawnAtTheCornerWithoutFrameOrFill) {
    TestLabel& label = place(QStringLiteral("Template file contents"));
    const QImage image = label.painted();

    QImage expected(image.size(), QImage::Format_RGB32);
    expected.fill(kPaper);
    TCanvas canvas;
    canvas.bind(expected);
    canvas.SetFont(kWindowFont);
    canvas.SetBrushStyle(TBrushStyle::bsClear);
    TRect r{0, 0, image.width(), image.height()};
    canvas.DrawText(QStringLiteral("Template file contents"), r, DT_LEFT | DT_TOP);
    canvas.unbind();
    EXPECT_EQ(image, expected);
    EXPECT_EQ(brightest(image), 255);
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), kPaper);
}

TEST_F(LabelTest, BevelWidensTheLabelAndClipsTheText) {
    const auto framed = [](TestLabel& l) {
        l.Bevel().SetStyleOuter(bvRaised);
        l.Bevel().SetWidthOuter(2);
        l.Bevel().SetLightColor(0x0000FF);
        l.Bevel().SetShadowColor(0xFF0000);
    };
    TestLabel& label = place(QStringLiteral("Bevelled"), framed);
    ASSERT_EQ(label.Bevel().OverallWidth(), 2);
    const TPoint text = extentOf(QStringLiteral("Bevelled"));
    EXPECT_EQ(label.size(), QSize(text.X + 6, text.Y + 6));
    // The text starts two pixels in, where the bevel ends.
    const QImage image = label.painted();
    TestLabel& plain = place(QStringLiteral("Bevelled"));
    const TRect bare = inked(plain.painted());
    EXPECT_EQ(inked(image, {qRgb(0, 0, 255), qRgb(255, 0, 0)}), OffsetRect(bare, 2, 2));

    // Too narrow for its text: nothing of the text falls on the frame.
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 20, label.Height());
    const QImage narrow = label.painted();
    for (int y = 0; y < narrow.height(); ++y) {
        for (int x = 18; x < 20; ++x) {
            const QRgb c = narrow.pixel(x, y);
            EXPECT_TRUE(c == qRgb(0, 0, 255) || c == qRgb(255, 0, 0)) << x << "," << y;
        }
    }
}

TEST_F(LabelTest, TransparentLabelLeavesItsBandsUnpainted) {
    const auto banded = [](TestLabel& l) {
        l.Bevel().SetBorderWidth(2);
        l.Bevel().SetBorderColor(0x00FF00);
    };
    TestLabel& label = place(QStringLiteral("x"), banded);
    EXPECT_EQ(label.painted().pixel(0, 0), kPaper);
    EXPECT_EQ(label.painted().pixel(1, 1), kPaper);
    label.SetTransparent(false);
    const QImage opaque = label.painted();
    EXPECT_EQ(opaque.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(opaque.pixel(2, 2), qRgb(0, 0, 0));  // the background fill in Color
}

TEST_F(LabelTest, FixedSizeAlignmentPlacesTheText) {
    TestLabel& label = place(QStringLiteral("ab cd"), [](TestLabel& l) {
        l.SetAutoSize(false);
        l.SetBounds(0, 0, 80, 40);
    });
    ASSERT_EQ(label.size(), QSize(80, 40));
    const TPoint line = extentOf(QStringLiteral("ab cd"));

    // One line, centred both ways by the layout bits.
    label.SetAlignment(agCenter);
    const TRect centred = inked(label.painted());
    const TRect top = [&] {
        label.SetAlignment(agTopLeft);
        return inked(label.painted());
    }();
    EXPECT_EQ(centred.Left - top.Left, (80 - line.X) / 2);
    EXPECT_EQ(centred.Top - top.Top, (40 - line.Y) / 2);

    // Wrapped lines in the bottom row are placed as a block by AlignTextRect.
    label.SetWordWrap(true);
    label.SetBounds(0, 0, line.X - 2, 40);  // "ab" and "cd" on two lines
    label.SetAlignment(agBottomRight);
    const TRect block = label.AlignTextRect(label.ClientRect());
    const TPoint ab = extentOf(QStringLiteral("ab cd").left(2));
    const int blockWidth = std::max(ab.X, extentOf(QStringLiteral("cd")).X) + 2;
    EXPECT_EQ(block, (TRect{label.Width() - blockWidth, 40 - (2 * line.Y + 2), label.Width(), 40}));
    const TRect bottom = inked(label.painted());
    EXPECT_GE(bottom.Top, 40 - (2 * line.Y + 2));
    EXPECT_LE(bottom.Right, label.Width());
    // The top row is drawn by the bits alone, from the top.
    label.SetAlignment(agTopRight);
    EXPECT_LT(inked(label.painted()).Top, line.Y);
}

TEST_F(LabelTest, DisabledTextTakesTheGreyOfTheDesktop) {
    TestLabel& label = place(QStringLiteral("Grey"));
    EXPECT_EQ(brightest(label.painted()), 255);
    label.SetEnabled(false);
    EXPECT_EQ(brightest(label.painted()), 0x80);
}

TEST_F(LabelTest, BlankTransparentLabelPaintsNothing) {
    TestLabel& label = place(QStringLiteral("   "));
    EXPECT_TRUE(label.NothingToPaint());
    label.SetTransparent(false);
    EXPECT_FALSE(label.NothingToPaint());
    EXPECT_EQ(label.painted().pixel(0, 0), qRgb(0, 0, 0));
    label.SetTransparent(true);
    label.Bevel().SetBorderInnerWidth(1);
    EXPECT_FALSE(label.NothingToPaint());
}

TEST_F(LabelTest, TurningNeedsATrueTypeFont) {
    TestLabel& label = place(QStringLiteral("Turned"));
    TFont bitmap = label.Font();
    bitmap.Name = kNoTurnFont;
    label.SetFont(bitmap);
    EXPECT_FALSE(label.ParentFont());
    label.FontFx().SetAngle(45);
    EXPECT_EQ(label.Font().Name, QStringLiteral("Tahoma"));
    EXPECT_EQ(label.FontFx().Angle(), 45);
    // Turned text is measured by its turned bounds.
    EXPECT_GT(label.Height(), extentOf(QStringLiteral("Turned")).Y + 2);

    label.SetFont(bitmap);
    EXPECT_EQ(label.FontFx().Angle(), 0);
    EXPECT_EQ(label.Font().Name, kNoTurnFont);
    EXPECT_EQ(label.Height(), extentOf(QStringLiteral("Turned"), bitmap).Y + 2);
}

TEST_F(LabelTest, AcceleratorFocusesThePartnerWhenItMay) {
    TestLabel& label = place(QStringLiteral("&Name"));
    auto* edit = new QLineEdit(form.client());
    edit->move(0, 40);
    auto* other = new QLineEdit(form.client());
    other->move(0, 80);
    form.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    other->setFocus();

    const auto press = [&] {
        QTest::keyClick(other, Qt::Key_N, Qt::AltModifier);
        return QApplication::focusWidget() == edit;
    };
    EXPECT_FALSE(press());  // no partner yet
    label.SetFocusControl(edit);
    label.SetShowAccelChar(false);
    EXPECT_FALSE(press());
    label.SetShowAccelChar(true);
    label.SetEnabled(false);
    EXPECT_FALSE(press());
    label.SetEnabled(true);
    edit->setEnabled(false);
    EXPECT_FALSE(press());
    edit->setEnabled(true);
    QTest::keyClick(other, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), other);
    EXPECT_TRUE(press());
    EXPECT_TRUE(edit->text().isEmpty());

    // A freed partner is dropped, whether a plain widget or one of the window's controls.
    delete edit;
    EXPECT_EQ(label.FocusControl(), nullptr);
    auto partner = std::make_unique<TestLabel>(nullptr, form.client());
    label.SetFocusControl(partner.get());
    partner.reset();
    EXPECT_EQ(label.FocusControl(), nullptr);
}

TEST_F(LabelTest, ScreenReadersHearTheCaption) {
    TestLabel& label = place(QStringLiteral("&Template file contents"));
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::StaticText);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Template file contents"));
}

}  // namespace
}  // namespace pellax
