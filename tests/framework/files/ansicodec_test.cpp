#include "framework/files/ansicodec.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(AnsiCodec, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = decodeAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(encodeAnsi(text), all);
}

TEST(AnsiCodec, UsesTheWesternCodePage) {
    EXPECT_EQ(ansiToChar(0x80), QChar(0x20AC));  // euro sign
    EXPECT_EQ(ansiToChar(0x9F), QChar(0x0178));
    EXPECT_EQ(ansiToChar(0xE9), QChar(0x00E9));
    // The undefined slots keep their own value.
    for (const std::uint8_t b : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(ansiToChar(b), QChar(static_cast<char16_t>(b)));
    EXPECT_EQ(encodeAnsi(QString::fromUtf8("€ é ÿ")), QByteArray("\x80 \xE9 \xFF"));
}

TEST(AnsiCodec, CharactersWithoutAByteBecomeOneQuestionMarkEach) {
    // A Cyrillic letter, a C1 control that the code page uses for a glyph, and a
    // character outside the basic plane (two UTF-16 units, still one character).
    const QString text = QString::fromUtf8("a\xD0\x96") + QChar(0x0080) + QString::fromUtf8("\xF0\x9F\x98\x80z");
    EXPECT_EQ(encodeAnsi(text), QByteArray("a???z"));
}

}  // namespace
}  // namespace pellax
