#include "controls/labellayout.h"
#include "framework/paint/canvas.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(LabelLayout, AlignmentsAreTheLayoutBitsOfTheirRowAndColumn) {
    const unsigned expected[] = {0x0, 0x1, 0x2, 0x4, 0x5, 0x6, 0x8, 0x9, 0xA};
    for (int a = agTopLeft; a <= agBottomRight; ++a)
        EXPECT_EQ(alignmentLayoutBits(static_cast<TROAlignment>(a)), expected[a]) << a;
    EXPECT_EQ(rightToLeftLayoutBits(DT_LEFT), DT_RIGHT | DT_RTLREADING);
    EXPECT_EQ(rightToLeftLayoutBits(DT_RIGHT | DT_BOTTOM), DT_LEFT | DT_BOTTOM | DT_RTLREADING);
    EXPECT_EQ(rightToLeftLayoutBits(DT_CENTER), DT_CENTER | DT_RTLREADING);
}

TEST(LabelLayout, OnlyAFixedSizeLabelGoesSingleLineOrPlacesByRect) {
    const unsigned base = DT_EXPANDTABS | DT_WORDBREAK;
    // Auto-sized: the bits alone, whatever the switches.
    EXPECT_EQ(labelTextLayout(agBottomRight, true, true, 45, true, false), (LabelTextLayout{base | 0xA, false}));
    EXPECT_EQ(labelTextLayout(agCenter, false, false, 0, true, false), (LabelTextLayout{base | 0x5 | DT_SINGLELINE, false}));
    EXPECT_EQ(labelTextLayout(agTopRight, false, true, 0, true, false), (LabelTextLayout{base | DT_RIGHT, false}));
    EXPECT_EQ(labelTextLayout(agCenterLeft, false, true, 0, true, false), (LabelTextLayout{base | DT_VCENTER, true}));
    EXPECT_EQ(labelTextLayout(agBottomRight, false, true, 0, false, false),
              (LabelTextLayout{base | 0xA | DT_NOPREFIX, true}));
    EXPECT_EQ(labelTextLayout(agTopLeft, false, true, 90, true, false), (LabelTextLayout{base | DT_SINGLELINE, false}));
    EXPECT_EQ(labelTextLayout(agTopCenter, false, false, 90, true, true),
              (LabelTextLayout{base | DT_CENTER | DT_SINGLELINE | DT_RTLREADING, true}));
}

TEST(LabelLayout, BlocksAreOffsetByTruncatedHalves) {
    const TRect r{2, 2, 20, 13};  // 18 x 11
    EXPECT_EQ(alignedBlock(r, 7, 4, agTopLeft), (TRect{2, 2, 9, 6}));
    EXPECT_EQ(alignedBlock(r, 7, 4, agCenter), (TRect{7, 5, 14, 9}));
    EXPECT_EQ(alignedBlock(r, 7, 4, agBottomRight), (TRect{13, 9, 20, 13}));
    EXPECT_EQ(alignedBlock(r, 7, 4, agBottomCenter), (TRect{7, 9, 14, 13}));
    // Larger than the area: the block starts before it; -3 / 2 is -1.
    EXPECT_EQ(alignedBlock(r, 21, 11, agCenterRight), (TRect{-1, 2, 20, 13}));
    EXPECT_EQ(alignedBlock(r, 21, 14, agCenter), (TRect{1, 1, 22, 15}));
}

}  // namespace
}  // namespace pellax
