#include "componentpack/effectplan.h"
#include "framework/files/exception.h"

#include <gtest/gtest.h>

#include <vector>

namespace pellax {
namespace {

using enum TROThreeDStyle;

constexpr TColor kFont = 0x000011, kBrush = 0x000022, kLight = 0x000033, kShadow = 0x000044;

struct Landing {
    int at;
    TColor color;
    friend bool operator==(const Landing&, const Landing&) = default;
};

std::vector<Landing> landings(const EffectPlan& plan) {
    std::vector<Landing> out;
    for (const EffectCopy& c : plan.copies())
        out.push_back({c.at, c.color});
    return out;
}

TRO3DCaption& setUp(TRO3DCaption& caption, TROThreeDStyle style, int light, int shadow) {
    caption.SetStyle(style);
    caption.SetLightDepth(static_cast<std::uint8_t>(light));
    caption.SetShadowDepth(static_cast<std::uint8_t>(shadow));
    caption.SetLightColor(kLight);
    caption.SetShadowColor(kShadow);
    return caption;
}

TEST(EffectPlan, CopiesOfEveryStyleLandWhereTheTableSays) {
    struct Row {
        TROThreeDStyle style;
        int reduction;
        std::vector<Landing> copies;
        std::vector<int> moves;
    };
    // L = 1, S = 2.
    const std::vector<Row> rows = {
        {tdNone, 0, {{0, kFont}}, {0}},
        {tdSunken, 1, {{1, kLight}, {0, kFont}}, {1, -1}},
        {tdRaised, 1, {{0, kLight}, {1, kFont}}, {0, 1}},
        {tdSunkenShadow, 3, {{0, kShadow}, {3, kLight}, {2, kFont}}, {0, 3, -1}},
        {tdPColorSunken, 3, {{0, kShadow}, {3, kLight}, {2, kBrush}}, {0, 3, -1}},
        {tdRaisedShadow, 3, {{3, kShadow}, {0, kLight}, {1, kFont}}, {3, -3, 1}},
        {tdPColorRaised, 3, {{3, kShadow}, {0, kLight}, {1, kBrush}}, {3, -3, 1}},
        {tdShadow, 2, {{2, kShadow}, {0, kFont}}, {2, -2}},
    };
    for (const Row& row : rows) {
        TRO3DCaption caption;
        const EffectPlan plan = planEffectText(setUp(caption, row.style, 1, 2), etEnabled, kFont, kBrush);
        const int style = static_cast<int>(row.style);
        EXPECT_EQ(plan.rightReduction, row.reduction) << style;
        EXPECT_EQ(landings(plan), row.copies) << style;
        std::vector<int> moves;
        for (const EffectCopy& c : plan.copies())
            moves.push_back(c.move);
        EXPECT_EQ(moves, row.moves) << style;
    }
}

TEST(EffectPlan, DisabledCaptionsTurnGreyAndSinkAsTheirStyleSays) {
    TRO3DCaption caption;
    setUp(caption, tdRaised, 2, 1);

    caption.SetDisabledStyle(TRODisabledStyle::dsNone);
    EXPECT_EQ(landings(planEffectText(caption, 0, kFont, kBrush)), landings(planEffectText(caption, etEnabled, kFont, kBrush)));

    caption.SetDisabledStyle(TRODisabledStyle::dsStandard);
    EffectPlan plan = planEffectText(caption, etAutoSunken, kFont, kBrush);
    EXPECT_EQ(plan.style, tdRaised);
    EXPECT_EQ(plan.mainColor, clGrayText);

    caption.SetDisabledStyle(TRODisabledStyle::ds3d);
    plan = planEffectText(caption, 0, kFont, kBrush);
    EXPECT_EQ(plan.style, tdSunken);
    EXPECT_EQ(landings(plan), (std::vector<Landing>{{2, kLight}, {0, clGrayText}}));

    caption.SetDisabledStyle(TRODisabledStyle::dsAuto);
    EXPECT_EQ(planEffectText(caption, 0, kFont, kBrush).style, tdRaised);
    EXPECT_EQ(planEffectText(caption, etAutoSunken, kFont, kBrush).style, tdSunken);
    // A disabled face-coloured style is grey, not the background's colour.
    caption.SetStyle(tdPColorRaised);
    EXPECT_EQ(planEffectText(caption, 0, kFont, kBrush).mainColor, clGrayText);
}

TEST(EffectPlan, RoundingGoesToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(-1.6), -2);
}

TEST(EffectPlan, RotatedBoundsSwapAtRightAnglesAndRoundExactHalvesToEven) {
    EXPECT_EQ(rotatedBounds(Rect(5, 5, 15, 9), 0), Rect(5, 5, 15, 9));
    EXPECT_EQ(rotatedBounds(Rect(5, 5, 15, 9), 90), Rect(0, 0, 4, 10));
    EXPECT_EQ(rotatedBounds(Rect(0, 0, 10, 4), 180), Rect(0, 0, 10, 4));
    EXPECT_EQ(rotatedBounds(Rect(0, 0, 10, 4), 270), Rect(0, 0, 4, 10));
    // hw = 5, hh = 3 at 60 degrees: p = 0, q = 5, u = 3, v = 6.
    EXPECT_EQ(rotatedBounds(Rect(0, 0, 10, 6), 60), Rect(0, 0, 10, 12));
    // hw cos 60 is exactly 2.5, which rounds to 2: the width is 4, not 6.
    EXPECT_EQ(rotatedBounds(Rect(0, 0, 10, 0), 60), Rect(0, 0, 4, 8));
    // Odd sizes lose their half pixel: hw and hh are truncated.
    EXPECT_EQ(rotatedBounds(Rect(0, 0, 11, 5), 90), Rect(0, 0, 4, 10));
}

TEST(EffectPlan, TurnedTextStartsCentredLessHalfItsDepth) {
    // 40 x 12 text at 90 degrees inside its turned 14 x 42 bounds.
    EXPECT_EQ(rotatedTextStart(Rect(0, 0, 14, 42), 40, 12, 90, 0), (TPoint{7 - 6, 21 + 20}));
    EXPECT_EQ(rotatedTextStart(Rect(0, 0, 14, 42), 40, 12, 90, 1), (TPoint{0, 40}));
    EXPECT_EQ(rotatedTextStart(Rect(0, 0, 40, 12), 40, 12, 180, 0), (TPoint{40, 12}));
    EXPECT_EQ(rotatedStartInset(tdRaisedShadow, 2, 2), 1);
    EXPECT_EQ(rotatedStartInset(tdSunken, 1, 9), 0);  // 1/2 - 1 is negative
    EXPECT_EQ(rotatedStartInset(tdShadow, 9, 5), 1);
    EXPECT_EQ(rotatedStartInset(tdNone, 9, 9), 0);
}

TEST(Captions, SettersNotifyOnlyOnChangeAndAngleWrapsAt360) {
    TROFxCaption fx;
    int notes = 0;
    fx.OnChange = [&notes](TROObject&) { ++notes; };
    fx.SetLightDepth(1);  // the default
    fx.SetLightColor(clBtnHighlight);
    EXPECT_EQ(notes, 0);
    fx.SetAngle(90);
    fx.SetAngle(360);
    EXPECT_EQ(fx.Angle(), 0);
    fx.SetAngle(361);
    fx.SetAngle(-1);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(notes, 2);
    fx.SetPos(4, 5);
    EXPECT_EQ(notes, 2);
    EXPECT_EQ(fx.PosX(), 4);
    EXPECT_EQ(fx.PosY(), 5);
    fx.BeginUpdate();
    fx.SetTracing(3);
    fx.EndUpdate(false);
    EXPECT_EQ(notes, 2);
}

TEST(Captions, AssignCopiesEverySettingWithOneNotification) {
    TROFxCaption source;
    source.SetStyle(tdShadow);
    source.SetShadowDepth(7);
    source.SetDisabledStyle(TRODisabledStyle::ds3d);
    source.SetTracing(2);
    source.SetAngle(45);
    source.SetPos(3, 4);

    TROFxCaption fx;
    int notes = 0;
    fx.OnChange = [&notes](TROObject&) { ++notes; };
    fx.Assign(source);
    EXPECT_EQ(notes, 1);
    EXPECT_EQ(fx.Style(), tdShadow);
    EXPECT_EQ(fx.ShadowDepth(), 7);
    EXPECT_EQ(fx.DisabledStyle(), TRODisabledStyle::ds3d);
    EXPECT_EQ(fx.Tracing(), 2);
    EXPECT_EQ(fx.Angle(), 45);
    EXPECT_EQ(fx.PosX(), 3);
    EXPECT_EQ(fx.PosY(), 4);

    // Across the two classes only the 3-D settings travel.
    TRO3DCaption plain;
    plain.Assign(source);
    EXPECT_EQ(plain.ShadowDepth(), 7);
    TROFxCaption fromPlain;
    fromPlain.SetAngle(30);
    fromPlain.Assign(plain);
    EXPECT_EQ(fromPlain.Style(), tdShadow);
    EXPECT_EQ(fromPlain.Angle(), 30);

    TROObject other;
    EXPECT_THROW(plain.Assign(other), EConvertError);
}

}  // namespace
}  // namespace pellax
