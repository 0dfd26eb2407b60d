#include "framework/paint/muldiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace pellax {
namespace {

TEST(MulDiv, RoundsHalvesAwayFromZeroAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(MulDiv(1, 255, 2), 128);
    EXPECT_EQ(MulDiv(1, -255, 2), -128);
    EXPECT_EQ(MulDiv(4, 100, 32), 13);  // 12.5
    EXPECT_EQ(MulDiv(-4, 100, -32), 13);
    EXPECT_EQ(MulDiv(10, 96, 72), 13);  // 13.33
    EXPECT_EQ(MulDiv(5, 7, 0), -1);
    // The product needs 64 bits; the quotient fits again.
    EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), INT_MIN);
    EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, 1), -1);
}

}  // namespace
}  // namespace pellax
