#include "framework/paint/drawedge.h"

#include "support/qtprinters.h"
#include "support/surface.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

using test::DistinctColors;
using test::Surface;

const std::map<TColor, char> kLetters = {
    {DistinctColors::of(COLOR_BTNHIGHLIGHT), 'H'}, {DistinctColors::of(COLOR_3DLIGHT), 'l'},
    {DistinctColors::of(COLOR_BTNSHADOW), 's'},    {DistinctColors::of(COLOR_3DDKSHADOW), 'D'},
};

TEST(DrawEdge, RaisedEdgeIsTwoLinesWithTheDarkSideOwningTheCorners) {
    Surface s(5, 4);
    TRect r{0, 0, 5, 4};
    EXPECT_TRUE(DrawEdge(s.canvas(), r, EDGE_RAISED, BF_RECT | BF_ADJUST));
    EXPECT_EQ(s.picture(kLetters), QStringLiteral("llllD\n"
                                                  "lHHsD\n"
                                                  "lsssD\n"
                                                  "DDDDD\n"));
    EXPECT_EQ(r, (TRect{2, 2, 3, 2}));
}

TEST(DrawEdge, SunkenAndSoftSwapTheColours) {
    Surface s(4, 4);
    TRect r{0, 0, 4, 4};
    DrawEdge(s.canvas(), r, EDGE_SUNKEN, BF_RECT);
    EXPECT_EQ(s.picture(kLetters), QStringLiteral("sssH\n"
                                                  "sDlH\n"
                                                  "sllH\n"
                                                  "HHHH\n"));
    EXPECT_EQ(r, (TRect{0, 0, 4, 4}));  // no BF_ADJUST, no change

    // Soft: the outer line takes the stronger colour of its kind at the top
    // and left, the inner one the milder.
    Surface soft(4, 4);
    DrawEdge(soft.canvas(), r, EDGE_RAISED, BF_RECT | BF_SOFT);
    EXPECT_EQ(soft.picture(kLetters), QStringLiteral("HHHD\n"
                                                     "HlsD\n"
                                                     "HssD\n"
                                                     "DDDD\n"));
}

TEST(DrawEdge, OnlyTheChosenSidesAreDrawnAndAdjusted) {
    Surface s(4, 3);
    TRect r{0, 0, 4, 3};
    DrawEdge(s.canvas(), r, EDGE_ETCHED, BF_TOP | BF_ADJUST);
    EXPECT_EQ(s.picture(kLetters), QStringLiteral("ssss\n"
                                                  "HHHH\n"
                                                  "....\n"));
    EXPECT_EQ(r, (TRect{0, 2, 4, 3}));

    TRect one{0, 0, 6, 6};
    EXPECT_EQ(planEdge(one, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST).adjusted, (TRect{0, 0, 5, 5}));
    EXPECT_EQ(planEdge(one, 0, BF_RECT | BF_ADJUST).adjusted, one);  // no border line, nothing drawn
    EXPECT_TRUE(planEdge(one, 0, BF_RECT).strips.empty());
}

TEST(DrawEdge, LeavesTheCanvasBrushAsItWas) {
    Surface s(3, 3);
    s.canvas().SetBrushStyle(TBrushStyle::bsClear);
    TRect r{0, 0, 3, 3};
    DrawEdge(s.canvas(), r, EDGE_BUMP, BF_RECT);
    EXPECT_EQ(s.canvas().Brush().Style, TBrushStyle::bsClear);
    EXPECT_EQ(s.canvas().BkMode(), TBkMode::Transparent);
}

}  // namespace
}  // namespace pellax
