#include "templatelist/templatelistfile.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

QStringList parse(const char* bytes, qsizetype size) { return parseTemplateList(QByteArrayView(bytes, size)); }

template <std::size_t N>
QStringList parse(const char (&bytes)[N]) {
    return parse(bytes, N - 1);
}

QStringList list(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* item : items)
        out.append(QString::fromLatin1(item));
    return out;
}

TEST(TemplateListParse, LineEnds) {
    EXPECT_EQ(parse("\"a\"\r\n\"b\"\r\n"), list({"\"a\"", "\"b\""}));
    EXPECT_EQ(parse("a\rb\r"), list({"a", "b"}));
    EXPECT_EQ(parse("a\nb\n"), list({"a", "b"}));
    EXPECT_EQ(parse("a\r\r\nb"), list({"a", "", "b"}));
    // LF CR is two line ends: only an LF right after a CR is swallowed.
    EXPECT_EQ(parse("a\n\rb"), list({"a", "", "b"}));
    EXPECT_EQ(parse("a\r\n\nb"), list({"a", "", "b"}));
    EXPECT_EQ(parse("\r\n\r\n"), list({"", ""}));
    EXPECT_EQ(parse("\n"), list({""}));
    EXPECT_EQ(parse("a\r"), list({"a"}));
}

TEST(TemplateListParse, LastLineWithoutLineEndIsRead) {
    EXPECT_EQ(parse("a\r\nb"), list({"a", "b"}));
    EXPECT_EQ(parse("only"), list({"only"}));
}

TEST(TemplateListParse, EmptyTextHasNoEntries) {
    EXPECT_TRUE(parse("").isEmpty());
    EXPECT_TRUE(parseTemplateList(QByteArrayView()).isEmpty());
}

TEST(TemplateListParse, ByteTwentySixEndsTheText) {
    EXPECT_EQ(parse("a\r\n\x1A" "b\r\nc\r\n"), list({"a"}));
    EXPECT_EQ(parse("ab\x1A" "cd\r\nef"), list({"ab"}));
    EXPECT_TRUE(parse("\x1A" "a\r\n").isEmpty());
    EXPECT_EQ(parse("a\r\x1A\n"), list({"a"}));
}

TEST(TemplateListParse, NulAndHighBytesAreText) {
    const QStringList entries = parse("a\0b\r\n\x80\xE4\xFF", 8);
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b"));
    // 8-bit text in the program's code page, not Latin-1.
    EXPECT_EQ(entries[1], QString::fromUtf8("\u20AC\u00E4\u00FF"));
}

TEST(TemplateListParse, LinesAreNotLimitedInLength) {
    const QByteArray longLine(3'000'000, 'x');
    const QStringList entries = parseTemplateList(longLine + "\r\nend");
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].size(), longLine.size());
    EXPECT_EQ(entries[1], QStringLiteral("end"));
}

TEST(TemplateListSerialise, EveryEntryEndsWithCrLf) {
    EXPECT_EQ(serialiseTemplateList({}), QByteArray());
    EXPECT_EQ(serialiseTemplateList(list({""})), QByteArray("\r\n"));
    EXPECT_EQ(serialiseTemplateList(list({"\"a\"", "", "b"})), QByteArray("\"a\"\r\n\r\nb\r\n"));
    EXPECT_EQ(serialiseTemplateList({QString::fromUtf8("\u20AC\u00E4")}), QByteArray("\x80\xE4\r\n"));
}

// Characters the code page lacks become '?', one per character; the entries around them are unharmed.
TEST(TemplateListSerialise, CharactersOutsideTheCodePage) {
    const QStringList entries{QString::fromUtf8("a\u20ACb"), QString::fromUtf8("x\u0081"), QString::fromUtf8("\u0080"),
                              QString::fromUtf8("\u65E5\u672C"), QString::fromUtf8("\U0001F600!"),
                              QStringLiteral("plain")};
    EXPECT_EQ(serialiseTemplateList(entries), QByteArray("a\x80" "b\r\nx\x81\r\n?\r\n??\r\n?!\r\nplain\r\n"));
}

// All bytes but the line ends and byte 26, spread over a few lines and back.
TEST(TemplateListRoundTrip, EveryOtherByteValueSurvives) {
    QByteArray text;
    for (int b = 0; b < 256; ++b) {
        if (b == 10 || b == 13 || b == 26)
            continue;
        text.append(static_cast<char>(b));
        if (b % 50 == 49)
            text.append("\r\n");
    }
    text.append("\r\n");
    const QStringList entries = parseTemplateList(text);
    EXPECT_EQ(entries.size(), 6);
    EXPECT_EQ(serialiseTemplateList(entries), text);
}

}  // namespace
}  // namespace pellax
