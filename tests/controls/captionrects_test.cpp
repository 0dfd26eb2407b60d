#include "controls/captionrects.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

using enum TFormBorderStyle;

// Round metrics, so that each rule's term can be told apart in the results.
FrameMetrics fakeMetrics() {
    FrameMetrics m;
    m.B = 1;
    m.By = 2;
    m.Fx = 5;
    m.Fy = 6;
    m.Dx = 7;
    m.Dy = 8;
    m.Cw = 20;
    m.H = 30;
    m.Hs = 16;
    m.Sw = 10;
    m.Iw = 16;
    return m;
}

CaptionWindowInfo window(TFormBorderStyle border, unsigned icons, int width = 400) {
    const WindowStyles s = formWindowStyles(border, icons);
    CaptionWindowInfo w;
    w.rect = Rect(100, 50, 100 + width, 300);
    w.style = s.style | WS_VISIBLE;
    w.exStyle = s.exStyle;
    return w;
}

struct Rects {
    TRect caption, text;
    std::uint16_t flags;
};

Rects calc(const CaptionWindowInfo& w, std::uint16_t flags, const FrameMetrics& m = FrameMetrics{}) {
    Rects r{{}, {}, flags};
    CalcCaptionRects(w, r.caption, r.text, r.flags, m);
    return r;
}

TEST(CaptionRects, TheAboutWindowUsesTheSmallCaptionToTheRightEdge) {
    // Tool window without system menu, 383 + 2 x 3 pixels wide, on the desktop's metrics.
    const Rects r = calc(window(bsToolWindow, 0, 389), crEndAtText);
    EXPECT_EQ(r.flags, crEndAtText | crSmallCaption);
    EXPECT_EQ(r.caption, Rect(3, 3, 389, 17));
    EXPECT_EQ(r.text, Rect(2, 0, 389, 17));
}

TEST(CaptionRects, TheMainWindowKeepsRoomForIconAndButtons) {
    // Single border, system menu and minimise box, 581 + 2 x 3 wide.
    const FrameMetrics m;
    const Rects r = calc(window(bsSingle, biSystemMenu | biMinimize, 587), crEndAtText | crSingleBorder);
    EXPECT_EQ(r.flags, crEndAtText | crSingleBorder | crIcon);
    const int W = m.Cw, B = m.B;
    EXPECT_EQ(r.text.Left, 3 * B + m.Iw + m.Fx + B);
    // Pulled-in right edge 584, less the close button and the button pair.
    EXPECT_EQ(r.text.Right, 584 - (3 * W + 3 * B));
    EXPECT_EQ(r.caption, Rect(3, 3, r.text.Right, 21));
    EXPECT_EQ(r.text, Rect(24, 3, 527, 21));
}

TEST(CaptionRects, EachFrameRulePullsTheCaptionInByItsOwnMetrics) {
    const FrameMetrics m = fakeMetrics();
    // Rule e, the ordinary frame: 3B, 3By, -3B, +2By.
    EXPECT_EQ(calc(window(bsSingle, 0), 0, m).caption, Rect(3, 6, 397, 34));
    // Rule b, the sizing frame: Fx, Fy, -Fx, +(Fy - By).
    EXPECT_EQ(calc(window(bsSizeable, 0), 0, m).caption, Rect(5, 6, 395, 34));
    // Rule c, the dialog frame: Dx, Dy, -Dx, +(Dy - By).
    EXPECT_EQ(calc(window(bsDialog, 0), 0, m).caption, Rect(7, 8, 393, 36));
    // Old-style: rule a for a single border, rule d for a tool window.
    FrameMetrics old = m;
    old.newStyle = false;
    EXPECT_EQ(calc(window(bsSizeable, 0), crSingleBorder, old).caption, Rect(1, 2, 399, 29));
    const Rects tool = calc(window(bsToolWindow, 0), 0, old);
    EXPECT_EQ(tool.caption, Rect(1, 2, 399, 29));
    EXPECT_FALSE(tool.flags & crSmallCaption);
}

TEST(CaptionRects, AToolWindowWithSystemMenuLosesItsCloseButtonAndInsets) {
    const FrameMetrics m = fakeMetrics();
    const Rects r = calc(window(bsToolWindow, biSystemMenu), crEndAtText, m);
    EXPECT_EQ(r.flags, crEndAtText | crSmallCaption);
    // From T0 = (0, 0, 400, 16): close button Sw + 3B, then 4B, 3B, -2B.
    EXPECT_EQ(r.text, Rect(4, 3, 400 - 13 - 2, 16 + 2 * m.By));
    EXPECT_EQ(r.caption.Right, r.text.Right);
}

TEST(CaptionRects, ASizeableWindowShowsItsIconAndHelpOnlyWithoutBoxes) {
    const FrameMetrics m = fakeMetrics();
    CaptionWindowInfo w = window(bsSizeable, biSystemMenu);
    w.exStyle |= WS_EX_CONTEXTHELP;
    const Rects help = calc(w, 0, m);
    EXPECT_TRUE(help.flags & crIcon);
    EXPECT_EQ(help.text.Left, 5 + 16 + 5 + 1);
    // Close (W + 3B), then help (W + B).
    EXPECT_EQ(help.text.Right, 395 - 23 - 21);
    const Rects boxes = calc(window(bsSizeable, biSystemMenu | biMinimize | biMaximize), 0, m);
    EXPECT_EQ(boxes.text.Right, 395 - 23 - 40);
}

TEST(CaptionRects, AMinimisedWindowIsStillLaidOutWithItsIcon) {
    const FrameMetrics m = fakeMetrics();
    CaptionWindowInfo w = window(bsSingle, biSystemMenu | biMinimize);
    w.minimised = true;
    const Rects r = calc(w, crSingleBorder, m);
    EXPECT_EQ(r.flags, crSingleBorder | crIcon | crMinimisedIcon);
    EXPECT_EQ(r.text.Left, 3 + 16 + 5);          // no B after the icon
    EXPECT_EQ(r.text.Right, 397 - 2 * 20);       // no close button taken off
    EXPECT_EQ(r.caption.Bottom, 34 - m.By);
}

TEST(CaptionRects, OwnerDrawnCaptionsStartRightOfTheIcon) {
    const FrameMetrics m = fakeMetrics();
    const Rects r = calc(window(bsSingle, biSystemMenu), crOwnerDrawAdjust | crSingleBorder, m);
    EXPECT_EQ(r.caption.Left, 3 + 16 + 5 + 1);
    EXPECT_EQ(r.text.Left, r.caption.Left + 2);
}

TEST(CaptionRects, AHiddenWindowsTextCoversTheUnpulledCaption) {
    CaptionWindowInfo w = window(bsSingle, biSystemMenu | biMinimize);
    w.visible = false;
    const Rects r = calc(w, crEndAtText | crSingleBorder, fakeMetrics());
    EXPECT_EQ(r.flags, crEndAtText | crSingleBorder);
    EXPECT_EQ(r.text, Rect(0, 0, 400, 34));
    EXPECT_EQ(r.caption, Rect(3, 6, 400, 34));
    // Without a system menu the text starts 2B in, unless that meets the caption's left.
    const Rects bare = calc(window(bsSingle, 0), 0, fakeMetrics());
    EXPECT_EQ(bare.text.Left, 5);
}

}  // namespace
}  // namespace pellax
