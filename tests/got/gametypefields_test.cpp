#include "got/gametypefields.h"

#include <gtest/gtest.h>

#include <set>

namespace pellax {
namespace {

// Every byte that a control covers is written on saving, and only those: the
// carried bytes and the gaps are exactly what stays.
TEST(GameTypeFields, SavingWritesEveryByteButTheCarriedOnesAndTheGaps) {
    GameTypeRecord record;
    record.bytes.fill(0xEE);
    const GameTypeRecord before = record;
    fieldsToRecord(GameTypeFields{}, record);
    std::set<std::size_t> untouched;
    const auto keep = [&](const auto& ranges) {
        for (const gto::ByteRange& range : ranges)
            for (std::size_t i = 0; i < range.size; ++i)
                untouched.insert(range.offset + i);
    };
    keep(gto::Carried);
    keep(gto::Gaps);
    for (std::size_t i = 0; i < GameTypeRecord::Size; ++i)
        EXPECT_EQ(record.at(i) == before.at(i), untouched.count(i) == 1) << "offset " << i;
}

TEST(GameTypeFields, TypingFollowsTheDigitFilterAndTheMineralsRule) {
    GameTypeFields fields = fieldsFromRecord([] {
        GameTypeRecord r;
        applyNewDefaults(r);
        return r;
    }());
    ASSERT_TRUE(fields.defaultmin);
    typeIntoField(fields, *findGameTypeField(u"NUMTEAMS"), QStringLiteral("-1a2"));
    EXPECT_EQ(fields.numteams, QStringLiteral("12"));
    typeIntoField(fields, *findGameTypeField(u"minerals"), QStringLiteral("5x0"));
    EXPECT_TRUE(fields.defaultmin);  // the text is still 50
    typeIntoField(fields, *findGameTypeField(u"minerals"), QStringLiteral("51"));
    EXPECT_FALSE(fields.defaultmin);
    typeIntoField(fields, *findGameTypeField(u"Gametypesetting"), QStringLiteral("$1F"));
    EXPECT_EQ(fields.Gametypesetting, QStringLiteral("$1F"));
    EXPECT_EQ(findGameTypeField(u"UpDown1"), nullptr);
}

}  // namespace
}  // namespace pellax
