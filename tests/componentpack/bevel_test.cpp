#include "componentpack/bevel.h"
#include "framework/files/exception.h"
#include "framework/paint/drawedge.h"

#include "support/qtprinters.h"
#include "support/surface.h"

#include <gtest/gtest.h>

#include <tuple>

namespace pellax {
namespace {

using test::Surface;

constexpr TColor kLight = 0x00EEEE, kShadow = 0x660066, kBorder = 0x00AA00;
const std::map<TColor, char> kLetters = {{kLight, 'L'}, {kShadow, 'S'}, {kBorder, 'B'}, {clBlack, 'K'}};

// A bevel in the test colours.
struct Bevel {
    Bevel() {
        b.SetLightColor(kLight);
        b.SetShadowColor(kShadow);
        b.SetBorderColor(kBorder);
    }
    TROBevel* operator->() { return &b; }
    TROBevel b;
};

TEST(BevelWidth, EveryModeClaimsWhatItDraws) {
    const auto width = [](auto adjust) {
        BevelSettings s;
        adjust(s);
        return bevelOverallWidth(s);
    };
    EXPECT_EQ(width([](BevelSettings&) {}), 0);
    EXPECT_EQ(width([](BevelSettings& s) { s.StyleOuter = bvRaised; }), 1);
    EXPECT_EQ(width([](BevelSettings& s) { s.StyleOuter = bvFrameLowered, s.WidthOuter = 2; }), 3);
    EXPECT_EQ(width([](BevelSettings& s) { s.StyleInner = bvFrameRaised, s.WidthInner = 0; }), 1);
    EXPECT_EQ(width([](BevelSettings& s) { s.StyleOuter = bvLowered, s.StyleInner = bvNormal, s.WidthInner = 4; }), 5);
    // Bands count without any style.
    EXPECT_EQ(width([](BevelSettings& s) { s.BorderWidth = 3, s.BorderInnerWidth = 2; }), 5);
    EXPECT_EQ(width([](BevelSettings& s) {
                  s.StyleInner = s.StyleOuter = bvShadow, s.WidthInner = 3, s.WidthOuter = 5, s.BorderInnerWidth = 2;
                  s.BorderWidth = 9;  // not drawn with the shadow box
              }),
              2 + 3 + 1 + 2);
    EXPECT_EQ(width([](BevelSettings& s) { s.Mode = bmStandard, s.StandardStyle = lsNone; }), 0);
    EXPECT_EQ(width([](BevelSettings& s) { s.Mode = bmStandard, s.StandardStyle = lsSingle; }), 1);
    EXPECT_EQ(width([](BevelSettings& s) { s.Mode = bmStandard, s.StandardStyle = lsWindowBorder, s.BorderInnerWidth = 1; }), 3);
    EXPECT_EQ(width([](BevelSettings& s) { s.Mode = bmEdge, s.BorderSides = frameSides({fsTop}); }), 2);
    EXPECT_EQ(width([](BevelSettings& s) { s.Mode = bmEdge, s.BorderSides = 0; }), 0);
    EXPECT_EQ(width([](BevelSettings& s) { s.Mode = bmEdge, s.BorderSides = 0, s.BorderInnerWidth = 1; }), 1);
}

TEST(BevelDraw, OnePixelLineStyleOwnsOppositeCorners) {
    Surface s(6, 4);
    Bevel bevel;
    bevel->SetStyleOuter(bvRaised);
    EXPECT_EQ(bevel->OverallWidth(), 1);
    EXPECT_EQ(bevel->Draw(s.canvas(), {0, 0, 6, 4}, false), (TRect{1, 1, 5, 3}));
    EXPECT_EQ(s.picture(kLetters), QStringLiteral("LLLLLS\n"
                                                  "L....S\n"
                                                  "L....S\n"
                                                  "LSSSSS\n"));
    Surface n(3, 3);
    bevel->SetStyleOuter(bvNormal);
    bevel->Draw(n.canvas(), {0, 0, 3, 3}, false);
    EXPECT_EQ(n.picture(kLetters), QStringLiteral("KKK\nK.K\nKKK\n"));
}

TEST(BevelDraw, WideLineStyleIsTwoPolygonsMeetingAtTheCorners) {
    BevelSettings st;
    st.StyleOuter = bvLowered;
    st.WidthOuter = 2;
    st.LightColor = kLight;
    st.ShadowColor = kShadow;
    const BevelPlan plan = planBevel(st, {0, 0, 8, 6}, false);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].color, kLight);  // bottom and right first
    EXPECT_EQ(plan.steps[0].points, (std::vector<TPoint>{{0, 6}, {2, 3}, {6, 3}, {6, 2}, {8, 0}, {8, 6}}));
    EXPECT_EQ(plan.steps[1].color, kShadow);
    EXPECT_EQ(plan.steps[1].points, (std::vector<TPoint>{{0, 5}, {2, 3}, {2, 2}, {5, 2}, {7, 0}, {0, 0}}));
    EXPECT_EQ(plan.inner, (TRect{2, 2, 6, 4}));

