#include "got/mainformbinding.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace pellax {
namespace {

// Without a display to compare with, every byte a control covers is written
// and only those; the game's fields that no control shows keep their bytes.
TEST(MainformBinding, SavingEverythingWritesTheControlsBytesOnly) {
    GameTypeRecord record;
    record.bytes.fill(0xEE);
    const GameTypeRecord before = record;
    fieldsToRecord(GameTypeFields{}, record);
    // Lead, entry key, variation ID high byte, unit stats, fog of war, start
    // positions, cheats, tournament, victory condition value, the unused tail.
    std::set<std::size_t> untouched{0x00, 0x42, 0x44, 0x4B, 0x4C, 0x4E, 0x52, 0x53, 0x54, 0x55, 0x56, 0x57};
    for (std::size_t i = 0x5C; i < GameTypeRecord::Size; ++i)
        untouched.insert(i);
    for (std::size_t i = 0; i < GameTypeRecord::Size; ++i)
        EXPECT_EQ(record.at(i) == before.at(i), untouched.count(i) == 1) << "offset " << i;
}

// Any record read and taken back unchanged is the same record, and a change
// of one control writes that control's bytes and no other.
TEST(MainformBinding, OnlyWhatChangedIsWritten) {
    std::mt19937 random(22);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int n = 0; n < 3000; ++n) {
        GameTypeRecord record;
        for (auto& b : record.bytes)
            b = static_cast<std::uint8_t>(byte(random));
        const GameTypeFields shown = fieldsFromRecord(record);
        GameTypeRecord saved = record;
        fieldsToRecord(shown, saved, &shown);
        ASSERT_EQ(saved, record) << "record " << n;

        GameTypeFields edited = shown;
        edited[*findBoundControl(u"numteams")].text = QStringLiteral("3");
        saved = record;
        fieldsToRecord(edited, saved, &shown);
        for (std::size_t i = 0; i < GameTypeRecord::Size; ++i)
            ASSERT_EQ(saved.at(i), i == 0x51 ? 3 : record.at(i)) << "record " << n << " offset " << i;
    }
}

TEST(MainformBinding, TypingFollowsTheDigitFilterAndTheMineralsRule) {
    GameTypeFields fields = fieldsFromRecord([] {
        GameTypeRecord r;
        applyNewDefaults(r);
        return r;
    }());
    ASSERT_TRUE(fields[*findBoundControl(u"defaultmin")].checked);
    typeIntoField(fields, *findBoundControl(u"NUMTEAMS"), QStringLiteral("-1a2"));
    EXPECT_EQ(fields[*findBoundControl(u"numteams")].text, QStringLiteral("12"));
    typeIntoField(fields, *findBoundControl(u"minerals"), QStringLiteral("5x0"));
    EXPECT_TRUE(fields[*findBoundControl(u"defaultmin")].checked);  // the text is still 50
    typeIntoField(fields, *findBoundControl(u"minerals"), QStringLiteral("51"));
    EXPECT_FALSE(fields[*findBoundControl(u"defaultmin")].checked);
    typeIntoField(fields, *findBoundControl(u"Gametypesetting"), QStringLiteral("$1F"));
    EXPECT_EQ(fields[*findBoundControl(u"Gametypesetting")].text, QStringLiteral("$1F"));
    EXPECT_EQ(findBoundControl(u"UpDown1"), nullptr);
}

}  // namespace
}  // namespace pellax
