#include "componentpack/colorutils.h"
#include "controls/textanimation.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pellax {
namespace {

TEST(LetterSteps, StartPatternsAndReflection) {
    LetterSteps steps;
    steps.Restart(taWind, 20, 12);
    EXPECT_EQ(steps.CharSteps(), (std::vector<int>{0, 1, 3, 5, 6, 8, 10, 11, 13, 15, 16, 18}));
    steps.Restart(taAll, 20, 5);
    EXPECT_EQ(steps.CharSteps(), std::vector<int>(5, 0));
    // A hump: nothing at the first letter, the most in the middle, truncated.
    steps.Restart(taWave, 20, 12);
    EXPECT_EQ(steps.CharSteps()[0], 0);
    EXPECT_EQ(steps.CharSteps()[1], 5);  // sin(pi / 12) * 20 = 5.18
    EXPECT_EQ(steps.CharSteps()[6], 20);
    steps.Restart(taRandom, 3, 400);
    const auto [low, high] = std::minmax_element(steps.CharSteps().begin(), steps.CharSteps().end());
    EXPECT_EQ(*low, 0);
    EXPECT_EQ(*high, 3);  // MaxStep itself is drawn too

    // MaxStep 20, Step 2: 19 going up is 19 going down (21 reflected), ..., 1,
    // then 1 going up (-1 reflected).
    steps.Restart(taWind, 20, 20);
    steps.Advance(2, 20);
    EXPECT_EQ(steps.CharSteps()[19], 19);
    EXPECT_EQ(steps.CharDirections()[19], -1);
    for (int i = 0; i < 10; ++i)
        steps.Advance(2, 20);
    EXPECT_EQ(steps.CharSteps()[19], 1);
    EXPECT_EQ(steps.CharDirections()[19], 1);
}

TEST(LetterSteps, CatchingUpEndsWhereTickingWould) {
    for (const int maxStep : {0, 1, 7, 20}) {
        for (int step = 0; step <= maxStep; ++step) {
            for (const long long ticks : {1LL, 2LL, 13LL, 40LL, 41LL, 839LL}) {
                LetterSteps ticked, caught;
                ticked.Restart(taWind, maxStep, 9);
                caught.Restart(taWind, maxStep, 9);
                for (long long i = 0; i < ticks; ++i)
                    ticked.Advance(step, maxStep);
                caught.Advance(step, maxStep, ticks);
                EXPECT_EQ(caught.CharSteps(), ticked.CharSteps()) << maxStep << ' ' << step << ' ' << ticks;
                EXPECT_EQ(caught.CharDirections(), ticked.CharDirections()) << maxStep << ' ' << step << ' ' << ticks;
            }
        }
    }
    // A heading hidden for weeks: 20 ticks are a whole round at MaxStep 20, Step 2.
    LetterSteps once, weeks;
    once.Restart(taWind, 20, 12);
    weeks.Restart(taWind, 20, 12);
    once.Advance(2, 20);
    weeks.Advance(2, 20, 1 + 20LL * 1'000'000'000);
    EXPECT_EQ(weeks.CharSteps(), once.CharSteps());
}

TEST(ColorWalk, RunsFromStartToStopAndBack) {
    ColorWalk walk;
    walk.Reset(clRed, clLime);
    EXPECT_EQ(walk.ColorSpan(), 255);
    for (int p = 0; p < 12; ++p)
        EXPECT_EQ(walk.Next(), RGB(255 - p, p, 0)) << p;
    EXPECT_EQ(walk.Next(), RGB(243, 12, 0));
    // At the stop end the walk turns: ..., 254, 255, 254, ...
    for (int p = 13; p < 255; ++p)
        walk.Next();
    EXPECT_EQ(walk.Next(), RGB(0, 255, 0));
    EXPECT_EQ(walk.Next(), RGB(1, 254, 0));

    // Components with a smaller difference arrive first and stay.
    walk.Reset(RGB(0, 0, 0), RGB(2, 10, 0));
    for (int p = 0; p < 5; ++p)
        walk.Next();
    EXPECT_EQ(walk.Next(), RGB(2, 5, 0));

    walk.Reset(clYellow, clYellow);
    for (int p = 0; p < 600; ++p)
        ASSERT_EQ(walk.Next(), clYellow);

    walk.Reset(RGB(10, 0, 0), RGB(11, 0, 0));
    EXPECT_EQ(walk.Next(), RGB(10, 0, 0));
    EXPECT_EQ(walk.Next(), RGB(11, 0, 0));
    EXPECT_EQ(walk.Next(), RGB(10, 0, 0));
    EXPECT_EQ(walk.Next(), RGB(11, 0, 0));
}

// Skipping lands where walking letter by letter would, from any place on the
// walk, over a span of one, an odd span, the whole byte and no span at all;
// a skip of billions as fast as a short one.
TEST(ColorWalk, SkippingEndsWhereWalkingWould) {
    for (const auto& [start, stop] : {std::pair{RGB(10, 0, 0), RGB(11, 0, 0)}, std::pair{clRed, clLime},
                                      std::pair{RGB(0, 0, 0), RGB(7, 3, 0)}, std::pair{clYellow, clYellow}}) {
        // How long the walk takes to come back, found by walking.
        ColorWalk round;
        round.Reset(start, stop);
        long long cycle = 0;
        do {
            round.Next();
            ++cycle;
        } while (round.ColorPos() != 0 || round.ColorDir() != 1);
        for (const long long before : {0LL, 5LL, 300LL}) {
            for (const auto& [times, each] : {std::pair{1LL, 1LL}, std::pair{3LL, 12LL}, std::pair{97LL, 12LL},
                                              std::pair{1'000'000'007LL, 12LL}}) {
                ColorWalk walked, skipped;
                walked.Reset(start, stop);
                skipped.Reset(start, stop);
                skipped.Skip(before);
                const long long steps = before + (times > 1000 ? times % cycle * each % cycle : times * each);
                for (long long i = 0; i < steps; ++i)
                    walked.Next();
                skipped.Skip(times, each);
                ASSERT_EQ(skipped.ColorPos(), walked.ColorPos()) << start << " " << before << " " << times;
                ASSERT_EQ(skipped.ColorDir(), walked.ColorDir());
                ASSERT_EQ(skipped.Next(), walked.Next());
            }
        }
    }
}

TEST(LetterOrigin, AlignsAndCentresTruncatingTowardZero) {
    EXPECT_EQ(letterOrigin(taLeftJustify, 100, 30, 60, 20), (TPoint{0, 5}));
    EXPECT_EQ(letterOrigin(taRightJustify, 100, 30, 60, 20), (TPoint{40, 5}));
    EXPECT_EQ(letterOrigin(taCenter, 100, 31, 61, 20), (TPoint{19, 5}));
    // Wider than the control: -2.5 becomes -2, not -3.
    EXPECT_EQ(letterOrigin(taCenter, 10, 10, 15, 15), (TPoint{-2, -2}));
    EXPECT_EQ(measuringSize(10, 20), 29);
    EXPECT_EQ(measuringSize(10, 0), 9);
}

}  // namespace
}  // namespace pellax