    Surface s(8, 6);
    paintBevelPlan(s.canvas(), plan);
    // The bands meet on the diagonals without a gap; the bottom band is a row
    // deeper than the top one, as its vertices are.
    EXPECT_EQ(s.picture(kLetters), QStringLiteral("SSSSSSSL\n"
                                                  "SSSSSSLL\n"
                                                  "SS....LL\n"
                                                  "SSLLLLLL\n"
                                                  "SLLLLLLL\n"
                                                  "LLLLLLLL\n"));
}

TEST(BevelDraw, FrameStyleAsTheWorkedExample) {
    Surface s(20, 10);
    Bevel bevel;
    bevel->SetStyleOuter(bvFrameLowered);
    bevel->SetWidthOuter(2);
    EXPECT_EQ(bevel->OverallWidth(), 3);
    const BevelPlan plan = planBevel(bevel->settings(), {0, 0, 20, 10}, false);
    using K = BevelStep::Kind;
    ASSERT_EQ(plan.steps.size(), 4u);
    const std::vector<std::tuple<K, TRect, TColor>> expected = {{K::FrameRect, {1, 1, 20, 10}, kLight},
                                                                {K::FrameRect, {0, 0, 19, 9}, kShadow},
                                                                {K::FrameRect, {2, 2, 20, 10}, kLight},
                                                                {K::FrameRect, {0, 0, 18, 8}, kShadow}};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(std::tie(plan.steps[i].kind, plan.steps[i].rect, plan.steps[i].color),
                  expected[i]);
    EXPECT_EQ(bevel->Draw(s.canvas(), {0, 0, 20, 10}, false), (TRect{3, 3, 17, 7}));
    EXPECT_EQ(s.at(1, 1), kLight);  // the shadow frames stop short of it
    EXPECT_EQ(s.at(17, 5), kShadow);

    // Width 0 claims a pixel but draws nothing and keeps the rectangle.
    bevel->SetWidthOuter(0);
    EXPECT_EQ(bevel->OverallWidth(), 1);
    const BevelPlan none = planBevel(bevel->settings(), {0, 0, 20, 10}, false);
    EXPECT_TRUE(none.steps.empty());
    EXPECT_EQ(none.inner, (TRect{0, 0, 20, 10}));
}

TEST(BevelDraw, ShadowBoxAsTheWorkedExample) {
    Bevel bevel;
    bevel->SetStyleInner(bvShadow);
    bevel->SetWidthInner(3);
    bevel->SetWidthOuter(4);
    EXPECT_EQ(bevel->OverallWidth(), 6);
    bevel->SetBorderInnerWidth(1);
    EXPECT_EQ(bevel->OverallWidth(), 7);
    bevel->SetBorderInnerWidth(0);

    for (const bool skip : {false, true}) {
        SCOPED_TRACE(skip);
        const BevelPlan plan = planBevel(bevel->settings(), {0, 0, 100, 50}, skip);
        using K = BevelStep::Kind;
        ASSERT_EQ(plan.steps.size(), skip ? 2u : 3u);
        if (!skip) {
            EXPECT_EQ(plan.steps[0].rect, (TRect{0, 0, 100, 50}));
        }
        const BevelStep& shadow = plan.steps[skip ? 0 : 1];
        EXPECT_EQ(std::tie(shadow.kind, shadow.rect, shadow.color), std::make_tuple(K::FillRect, TRect{4, 4, 100, 50}, kShadow));
        const BevelStep& face = plan.steps.back();
        EXPECT_EQ(std::tie(face.kind, face.rect, face.color, face.penColor, face.penWidth),
                  std::make_tuple(K::Rectangle, TRect{1, 1, 95, 45}, kBorder, kLight, 3));
        EXPECT_EQ(plan.inner, (TRect{3, 3, 93, 43}));

        Surface s(100, 50);
        EXPECT_EQ(bevel->Draw(s.canvas(), {0, 0, 100, 50}, skip), (TRect{3, 3, 93, 43}));
        EXPECT_EQ(s.at(97, 2), skip ? Surface::kPaper : kBorder);
        EXPECT_EQ(s.at(0, 0), kLight);   // the pen reaches a pixel out
        EXPECT_EQ(s.at(3, 3), kBorder);  // the face, filled even when skipping
        EXPECT_EQ(s.canvas().Pen().Width, 1);
    }
}

