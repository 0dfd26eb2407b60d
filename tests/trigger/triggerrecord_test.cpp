// Trigger files as bytes: the layout, the round trip, and the files refused.
#include "framework/files/exception.h"
#include "support/qtprinters.h"
#include "trigger/triggerrecord.h"
#include "triggertestsupport.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

QString problemOf(const QByteArray& file) {
    try {
        triggersFromFile(file);
    } catch (const Exception& e) {
        EXPECT_EQ(triggerFileProblem(file), e.message());
        return e.message();
    }
    EXPECT_EQ(triggerFileProblem(file), QString());
    return QString();
}

TEST(TriggerRecord, EveryFileOfWholeTriggersComesBackByteForByte) {
    for (const int count : {0, 1, 2, 7}) {
        const QByteArray file = test::triggerHeader() + test::noiseBytes(count * 2400, static_cast<std::uint32_t>(count));
        const TriggerList triggers = triggersFromFile(file);
        EXPECT_EQ(triggers.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(triggerFileBytes(triggers), file);
        EXPECT_EQ(triggersFromRecords(QByteArrayView(file).sliced(8)), triggers);
    }
}

TEST(TriggerRecord, FieldsLieWhereTheGameReadsThem) {
    QByteArray record(2400, 0);
    record[15] = 22;                               // condition 1: Always
    record[16 * 20 - 5] = 23;                      // condition 16: Never
    record[320 + 4] = 7;                           // action 1: text, string 7
    record[320 + 26] = 9;                          // action 1: Display Text Message
    record[320 + 63 * 32 + 26] = 1;                // action 64: Victory
    record[2368] = 0x04;                           // preserved
    record[2371] = char(0x80);
    record[2372] = 1;                              // runs for Player 1
    record[2372 + 26] = 1;                         // and Non Allied Victory Players
    record[2399] = 3;                              // the current action
    const Trigger trigger = triggersFromRecords(record).at(0);
    EXPECT_EQ(trigger.conditions[0].type(), 22);
    EXPECT_EQ(trigger.conditions[15].type(), 23);
    EXPECT_EQ(trigger.actions[0].value(af::Text), 7u);
    EXPECT_EQ(trigger.actions[0].type(), 9);
    EXPECT_EQ(trigger.actions[63].type(), 1);
    EXPECT_EQ(trigger.flags, 0x80000004u);
    EXPECT_EQ(trigger.owners[0], 1);
    EXPECT_EQ(trigger.owners[26], 1);
    EXPECT_EQ(trigger.currentAction, 3);
    EXPECT_EQ(trigger.usedConditions(), 16u);
    EXPECT_EQ(trigger.usedActions(), 64u);
}

TEST(TriggerRecord, AnyOtherFileGetsOneMessageThatSaysWhatIsWrong) {
    const QByteArray header = test::triggerHeader();
    const QString noHeader = QStringLiteral("The file does not begin with the trigger header");
    EXPECT_EQ(problemOf(QByteArray()), noHeader);
    EXPECT_EQ(problemOf(header.left(7)), noHeader);
    EXPECT_EQ(problemOf(QByteArray(2408, 0)), noHeader);
    EXPECT_EQ(problemOf(header + QByteArray(2399, 0)),
              QStringLiteral("2399 bytes after the header are not a whole number of triggers (2400 bytes each)"));
    EXPECT_EQ(problemOf(header + QByteArray(4801, 0)),
              QStringLiteral("4801 bytes after the header are not a whole number of triggers (2400 bytes each)"));
    EXPECT_EQ(problemOf(header + QByteArray(4800, 0)), QString());
}

}  // namespace
}  // namespace pellax
