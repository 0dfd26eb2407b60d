#include "app/openplan.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(OpenPlan, KindByExtensionInAnyCaseAndOneFileOfEachKind) {
    const std::vector<OpenStep> steps =
        planOpening({"/m/template.lst", "/m/A.GOT", "/m/x.got.bak", "/m/.got", "/m/list.Lst", "/m/lst", "/m/b.got",
                     "/m/Melee.TRG", "/m/Greed2500.trg"});
    ASSERT_EQ(steps.size(), 9u);
    const OpenTarget expected[] = {OpenTarget::TemplateList, OpenTarget::Editor,  OpenTarget::Refused,
                                   OpenTarget::Refused,      OpenTarget::Refused, OpenTarget::Refused,
                                   OpenTarget::Refused,      OpenTarget::Triggers, OpenTarget::Refused};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].target, expected[i]) << steps[i].path.toStdString();
        EXPECT_EQ(steps[i].refusal.isEmpty(), expected[i] != OpenTarget::Refused);
        EXPECT_EQ(steps[i].refusal.startsWith(QStringLiteral("Cannot open \"") + steps[i].path + QLatin1Char('"')),
                  expected[i] == OpenTarget::Refused);
    }
    EXPECT_TRUE(steps[3].refusal.contains(QStringLiteral("\"/m/A.GOT\" was given first")));
    EXPECT_TRUE(steps[4].refusal.contains(QStringLiteral("\"/m/template.lst\" was given first")));
    EXPECT_TRUE(steps[5].refusal.contains(
        QStringLiteral("only game-type files (.got), template lists (.lst), trigger files (.trg) and MPQ archives (.mpq)")));
    EXPECT_TRUE(steps[8].refusal.contains(QStringLiteral("\"/m/Melee.TRG\" was given first")));
}

}  // namespace
}  // namespace pellax
