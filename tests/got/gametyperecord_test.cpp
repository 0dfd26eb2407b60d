#include "got/gametyperecord.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

QByteArray bytesOf(const GameTypeRecord& r, std::size_t from, std::size_t count) {
    return QByteArray(reinterpret_cast<const char*>(r.bytes.data() + from), static_cast<qsizetype>(count));
}

GameTypeRecord filled(std::uint8_t value) {
    GameTypeRecord r;
    r.bytes.fill(value);
    return r;
}

TEST(NewDefaults, SetEveryKnownByteAndKeepTheGaps) {
    GameTypeRecord r = filled(0xEE);
    applyNewDefaults(r);
    // Unit stats map default, fog of war on, starting units map default, random start positions.
    const QByteArray expected = QByteArray(1, 3) + QByteArray(64, 0) + QByteArray("\x00\x01\x01\x00\x00\x00\x00\x00\x00\x01\x00\x02\x00\x00\x00\x01\x00", 17);
    EXPECT_EQ(bytesOf(r, 0, 0x52), expected);
    EXPECT_EQ(bytesOf(r, 0x52, 2), QByteArray("\xEE\xEE"));
    EXPECT_EQ(bytesOf(r, 0x54, 4), QByteArray("\x01\x00\x00\x00", 4));
    EXPECT_EQ(r.minerals(), 50u);
    EXPECT_EQ(r.at(0x5C), 0);
    EXPECT_EQ(bytesOf(r, 0x5D, 3), QByteArray("\xEE\xEE\xEE"));
}

TEST(NameField, RegularColourIsTextAndZeroFill) {
    GameTypeRecord r = filled(0x55);
    encodeName(r, QStringLiteral("Melee"), 0);
    EXPECT_EQ(bytesOf(r, 0x01, 32), QByteArray("Melee") + QByteArray(27, 0));
    EXPECT_EQ(r.at(0x21), 0x55);  // the variation name is a field of its own
    // No selection stores the same as the regular colour.
    GameTypeRecord s = filled(0x55);
    encodeName(s, QStringLiteral("Melee"), -1);
    EXPECT_EQ(s, r);
}

TEST(NameField, LongNamesKeepTheirFirst31Characters) {
    GameTypeRecord r;
    encodeName(r, QString(40, QLatin1Char('n')), 0);
    EXPECT_EQ(bytesOf(r, 0x01, 32), QByteArray(31, 'n') + QByteArray(1, 0));
    EXPECT_EQ(decodeName(r), QString(31, QLatin1Char('n')));
}

TEST(NameField, ColouredNameOf31CharactersFillsTheField) {
    GameTypeRecord r;
    encodeName(r, QString(31, QLatin1Char('c')), 3);
    EXPECT_EQ(bytesOf(r, 0x01, 32), QByteArray(1, 3) + QByteArray(31, 'c'));
    EXPECT_EQ(decodeColorSelection(r), 3);
    EXPECT_EQ(decodeName(r), QString(31, QLatin1Char('c')));
}

TEST(NameField, DisplaySkipsBytesUpToTenWhereverTheyStand) {
    GameTypeRecord r;
    r.set(0x01, 9);
    r.set(0x02, 'A');
    r.set(0x03, 'B');
    r.set(0x04, 0);
    r.set(0x05, 'C');
    r.set(0x06, 10);
    r.set(0x20, 'Z');
    EXPECT_EQ(decodeColorSelection(r), 0);  // 9 and 10 are not colour codes
    EXPECT_EQ(decodeName(r), QStringLiteral("ABCZ"));
    r.set(0x01, 11);
    EXPECT_EQ(decodeColorSelection(r), 0);
    EXPECT_EQ(decodeName(r), QString(QChar(11)) + QStringLiteral("ABCZ"));
    r.set(0x01, 8);
    EXPECT_EQ(decodeColorSelection(r), 8);
}

TEST(VariationName, StoresUpTo31CharactersAndKeepsLowBytesOnDisplay) {
    GameTypeRecord r = filled(0x77);
    encodeVariationName(r, QString(35, QLatin1Char('v')));
    EXPECT_EQ(bytesOf(r, 0x21, 32), QByteArray(31, 'v') + QByteArray(1, 0));
    EXPECT_EQ(r.at(0x41), 0x77);  // the game type ID after it is a field of its own
    r.set(0x23, 7);
    r.set(0x24, 0);
    EXPECT_EQ(decodeVariationName(r), QStringLiteral("vv") + QChar(7) + QString(27, QLatin1Char('v')));
}

TEST(TextFields, StoreEightBitCharacters) {
    GameTypeRecord r;
    encodeName(r, QString::fromUtf8("Café €"), 0);
    EXPECT_EQ(bytesOf(r, 0x01, 6), QByteArray("Caf\xE9 \x80"));
    EXPECT_EQ(decodeName(r), QString::fromUtf8("Caf\xC3\xA9") + QStringLiteral(" ") + QChar(0x20AC));
}

TEST(Numbers, AreLittleEndianAtTheirWidth) {
    GameTypeRecord r = filled(0x99);
    r.setValue(gameField(GameFieldId::ResourceValue), 0x01020304u);
    EXPECT_EQ(bytesOf(r, 0x58, 4), QByteArray("\x04\x03\x02\x01"));
    EXPECT_EQ(r.minerals(), 0x01020304u);
    r.setValue(gameField(GameFieldId::VariationId), 0x12345);  // two bytes keep the low two
    EXPECT_EQ(bytesOf(r, 0x43, 3), QByteArray("\x45\x23\x99"));
    EXPECT_EQ(r.value(gameField(GameFieldId::VariationId)), 0x2345u);
}

}  // namespace
}  // namespace pellax
