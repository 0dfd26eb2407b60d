#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pellax {

// A value of a game field that the game gives a meaning, by the name a modder knows it by.
struct GameValue {
    std::uint32_t value;
    const char* name;
};

enum class GameFieldId : std::uint8_t {
    GameTypeId,
    VariationId,
    VariationValue,
    VictoryConditions,
    ResourceType,
    UnitStats,
    FogOfWar,
    StartingUnits,
    StartingPositions,
    PlayerTypes,
    Alliances,
    TeamMode,
    Cheats,
    TournamentMode,
    VictoryValue,
    ResourceValue,
};

// One field of a game-type file as the game's loader reads it: little-endian,
// at its offset in the file.
struct GameField {
    GameFieldId id;
    const char* name;  // the game's name for it, as the user sees it
    // pellax-tool's key where no control of the editor shows the field exactly;
    // null where a control of the editor is the way to it.
    const char* key;
    std::size_t offset;
    std::size_t size;
    std::span<const GameValue> values;  // the values the game names
    bool onlyNamedValues;               // a value outside `values` is not one the game knows
    std::uint32_t knownBelow;           // 0, or: values from here on are not ones the game knows
    std::uint32_t loaderBelow;          // 0, or: from here on the game skips the whole file

    constexpr std::uint32_t maxValue() const noexcept {
        return size >= 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * size)) - 1;
    }
};

namespace gamevalues {
inline constexpr std::array<GameValue, 13> kGameTypeIds = {{{2, "Melee"},
                                                            {3, "Free For All"},
                                                            {4, "One on One"},
                                                            {5, "Capture The Flag"},
                                                            {6, "Greed"},
                                                            {7, "Slaughter"},
                                                            {8, "Sudden Death"},
                                                            {9, "Ladder"},
                                                            {10, "Use Map Settings"},
                                                            {11, "Team Melee"},
                                                            {12, "Team Free For All"},
                                                            {13, "Team Capture The Flag"},
                                                            {15, "Top vs Bottom"}}};
inline constexpr std::uint32_t kVictoryResources = 3;
inline constexpr std::uint32_t kVictorySlaughter = 6;
inline constexpr std::array<GameValue, 8> kVictoryConditions = {{{0, "Map default"},
                                                                 {1, "Melee"},
                                                                 {2, "High score"},
                                                                 {kVictoryResources, "Resources"},
                                                                 {4, "Capture the flag"},
                                                                 {5, "Sudden death"},
                                                                 {kVictorySlaughter, "Slaughter"},
                                                                 {7, "One on one"}}};
inline constexpr std::array<GameValue, 6> kResourceTypes = {
    {{0, "Map default"}, {1, "Fixed value"}, {2, "Low"}, {3, "Medium"}, {4, "High"}, {5, "Income"}}};
inline constexpr std::array<GameValue, 2> kUnitStats = {{{0, "Map default"}, {1, "Standard"}}};
inline constexpr std::array<GameValue, 3> kFogOfWar = {{{0, "Off"}, {1, "Warcraft 1 style"}, {2, "On"}}};
inline constexpr std::array<GameValue, 3> kStartingUnits = {
    {{0, "Map default"}, {1, "Workers only"}, {2, "Workers and town hall"}}};
inline constexpr std::array<GameValue, 2> kStartingPositions = {{{0, "Random"}, {1, "Fixed"}}};
inline constexpr std::array<GameValue, 2> kAlliances = {{{0, "Not allowed"}, {1, "Allowed"}}};
inline constexpr std::array<GameValue, 4> kTeamModes = {{{0, "Off"}, {2, "2 teams"}, {3, "3 teams"}, {4, "4 teams"}}};
inline constexpr std::array<GameValue, 2> kOffOn = {{{0, "Off"}, {1, "On"}}};

// The variation values the game has a trigger for, by victory condition.
inline constexpr std::array<std::uint32_t, 4> kGreedResources = {2500, 5000, 7500, 10000};
inline constexpr std::array<std::uint32_t, 4> kSlaughterMinutes = {15, 30, 45, 60};
}  // namespace gamevalues

// Every field the game reads, in the order of the file.
inline constexpr std::array<GameField, 16> kGameFields = {{
    {GameFieldId::GameTypeId, "Game type ID", nullptr, 0x41, 1, gamevalues::kGameTypeIds, false, 0, 129},
    {GameFieldId::VariationId, "Variation ID", nullptr, 0x43, 2, {}, false, 0, 8},
    {GameFieldId::VariationValue, "Variation value", nullptr, 0x45, 4, {}, false, 0, 0},
    {GameFieldId::VictoryConditions, "Victory conditions", nullptr, 0x49, 1, gamevalues::kVictoryConditions, true, 0, 0},
    {GameFieldId::ResourceType, "Resource type", "resources", 0x4A, 1, gamevalues::kResourceTypes, true, 0, 0},
    {GameFieldId::UnitStats, "Unit stats", "unitstats", 0x4B, 1, gamevalues::kUnitStats, true, 0, 0},
    {GameFieldId::FogOfWar, "Fog of war", "fog", 0x4C, 1, gamevalues::kFogOfWar, true, 0, 0},
    {GameFieldId::StartingUnits, "Starting units", nullptr, 0x4D, 1, gamevalues::kStartingUnits, true, 0, 0},
    {GameFieldId::StartingPositions, "Starting positions", "startpositions", 0x4E, 1, gamevalues::kStartingPositions,
     true, 0, 0},
    {GameFieldId::PlayerTypes, "Player types", nullptr, 0x4F, 1, {}, false, 5, 0},
    {GameFieldId::Alliances, "Alliances", nullptr, 0x50, 1, gamevalues::kAlliances, true, 0, 0},
    {GameFieldId::TeamMode, "Team mode", nullptr, 0x51, 1, gamevalues::kTeamModes, true, 0, 0},
    {GameFieldId::Cheats, "Cheats", "cheats", 0x52, 1, gamevalues::kOffOn, true, 0, 0},
    {GameFieldId::TournamentMode, "Tournament mode", "tournament", 0x53, 1, gamevalues::kOffOn, true, 0, 0},
    {GameFieldId::VictoryValue, "Victory condition value", "victoryvalue", 0x54, 4, {}, false, 0, 0},
    {GameFieldId::ResourceValue, "Resource value", nullptr, 0x58, 4, {}, false, 0, 0},
}};

constexpr const GameField& gameField(GameFieldId id) { return kGameFields[static_cast<std::size_t>(id)]; }

// The game reads a file of exactly this size whose first byte is the lead byte.
inline constexpr std::size_t kGameFileSize = 97;
inline constexpr std::size_t kLeadOffset = 0x00;
inline constexpr std::uint8_t kLeadByte = 3;

// The names of a field's values in order, for a choice list whose item index is the value.
template <std::size_t N>
constexpr std::array<const char*, N> valueNames(const GameField& field) {
    std::array<const char*, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = field.values[i].name;
    return names;
}

// The field pellax-tool knows by `key`, compared without regard to case; null when none.
const GameField* findGameFieldByKey(std::string_view key);

// The name the game gives `value` of `field`; null when it gives none.
const char* gameValueName(const GameField& field, std::uint32_t value);

// Whether the game knows `value` for `field`: named, or below its known limit.
bool isKnownGameValue(const GameField& field, std::uint32_t value);

}  // namespace pellax
