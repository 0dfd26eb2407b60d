#include "trigger/triggertypes.h"

#include <QString>

#include <initializer_list>

namespace pellax {

namespace {

constexpr SlotType type(std::uint8_t number, const char* name, std::initializer_list<TypeArgument> arguments,
                        std::uint8_t ownFlags = 0) {
    SlotType t;
    t.number = number;
    t.name = name;
    for (const TypeArgument& a : arguments) {
        t.argumentTable[t.argumentCount++] = a;
        if (a.kind == ArgKind::Unit)
            t.flags |= slotflag::UnitTypeUsed;
    }
    t.flags |= ownFlags;
    return t;
}

// Condition arguments.
namespace c {
constexpr TypeArgument Player{ArgKind::Player, cf::Player, "Player"};
constexpr TypeArgument Unit{ArgKind::Unit, cf::Unit, "Unit"};
constexpr TypeArgument Location{ArgKind::Location, cf::Location, "Location"};
constexpr TypeArgument Comparison{ArgKind::Comparison, cf::Comparison, "Comparison"};
constexpr TypeArgument Number{ArgKind::Number, cf::Number, "Number"};
constexpr TypeArgument Seconds{ArgKind::Number, cf::Number, "Seconds"};
constexpr TypeArgument Resource{ArgKind::Resource, cf::Resource, "Resource"};
constexpr TypeArgument Score{ArgKind::Score, cf::Resource, "Score"};
constexpr TypeArgument Switch{ArgKind::Switch, cf::Resource, "Switch"};
constexpr TypeArgument State{ArgKind::SwitchState, cf::Comparison, "State"};
}  // namespace c

// In the order and wording of the facts' text table.
constexpr SlotType kConditions[] = {
    type(1, "Countdown Timer", {c::Comparison, c::Seconds}),
    type(2, "Command", {c::Player, c::Unit, c::Comparison, c::Number}),
    type(3, "Bring", {c::Player, c::Unit, c::Location, c::Comparison, c::Number}),
    type(4, "Accumulate", {c::Player, c::Comparison, c::Number, c::Resource}),
    type(5, "Kill", {c::Player, c::Unit, c::Comparison, c::Number}),
    type(6, "Command the Most", {c::Unit}),
    type(7, "Command the Most At", {c::Unit, c::Location}),
    type(8, "Most Kills", {c::Unit}),
    type(9, "Highest Score", {c::Score}),
    type(10, "Most Resources", {c::Resource}),
    type(11, "Switch", {c::Switch, c::State}),
    type(12, "Elapsed Time", {c::Comparison, c::Seconds}),
    type(13, "Mission Briefing", {}),
    type(14, "Opponents", {c::Player, c::Comparison, c::Number}),
    type(15, "Deaths", {c::Player, c::Unit, c::Comparison, c::Number}),
    type(16, "Command the Least", {c::Unit}),
    type(17, "Command the Least At", {c::Unit, c::Location}),
    type(18, "Least Kills", {c::Unit}),
    type(19, "Lowest Score", {c::Score}),
    type(20, "Least Resources", {c::Resource}),
    type(21, "Score", {c::Player, c::Score, c::Comparison, c::Number}),
    type(22, "Always", {}),
    type(23, "Never", {}),
};
static_assert(std::size(kConditions) == kLastConditionType);

// Action arguments; [n] in a comment is the field's offset where it is not the obvious one.
namespace a {
constexpr TypeArgument Player{ArgKind::Player, af::Player, "Player"};
constexpr TypeArgument From{ArgKind::Player, af::Player, "From"};
constexpr TypeArgument ToPlayer{ArgKind::Player, af::Number, "To"};  // [20]
constexpr TypeArgument Unit{ArgKind::Unit, af::Unit, "Unit"};
constexpr TypeArgument Location{ArgKind::Location, af::Location, "Location"};
constexpr TypeArgument UnitAt{ArgKind::Location, af::Location, "Unit at"};
constexpr TypeArgument MoveTo{ArgKind::Location, af::Number, "Location to move"};  // [20]
constexpr TypeArgument FromLocation{ArgKind::Location, af::Location, "From"};
constexpr TypeArgument ToLocation{ArgKind::Location, af::Number, "To"};  // [20]
constexpr TypeArgument Display{ArgKind::Display, af::Flags, "Display"};
constexpr TypeArgument Text{ArgKind::String, af::Text, "Text"};
constexpr TypeArgument Label{ArgKind::String, af::Text, "Label"};
constexpr TypeArgument Wav{ArgKind::String, af::Sound, "WAV"};
constexpr TypeArgument Modifier{ArgKind::Modifier, af::Modifier, "Modifier"};
constexpr TypeArgument Duration{ArgKind::Number, af::Number, "Duration"};  // [20]
constexpr TypeArgument WavDuration{ArgKind::Number, af::Time, "WAV duration"};
constexpr TypeArgument TimeDuration{ArgKind::Number, af::Time, "Duration"};  // [12]
constexpr TypeArgument Milliseconds{ArgKind::Number, af::Time, "Milliseconds"};
constexpr TypeArgument Seconds{ArgKind::Number, af::Time, "Seconds"};
constexpr TypeArgument Count{ArgKind::Count, af::Modifier, "Count"};
constexpr TypeArgument Properties{ArgKind::Number, af::Number, "Properties slot"};
constexpr TypeArgument Switch{ArgKind::Switch, af::Number, "Switch"};
constexpr TypeArgument SwitchAction{ArgKind::SwitchAction, af::Modifier, "Switch action"};
constexpr TypeArgument Script{ArgKind::Script, af::Number, "Script"};
constexpr TypeArgument Resource{ArgKind::Resource, af::Unit, "Resource"};  // [24]
constexpr TypeArgument Score{ArgKind::Score, af::Unit, "Score"};           // [24]
constexpr TypeArgument Number{ArgKind::Number, af::Number, "Number"};
constexpr TypeArgument Goal{ArgKind::Number, af::Number, "Goal"};
constexpr TypeArgument Percent{ArgKind::Number, af::Number, "Percent"};
constexpr TypeArgument State{ArgKind::State, af::Modifier, "State"};
constexpr TypeArgument Order{ArgKind::Order, af::Modifier, "Order"};
constexpr TypeArgument Status{ArgKind::Alliance, af::Unit, "Status"};  // [24]
}  // namespace a

constexpr SlotType kActions[] = {
    type(1, "Victory", {}),
    type(2, "Defeat", {}),
    type(3, "Preserve Trigger", {}),
    type(4, "Wait", {a::Milliseconds}),
    type(5, "Pause Game", {}),
    type(6, "Unpause Game", {}),
    type(7, "Transmission",
         {a::Display, a::Text, a::Unit, a::Location, a::Modifier, a::Duration, a::Wav, a::WavDuration}),
    type(8, "Play WAV", {a::Wav, a::TimeDuration}),
    type(9, "Display Text Message", {a::Display, a::Text}),
    type(10, "Center View", {a::Location}),
    type(11, "Create Unit with Properties", {a::Player, a::Unit, a::Count, a::Location, a::Properties},
         slotflag::UnitPropertiesUsed),
    type(12, "Set Mission Objectives", {a::Text}),
    type(13, "Set Switch", {a::Switch, a::SwitchAction}),
    type(14, "Set Countdown Timer", {a::Modifier, a::Seconds}),
    type(15, "Run AI Script", {a::Script}),
    type(16, "Run AI Script At Location", {a::Script, a::Location}),
    type(17, "Leader Board Control", {a::Label, a::Unit}),
    type(18, "Leader Board Control At Location", {a::Label, a::Unit, a::Location}),
    type(19, "Leader Board Resources", {a::Label, a::Resource}),
    type(20, "Leader Board Kills", {a::Label, a::Unit}),
    type(21, "Leader Board Points", {a::Label, a::Score}),
    type(22, "Kill Unit", {a::Player, a::Unit}),
    type(23, "Kill Unit At Location", {a::Player, a::Unit, a::Count, a::Location}),
    type(24, "Remove Unit", {a::Player, a::Unit}),
    type(25, "Remove Unit At Location", {a::Player, a::Unit, a::Count, a::Location}),
    type(26, "Set Resources", {a::Player, a::Modifier, a::Number, a::Resource}),
    type(27, "Set Score", {a::Player, a::Modifier, a::Number, a::Score}),
    type(28, "Minimap Ping", {a::Location}),
    type(29, "Talking Portrait", {a::Unit, a::TimeDuration}),
    type(30, "Mute Unit Speech", {}),
    type(31, "Unmute Unit Speech", {}),
    type(32, "Leaderboard Computer Players", {a::State}),
    type(33, "Leaderboard Goal Control", {a::Label, a::Unit, a::Goal}),
    type(34, "Leaderboard Goal Control At Location", {a::Label, a::Unit, a::Goal, a::Location}),
    type(35, "Leaderboard Goal Resources", {a::Label, a::Goal, a::Resource}),
    type(36, "Leaderboard Goal Kills", {a::Label, a::Unit, a::Goal}),
    type(37, "Leaderboard Goal Points", {a::Label, a::Score, a::Goal}),
    type(38, "Move Location", {a::Player, a::Unit, a::UnitAt, a::MoveTo}),
    type(39, "Move Unit", {a::Player, a::Unit, a::Count, a::FromLocation, a::ToLocation}),
    type(40, "Leader Board Greed", {a::Goal}),
    type(41, "Set Next Scenario", {a::Text}),
    type(42, "Set Doodad State", {a::Player, a::Unit, a::Location, a::State}),
    type(43, "Set Invincibility", {a::Player, a::Unit, a::Location, a::State}),
    type(44, "Create Unit", {a::Player, a::Unit, a::Count, a::Location}),
    type(45, "Set Deaths", {a::Player, a::Unit, a::Modifier, a::Number}),
    type(46, "Order", {a::Player, a::Unit, a::FromLocation, a::ToLocation, a::Order}),
    type(47, "Comment", {a::Text}),
    type(48, "Give Units to Player", {a::From, a::ToPlayer, a::Unit, a::Count, a::Location}),
    type(49, "Modify Unit Hit Points", {a::Player, a::Unit, a::Percent, a::Count, a::Location}),
    type(50, "Modify Unit Energy", {a::Player, a::Unit, a::Percent, a::Count, a::Location}),
    type(51, "Modify Unit Shield Points", {a::Player, a::Unit, a::Percent, a::Count, a::Location}),
    type(52, "Modify Unit Resource Amount", {a::Player, a::Number, a::Count, a::Location}),
    type(53, "Modify Unit Hanger Count", {a::Player, a::Unit, a::Number, a::Count, a::Location}),
    type(54, "Pause Timer", {}),
    type(55, "Unpause Timer", {}),
    type(56, "Draw", {}),
    type(57, "Set Alliance Status", {a::Player, a::Status}),
    type(58, "Disable Debug Mode", {}),
    type(59, "Enable Debug Mode", {}),
};
static_assert(std::size(kActions) == kLastActionType);

// Spellings seen in other tools that the names' keys do not already cover.
struct Alias {
    const char* name;
    std::uint8_t number;
};
constexpr Alias kConditionAliases[] = {
    {"Commands the Most", 6},
    {"Commands the Most At", 7},
    {"Commands the Least", 16},
    {"Commands the Least At", 17},
};
constexpr Alias kActionAliases[] = {
    {"Modify Unit Hangar Count", 53},
};

template <std::size_t N, std::size_t M>
NameTable<const SlotType*> index(const SlotType (&types)[N], const Alias (&aliases)[M]) {
    NameTable<const SlotType*> byName;
    for (const SlotType& t : types)
        byName.insert(QLatin1StringView(t.name), &t);
    for (const Alias& alias : aliases)
        byName.insert(QLatin1StringView(alias.name), &types[alias.number - 1]);
    return byName;
}

const SlotType* find(const NameTable<const SlotType*>& byName, QStringView name) {
    const SlotType* const* type = byName.find(name);
    return type ? *type : nullptr;
}

}  // namespace

bool SlotType::uses(const SlotField& field) const {
    for (const TypeArgument& argument : arguments()) {
        if (argument.kind != ArgKind::Display && argument.field == field)
            return true;
    }
    return false;
}

std::uint8_t SlotType::shownFlags() const {
    std::uint8_t shown = slotflag::Disabled;
    for (const TypeArgument& argument : arguments()) {
        if (argument.kind == ArgKind::Display)
            shown |= slotflag::AlwaysDisplay;
    }
    return shown;
}

const SlotType* conditionType(std::uint8_t number) {
    return number >= 1 && number <= kLastConditionType ? &kConditions[number - 1] : nullptr;
}

const SlotType* actionType(std::uint8_t number) {
    return number >= 1 && number <= kLastActionType ? &kActions[number - 1] : nullptr;
}

const SlotType* findConditionType(QStringView name) {
    static const NameTable<const SlotType*> byName = index(kConditions, kConditionAliases);
    return find(byName, name);
}

const SlotType* findActionType(QStringView name) {
    static const NameTable<const SlotType*> byName = index(kActions, kActionAliases);
    return find(byName, name);
}

std::span<const SlotType> conditionTypes() { return kConditions; }
std::span<const SlotType> actionTypes() { return kActions; }

}  // namespace pellax
