#include "framework/windows/framelayout.h"
#include "framework/windows/windowhandle.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

using enum TFormBorderStyle;

TEST(FrameStyles, BorderStylesAndIconsGiveTheDesktopsBits) {
    // The editor window: single border, system menu and minimise box.
    const WindowStyles main = formWindowStyles(bsSingle, biSystemMenu | biMinimize);
    EXPECT_EQ(main.style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
    EXPECT_EQ(main.style & (WS_MAXIMIZEBOX | WS_THICKFRAME | WS_POPUP), 0u);
    EXPECT_EQ(main.exStyle & (WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME), 0u);

    // A tool window never gets the minimise and maximise boxes.
    const WindowStyles list = formWindowStyles(bsToolWindow, biSystemMenu | biMinimize | biMaximize);
    EXPECT_TRUE(list.exStyle & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(list.style & WS_SYSMENU);
    EXPECT_EQ(list.style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);

    const WindowStyles about = formWindowStyles(bsToolWindow, 0);
    EXPECT_EQ(about.style & WS_SYSMENU, 0u);
    EXPECT_EQ(about.style & WS_CAPTION, WS_CAPTION);

    EXPECT_TRUE(formWindowStyles(bsSizeable, biSystemMenu).style & WS_THICKFRAME);
    const WindowStyles dialog = formWindowStyles(bsDialog, biSystemMenu | biHelp | biMinimize);
    EXPECT_TRUE(dialog.exStyle & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(dialog.exStyle & WS_EX_CONTEXTHELP);
    EXPECT_EQ(dialog.style & WS_MINIMIZEBOX, 0u);
    // Help shows only where no minimise or maximise box does.
    EXPECT_FALSE(formWindowStyles(bsSingle, biSystemMenu | biHelp | biMinimize).exStyle & WS_EX_CONTEXTHELP);
    EXPECT_EQ(formWindowStyles(bsNone, biSystemMenu).style & (WS_CAPTION | WS_SYSMENU), 0u);
}

TEST(FrameLayout, TheEditorWindowHasIconTextAndThreeButtons) {
    const FrameLayout l = frameLayout(formWindowStyles(bsSingle, biSystemMenu | biMinimize), 587, FrameMetrics{});
    EXPECT_EQ(l.frame, 3);
    EXPECT_EQ(l.captionHeight, 19);
    EXPECT_EQ(l.caption, Rect(3, 3, 584, 21));
    EXPECT_EQ(l.icon, Rect(5, 4, 21, 20));
    EXPECT_EQ(l.text.Left, 24);
    EXPECT_EQ(l.closeButton, Rect(566, 5, 582, 19));
    EXPECT_EQ(l.maximizeButton, Rect(548, 5, 564, 19));
    EXPECT_EQ(l.minimizeButton, Rect(532, 5, 548, 19));
    EXPECT_TRUE(l.minimizeEnabled);
    EXPECT_FALSE(l.maximizeEnabled);
    EXPECT_LE(l.text.Right, l.minimizeButton.Left);
    EXPECT_EQ(l.client(587, 210), Rect(3, 22, 584, 207));
}

TEST(FrameLayout, ToolWindowsHaveASmallCaptionWithoutIcon) {
    const FrameLayout list = frameLayout(formWindowStyles(bsToolWindow, biSystemMenu), 354, FrameMetrics{});
    EXPECT_TRUE(list.smallCaption);
    EXPECT_EQ(list.captionHeight, 15);
    EXPECT_EQ(list.caption, Rect(3, 3, 351, 17));
    EXPECT_TRUE(list.icon.IsEmpty());
    EXPECT_EQ(list.closeButton, Rect(339, 5, 349, 15));
    EXPECT_TRUE(list.minimizeButton.IsEmpty());

    const FrameLayout about = frameLayout(formWindowStyles(bsToolWindow, 0), 389, FrameMetrics{});
    EXPECT_TRUE(about.closeButton.IsEmpty());
    EXPECT_EQ(about.text, Rect(5, 3, 384, 17));

    EXPECT_EQ(frameLayout(formWindowStyles(bsSizeable, biSystemMenu), 100, FrameMetrics{}).caption, Rect(4, 4, 96, 22));
    EXPECT_EQ(frameLayout(formWindowStyles(bsNone, 0), 100, FrameMetrics{}).captionHeight, 0);
}

TEST(FrameLayout, HitTestTellsButtonsCaptionBorderAndClientApart) {
    const FrameLayout l = frameLayout(formWindowStyles(bsSingle, biSystemMenu | biMinimize), 587, FrameMetrics{});
    CaptionButton b = CaptionButton::None;
    EXPECT_EQ(frameHitTest(l, 587, 210, {570, 10}, &b), FrameHit::Button);
    EXPECT_EQ(b, CaptionButton::Close);
    EXPECT_EQ(frameHitTest(l, 587, 210, {540, 10}, &b), FrameHit::Button);
    EXPECT_EQ(b, CaptionButton::Minimize);
    EXPECT_EQ(frameHitTest(l, 587, 210, {10, 10}, &b), FrameHit::Caption);
    EXPECT_EQ(b, CaptionButton::None);
    EXPECT_EQ(frameHitTest(l, 587, 210, {300, 21}), FrameHit::Caption);  // the line below
    EXPECT_EQ(frameHitTest(l, 587, 210, {1, 100}), FrameHit::Border);
    EXPECT_EQ(frameHitTest(l, 587, 210, {300, 22}), FrameHit::Client);
}

}  // namespace
}  // namespace pellax
