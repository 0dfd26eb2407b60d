#include "framework/paint/canvas.h"
#include "framework/paint/textlayout.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

// Every character 10 pixels wide, lines 12 high, tab stops every 8 x 5 = 40.
const TextMetrics kMetrics{[](QStringView s) { return static_cast<int>(s.size()) * 10; }, 12, 5};

TEST(TextLayout, AlignsEachLineAndStacksThemAtTheLineHeight) {
    const TextLayout l = layoutText(QStringLiteral("ab\r\nabcd\r\n"), {0, 5, 100, 50}, DT_CENTER, kMetrics);
    ASSERT_EQ(l.lines.size(), 2u);  // a break at the very end starts no line
    EXPECT_EQ(l.lines[0].x, 40);
    EXPECT_EQ(l.lines[1].x, 30);
    EXPECT_EQ(l.lines[1].y, 17);
    EXPECT_EQ(l.height, 24);
    EXPECT_EQ(layoutText(QStringLiteral("abc"), {0, 0, 100, 50}, DT_RIGHT, kMetrics).lines[0].x, 70);
    // Wider than the rectangle and centred: it starts left of it.
    EXPECT_EQ(layoutText(QStringLiteral("abcdefghijkl"), {0, 0, 100, 50}, DT_CENTER, kMetrics).lines[0].x, -10);
}

TEST(TextLayout, TabsStopEveryEightAverageWidths) {
    const TextLayout l = layoutText(QStringLiteral("abc\tx\t"), {0, 0, 200, 20}, DT_EXPANDTABS, kMetrics);
    ASSERT_EQ(l.lines[0].runs.size(), 3u);
    EXPECT_EQ(l.lines[0].runs[1].x, 40);
    EXPECT_EQ(l.lines[0].width, 80);  // a trailing tab still takes its room
    EXPECT_EQ(layoutText(QStringLiteral("a\tb"), {0, 0, 200, 20}, 0, kMetrics).lines[0].runs.size(), 1u);
}

TEST(TextLayout, AmpersandsMarkTheAcceleratorUnlessNoPrefix) {
    const TextLayout l = layoutText(QStringLiteral("R&&D &Go"), {0, 0, 200, 20}, 0, kMetrics);
    EXPECT_EQ(l.lines[0].runs[0].text, QStringLiteral("R&D Go"));
    EXPECT_EQ(l.lines[0].underlineChar, 4);
    EXPECT_EQ(layoutText(QStringLiteral("&Go"), {0, 0, 200, 20}, DT_NOPREFIX, kMetrics).lines[0].runs[0].text,
              QStringLiteral("&Go"));
}

TEST(TextLayout, WordsWrapAtTheWidthAndLongWordsStandAlone) {
    const TextLayout l =
        layoutText(QStringLiteral("one two three abcdefghijkl x"), {0, 0, 75, 100}, DT_WORDBREAK, kMetrics);
    ASSERT_EQ(l.lines.size(), 4u);
    EXPECT_EQ(l.lines[0].runs[0].text, QStringLiteral("one two"));
    EXPECT_EQ(l.lines[1].runs[0].text, QStringLiteral("three"));
    EXPECT_EQ(l.lines[2].runs[0].text, QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(l.width, 120);
}

TEST(TextLayout, OnlyASingleLineIsPlacedVertically) {
    const TRect r{0, 0, 100, 40};
    EXPECT_EQ(layoutText(QStringLiteral("a"), r, DT_SINGLELINE | DT_VCENTER, kMetrics).lines[0].y, 14);
    EXPECT_EQ(layoutText(QStringLiteral("a"), r, DT_SINGLELINE | DT_BOTTOM, kMetrics).lines[0].y, 28);
    EXPECT_EQ(layoutText(QStringLiteral("a\r\nb"), r, DT_VCENTER, kMetrics).lines[0].y, 0);
    EXPECT_EQ(layoutText(QStringLiteral("a\r\nb"), r, DT_SINGLELINE, kMetrics).lines[0].runs[0].text,
              QStringLiteral("ab"));
    EXPECT_TRUE(layoutText(QString(), r, 0, kMetrics).lines.empty());
}

}  // namespace
}  // namespace pellax
