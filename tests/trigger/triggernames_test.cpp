// The game's names for trigger values, a few against the facts, and the
// tables read back as they are written.
#include "support/qtprinters.h"
#include "trigger/triggertypes.h"
#include "trigger/unitnames.h"

#include <gtest/gtest.h>

namespace pellax {
namespace {

TEST(TriggerNames, SpotValuesAgreeWithTheGamesFacts) {
    EXPECT_EQ(valueName(ArgKind::Unit, 0), QLatin1StringView("Terran Marine"));
    EXPECT_EQ(valueName(ArgKind::Unit, 5), QLatin1StringView("Terran Siege Tank (Tank Mode)"));
    EXPECT_EQ(valueName(ArgKind::Unit, 138), QLatin1StringView("Zerg Queen's Nest"));
    EXPECT_EQ(valueName(ArgKind::Unit, 227), QLatin1StringView("Vespene Tank (Terran Type 2)"));
    EXPECT_EQ(valueName(ArgKind::Unit, 228), QLatin1StringView("None"));
    EXPECT_EQ(valueName(ArgKind::Unit, 232), QLatin1StringView("Factories"));
    EXPECT_EQ(valueName(ArgKind::Unit, 233), QLatin1StringView());
    EXPECT_EQ(namedValue(ArgKind::Unit, u"Hero Infested Duran"), 104u);
    EXPECT_EQ(namedValue(ArgKind::Unit, u"Special Independant Starport"), 184u);

    EXPECT_EQ(valueName(ArgKind::Player, 11), QLatin1StringView("Player 12"));
    EXPECT_EQ(valueName(ArgKind::Player, 12), QLatin1StringView("None"));
    EXPECT_EQ(valueName(ArgKind::Player, 16), QLatin1StringView("Neutral Players"));
    EXPECT_EQ(valueName(ArgKind::Player, 21), QLatin1StringView("Force 4"));
    EXPECT_EQ(valueName(ArgKind::Player, 26), QLatin1StringView("Non Allied Victory Players"));
    EXPECT_EQ(valueName(ArgKind::Player, 27), QLatin1StringView());

    EXPECT_EQ(valueName(ArgKind::Comparison, 10), QLatin1StringView("Exactly"));
    EXPECT_EQ(valueName(ArgKind::SwitchState, 3), QLatin1StringView("not set"));
    EXPECT_EQ(valueName(ArgKind::Modifier, 9), QLatin1StringView("Subtract"));
    EXPECT_EQ(valueName(ArgKind::SwitchAction, 11), QLatin1StringView("randomize"));
    EXPECT_EQ(valueName(ArgKind::Score, 7), QLatin1StringView("Custom"));
    EXPECT_EQ(valueName(ArgKind::Resource, 2), QLatin1StringView("ore and gas"));
    EXPECT_EQ(valueName(ArgKind::Order, 2), QLatin1StringView("attack"));
    EXPECT_EQ(valueName(ArgKind::Alliance, 2), QLatin1StringView("Allied Victory"));
    EXPECT_EQ(valueName(ArgKind::State, 6), QLatin1StringView("toggle"));

    EXPECT_EQ(QLatin1StringView(conditionType(1)->name), QLatin1StringView("Countdown Timer"));
    EXPECT_EQ(QLatin1StringView(conditionType(15)->name), QLatin1StringView("Deaths"));
    EXPECT_EQ(conditionType(24), nullptr);
    EXPECT_EQ(conditionType(0), nullptr);
    EXPECT_EQ(QLatin1StringView(actionType(48)->name), QLatin1StringView("Give Units to Player"));
    EXPECT_EQ(QLatin1StringView(actionType(59)->name), QLatin1StringView("Enable Debug Mode"));
    EXPECT_EQ(actionType(60), nullptr);
    // Transmission's duration is the number at 20, its sound at 8, the sound's length at 12.
    const std::span<const TypeArgument> transmission = actionType(7)->arguments();
    ASSERT_EQ(transmission.size(), 8u);
    EXPECT_EQ(transmission[5].field.offset, 20);
    EXPECT_EQ(transmission[6].field.offset, 8);
    EXPECT_EQ(transmission[7].field.offset, 12);
}

TEST(TriggerNames, EveryNameReadsBackAsItsOwnValue) {
    for (std::uint32_t n = 0; n < kUnitTypeCount; ++n) {
        EXPECT_EQ(namedValue(ArgKind::Unit, QString::fromLatin1(unitNames()[n].name)), n) << n;
        EXPECT_EQ(namedValue(ArgKind::Unit, QString::fromLatin1(unitNames()[n].alternative)), n) << n;
    }
    for (const ArgKind kind : {ArgKind::Player, ArgKind::Comparison, ArgKind::SwitchState, ArgKind::Resource, ArgKind::Score,
                               ArgKind::Modifier, ArgKind::SwitchAction, ArgKind::State, ArgKind::Order, ArgKind::Alliance}) {
        for (std::uint32_t value = 0; value < 32; ++value) {
            const QLatin1StringView name = valueName(kind, value);
            if (!name.isEmpty()) {
                EXPECT_EQ(namedValue(kind, QString(name)), value) << name.data();
            }
        }
    }
    for (const SlotType& type : conditionTypes())
        EXPECT_EQ(findConditionType(QString::fromLatin1(type.name)), &type) << type.name;
    for (const SlotType& type : actionTypes())
        EXPECT_EQ(findActionType(QString::fromLatin1(type.name)), &type) << type.name;
}

}  // namespace
}  // namespace pellax
