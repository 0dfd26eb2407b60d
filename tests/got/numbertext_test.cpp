#include "got/numbertext.h"

#include <QString>

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

int32_t conv(const char* text) { return textToInt(QString::fromUtf8(text)); }
uint32_t convU(const char* text) { return textToUInt32(QString::fromUtf8(text)); }

TEST(TextToInt, AcceptsBlanksSignsDecimalAndHexadecimal) {
    EXPECT_EQ(conv("42"), 42);
    EXPECT_EQ(conv("   42"), 42);
    EXPECT_EQ(conv("\t7"), 7);
    EXPECT_EQ(conv("+5"), 5);
    EXPECT_EQ(conv("-5"), -5);
    EXPECT_EQ(conv("$1F"), 31);
    EXPECT_EQ(conv("x1f"), 31);
    EXPECT_EQ(conv("X10"), 16);
    EXPECT_EQ(conv("0x10"), 16);
    EXPECT_EQ(conv("0X10"), 16);
    EXPECT_EQ(conv("-$10"), -16);
    EXPECT_EQ(conv("007"), 7);
    EXPECT_EQ(conv("2147483647"), 2147483647);
    EXPECT_EQ(conv("-2147483648"), INT32_MIN);
    EXPECT_EQ(conv("$7FFFFFFF"), 2147483647);
}

TEST(TextToInt, GivesZeroForAnythingMalformedOrOutOfRange) {
    for (const char* bad : {"", " ", "+", "-", "$", "0x", "12a", "1 ", "1.5", "1e3", "--1", "$G", "2147483648",
                            "-2147483649", "$80000000", "99999999999999999999999", "٣"}) {
        EXPECT_EQ(conv(bad), 0) << bad;
    }
}

TEST(TextToUInt32, CoversTheWholeMineralsRange) {
    EXPECT_EQ(convU("4294967295"), 4294967295u);
    EXPECT_EQ(convU("2147483648"), 2147483648u);
    EXPECT_EQ(convU("$FFFFFFFF"), 4294967295u);
    EXPECT_EQ(convU("-1"), 4294967295u);
    EXPECT_EQ(convU("50"), 50u);
    EXPECT_EQ(convU("4294967296"), 0u);
    EXPECT_EQ(convU("$100000000"), 0u);
    EXPECT_EQ(convU("-2147483649"), 0u);
    EXPECT_EQ(convU("5x"), 0u);
}

}  // namespace
}  // namespace pellax