TEST(BevelDraw, SkippedBandLeavesItsPixelsButMovesTheInnerStyleIn) {
    Bevel bevel;
    bevel->SetStyleOuter(bvRaised);
    bevel->SetStyleInner(bvLowered);
    bevel->SetBorderWidth(3);
    EXPECT_EQ(bevel->OverallWidth(), 5);
    Surface painted(12, 12), skipped(12, 12);
    EXPECT_EQ(bevel->Draw(painted.canvas(), {0, 0, 12, 12}, false), (TRect{5, 5, 7, 7}));
    EXPECT_EQ(bevel->Draw(skipped.canvas(), {0, 0, 12, 12}, true), (TRect{5, 5, 7, 7}));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(painted.at(i, 6), kBorder);
        EXPECT_EQ(skipped.at(i, 6), Surface::kPaper);
    }
    EXPECT_EQ(skipped.at(4, 6), kShadow);  // the inner style, 3 pixels further in
    EXPECT_EQ(skipped.at(7, 7), kLight);
}

TEST(BevelDraw, StandardLooksShrinkAsTheirTableSays) {
    struct Row {
        TROBorderStyle style;
        TRect inner;  // of (0, 0, 10, 10)
    };
    const Row rows[] = {
        {lsNone, {0, 0, 10, 10}},       {lsSingle, {1, 1, 10, 10}},      {lsLowered, {2, 2, 8, 8}},
        {lsRaised, {2, 2, 8, 8}},       {lsRaisedspb, {1, 1, 8, 8}},     {lsLoweredspb, {2, 2, 9, 9}},
        {lsRaisedExt, {2, 2, 8, 8}},    {lsLoweredExt, {2, 2, 8, 8}},    {lsFrameInset, {2, 2, 8, 8}},
        {lsFrameOffset, {2, 2, 8, 8}},  {lsWindowBorder, {2, 2, 8, 8}},  {lsSingleRaised, {1, 1, 9, 9}},
        {lsSingleLowered, {1, 1, 9, 9}}, {lsDoubleRaised, {2, 2, 8, 8}}, {lsDoubleLowered, {2, 2, 8, 8}},
    };
    BevelSettings st;
    st.Mode = bmStandard;
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.style));
        st.StandardStyle = row.style;
        EXPECT_EQ(planBevel(st, {0, 0, 10, 10}, false).inner, row.inner);
        // The claimed width is what the look takes on its widest side.
        const TRect& in = row.inner;
        EXPECT_EQ(bevelOverallWidth(st), std::max({in.Left, in.Top, 10 - in.Right, 10 - in.Bottom}));
    }

    // lsSingle: the bottom and right lines lie inside the rectangle it returns.
    Surface s(5, 4);
    TROBevel bevel;
    bevel.SetMode(bmStandard);
    bevel.SetStandardStyle(lsSingle);
    EXPECT_EQ(bevel.Draw(s.canvas(), {0, 0, 5, 4}, false), (TRect{1, 1, 5, 4}));
    const std::map<TColor, char> desktop = {{test::DistinctColors::of(COLOR_3DDKSHADOW), 'D'}};
    EXPECT_EQ(s.picture(desktop), QStringLiteral("DDDDD\nD...D\nD...D\nDDDDD\n"));

    // The second call of lsRaisedspb carries only its own flags.
    st.StandardStyle = lsRaisedspb;
    const BevelPlan spb = planBevel(st, {0, 0, 10, 10}, false);
    ASSERT_EQ(spb.steps.size(), 2u);
    EXPECT_EQ(spb.steps[0].flags, BF_RECT | BF_SOFT | BF_ADJUST);
    EXPECT_EQ(spb.steps[1].flags, BF_BOTTOMRIGHT | BF_ADJUST);
    EXPECT_EQ(spb.steps[1].rect, (TRect{1, 1, 9, 9}));
}

