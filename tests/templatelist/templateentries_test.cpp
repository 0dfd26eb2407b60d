#include "templatelist/templateentries.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(TemplateEntries, EditsKeepEveryOtherEntryByteForByte) {
    TemplateEntries list = TemplateEntries::parse(QByteArray("\"a.got\"\r\nb\xE9\n\r\nlast"));
    ASSERT_EQ(list.count(), 4);
    list.append(QStringLiteral("\"new.got\""));
    list.replace(0, QStringLiteral("renamed"));
    list.removeAt(2);
    EXPECT_EQ(list.toStringList(), (QStringList{QStringLiteral("renamed"), QString::fromUtf8("b\u00E9"), QStringLiteral("last"),
                                                QStringLiteral("\"new.got\"")}));
    EXPECT_EQ(list.serialise(), QByteArray("renamed\r\nb\xE9\r\nlast\r\n\"new.got\"\r\n"));
}

TEST(TemplateEntries, RoomLeftByEditsIsGivenBack) {
    TemplateEntries list;
    const QString long1(100'000, u'x');
    list.append(QStringLiteral("keep"));
    for (int i = 0; i < 20; ++i)
        list.replace(0, long1 + QString::number(i));
    // Twenty replaced entries of 100 KB each would leave 2 MB behind without compaction.
    EXPECT_LT(list.garbage(), 200'000);
    EXPECT_EQ(list.at(0), long1 + QStringLiteral("19"));
    while (list.count() > 0)
        list.removeAt(0);
    EXPECT_TRUE(list.serialise().isEmpty());
}

}  // namespace
}  // namespace pellax