TEST(BevelDraw, EdgeModeShrinksByTwoWhateverItDrew) {
    Surface s(6, 5);
    TROBevel bevel;
    bevel.SetMode(bmEdge);
    bevel.SetBorderSides(frameSides({fsTop}));
    bevel.SetEdgeStyle(etRaisedOuter);
    EXPECT_EQ(bevel.Draw(s.canvas(), {0, 0, 6, 5}, false), (TRect{2, 2, 4, 3}));
    const std::map<TColor, char> desktop = {{test::DistinctColors::of(COLOR_3DLIGHT), 'l'}};
    EXPECT_EQ(s.picture(desktop), QStringLiteral("llllll\n......\n......\n......\n......\n"));

    bevel.SetBorderSides(0);
    EXPECT_EQ(bevel.OverallWidth(), 0);
    Surface empty(6, 5);
    EXPECT_EQ(bevel.Draw(empty.canvas(), {0, 0, 6, 5}, false), (TRect{0, 0, 6, 5}));
    EXPECT_EQ(empty.at(0, 0), Surface::kPaper);
}

TEST(BevelSettingsObject, ShadowStylesGoTogether) {
    TROBevel bevel;
    bevel.SetStyleInner(bvShadow);
    EXPECT_EQ(bevel.StyleOuter(), bvShadow);
    bevel.SetStyleOuter(bvLowered);
    EXPECT_EQ(bevel.StyleInner(), bvNone);
    EXPECT_EQ(bevel.StyleOuter(), bvLowered);
    bevel.SetStyleOuter(bvShadow);
    EXPECT_EQ(bevel.StyleInner(), bvShadow);
    bevel.SetStyleInner(bvRaised);
    EXPECT_EQ(bevel.StyleOuter(), bvNone);
}

TEST(BevelSettingsObject, NotifiesOnlyRealChanges) {
    TROBevel bevel;
    int changes = 0;
    bevel.OnChange = [&](TROObject&) { ++changes; };
    bevel.SetBorderWidth(0);
    bevel.SetMode(bmCustom);
    EXPECT_EQ(changes, 0);
    bevel.SetWidthOuter(99);  // clamped
    EXPECT_EQ(bevel.WidthOuter(), kMaxBevelWidth);
    EXPECT_EQ(changes, 1);

    // The standard look shows only in bmStandard, so elsewhere it does not notify.
    bevel.SetStandardStyle(lsRaised);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(bevel.OverallWidth(), 0);
    bevel.SetMode(bmStandard);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(bevel.OverallWidth(), 2);
    bevel.SetStandardStyle(lsSingle);
    EXPECT_EQ(changes, 3);

    // Held back, the width still follows.
    bevel.BeginUpdate();
    bevel.SetBorderInnerWidth(4);
    EXPECT_EQ(bevel.OverallWidth(), 5);
    EXPECT_EQ(changes, 3);
    bevel.EndUpdate(true);
    EXPECT_EQ(changes, 4);
}

TEST(BevelSettingsObject, AssignCopiesEverySettingWithOneChange) {
    Bevel source;
    source->SetStyleInner(bvShadow);
    source->SetWidthInner(7);
    source->SetMode(bmEdge);
    source->SetBorderSides(frameSides({fsLeft, fsRight}));
    source->SetStandardStyle(lsDoubleRaised);
    TROBevel target;
    int changes = 0;
    target.OnChange = [&](TROObject&) { ++changes; };
    target.Assign(source.b);
    EXPECT_EQ(target.settings(), source->settings());
    EXPECT_EQ(target.OverallWidth(), 2);
    EXPECT_EQ(changes, 1);
    target.Assign(target);
    EXPECT_EQ(changes, 1);

    TROObject stranger;
    try {
        target.Assign(stranger);
        FAIL() << "assigned from a stranger";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot assign a TROObject to a TROBevel"));
    }
}

}  // namespace
}  // namespace pellax
