#pragma once

// The schema of a game type: every field of its 96-byte record in one table,
// with what the game calls it and makes of it, how the editor's main window
// and pellax-tool show it, and what New writes. The codec, the windows, the
// tool and the checks all read this table; a new field is one row of it.

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace pellax {

// A value that the game gives a meaning, by the name a modder knows it by.
struct GameValue {
    std::uint32_t value;
    const char* name;
};

// The names of a field's values in order, for a choice list whose item index is the value.
template <std::size_t N>
constexpr std::array<const char*, N> valueNames(const std::array<GameValue, N>& values) {
    std::array<const char*, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = values[i].name;
    return names;
}

namespace gamevalues {
inline constexpr std::array<GameValue, 13> kGameTypeIds = {
    {{2, "Melee"}, {3, "Free For All"}, {4, "One on One"}, {5, "Capture The Flag"}, {6, "Greed"}, {7, "Slaughter"},
     {8, "Sudden Death"}, {9, "Ladder"}, {10, "Use Map Settings"}, {11, "Team Melee"}, {12, "Team Free For All"},
     {13, "Team Capture The Flag"}, {15, "Top vs Bottom"}}};
inline constexpr std::uint32_t kVictoryResources = 3;
inline constexpr std::uint32_t kVictorySlaughter = 6;
inline constexpr std::array<GameValue, 8> kVictoryConditions = {
    {{0, "Map default"}, {1, "Melee"}, {2, "High score"}, {kVictoryResources, "Resources"}, {4, "Capture the flag"},
     {5, "Sudden death"}, {kVictorySlaughter, "Slaughter"}, {7, "One on one"}}};
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

// The items of the main window's combo boxes, as its description has them;
// gametype chooses the starting units by the game's own names.
inline constexpr std::array<const char*, 9> kColorItems = {"Reg color",     "SC 0x01 (?\?\?)", "SC 0x02 (?\?\?)",
                                                          "SC 0x03 (?\?\?)", "SC 0x04 (?\?\?)", "SC 0x05 (?\?\?)",
                                                          "SC 0x06 (?\?\?)", "SC 0x07 (?\?\?)", "SC 0x08 (?\?\?)"};
inline constexpr std::array<const char*, 4> kPlayabilityItems = {
    "0 = Comp can't play, multi only ", "1 = Comp can play, multi only ", "2 = Disabled? ",
    "3 = Comp can play, multi or single"};
inline constexpr auto kStartingUnitItems = valueNames(kStartingUnits);
}  // namespace gamevalues

// How the main window's controls show a field, and how Save writes them back.
enum class Binding : std::uint8_t {
    None,
    Name,           // an edit: every byte above 10; a combo box: the colour code 1..8, else 0 ("Reg color")
    VariationName,  // an edit: every byte but 0
    Number,         // an edit: the value in decimal; saved from the text, keeping its low bytes
    Selection,      // a combo box: the item the value numbers, none beyond its items; none is saved as 255
    Flag,           // a check box: checked when the value is not 0; saved as 1 or 0
    GatedNumber,    // a Number edit saved only while its check box is checked, else as 0; checked when not 0
};

// A control of the editor's main window.
struct Control {
    const char* name = nullptr;   // as the window's description names it; pellax-tool's key for it
    const char* label = nullptr;  // the label beside it, which screen readers name it by
    int tab = -1;                 // its place in the window's tab order, which got show follows too
    std::span<const char* const> items{};  // a combo box's
};

// The controls that show a field: one, or an edit with the combo box or
// check box that goes with it.
struct ShownBy {
    Binding binding = Binding::None;
    Control control{};
    Control partner{};  // the colour of the name, the "enabled" box of the variation number
    std::size_t size = 0;     // the bytes they cover from the field's offset; 0 for all
    bool digitsOnly = false;  // an edit that keeps only digits on every key release
};

namespace shownby {
constexpr ShownBy name(Control edit, Control colour) { return {Binding::Name, edit, colour}; }
constexpr ShownBy text(Control edit) { return {Binding::VariationName, edit}; }
constexpr ShownBy number(Control edit, bool digitsOnly = true) {
    return {.binding = Binding::Number, .control = edit, .digitsOnly = digitsOnly};
}
constexpr ShownBy gatedNumber(Control edit, Control box, std::size_t size) {
    return {Binding::GatedNumber, edit, box, size, true};
}
constexpr ShownBy choice(Control combo) { return {Binding::Selection, combo}; }
constexpr ShownBy flag(Control box) { return {Binding::Flag, box}; }
}  // namespace shownby

enum class GameFieldId : std::uint8_t {
    Lead, Name, VariationName, GameTypeId, EntryKey, VariationId, VariationValue, VictoryConditions, ResourceType,
    UnitStats, FogOfWar, StartingUnits, StartingPositions, PlayerTypes, Alliances, TeamMode, Cheats, TournamentMode,
    VictoryValue, ResourceValue, Unused, Tail,
};

// One field of the record, at its offset in the file.
struct GameField {
    GameFieldId id;
    std::size_t offset;
    std::size_t size;
    // The game's name for it, as the user sees it; none for bytes the program only carries.
    const char* name = nullptr;
    // pellax-tool's key for its value, where no control of the main window shows it exactly.
    const char* key = nullptr;
    ShownBy shownBy{};
    std::span<const GameValue> values{};  // the values the game names
    // What the game makes of the value: only the named ones known, those below
    // a limit known (0: any), and from a limit on the whole file skipped (0: none).
    bool onlyNamed = false;
    std::uint32_t knownBelow = 0;
    std::uint32_t skipsFrom = 0;
    std::optional<std::uint32_t> onNew{};  // what "New GOT File" writes; nothing where it leaves the bytes

    // A number of the game's, as against a text or carried bytes.
    constexpr bool isValue() const noexcept {
        return name && shownBy.binding != Binding::Name && shownBy.binding != Binding::VariationName;
    }
    constexpr std::uint32_t maxValue() const noexcept {
        return size >= 4 ? 0xFFFFFFFFu : (std::uint32_t{1} << (8 * size)) - 1;
    }
    constexpr std::size_t shownSize() const noexcept { return shownBy.size ? shownBy.size : size; }
};

// The game reads a file of exactly this size whose first byte is the lead byte.
inline constexpr std::size_t kGameFileSize = 97;
inline constexpr std::uint8_t kLeadByte = 3;

// The record, in the order of the file.
inline constexpr std::array<GameField, 22> kGameFields = [] {
    using F = GameFieldId;
    using namespace gamevalues;
    using namespace shownby;
    return std::array<GameField, 22>{{
        {.id = F::Lead, .offset = 0x00, .size = 1, .onNew = kLeadByte},
        {.id = F::Name, .offset = 0x01, .size = 32, .name = "Name",
         .shownBy = name({"gametypename", "Name:", 0}, {"colorbox", "Color:", 1, kColorItems}), .onNew = 0},
        {.id = F::VariationName, .offset = 0x21, .size = 32, .name = "Variation name",
         .shownBy = text({"descripname", "Variation name", 2}), .onNew = 0},
        {.id = F::GameTypeId, .offset = 0x41, .size = 1, .name = "Game type ID",
         .shownBy = number({"position", "Position", 5}), .values = kGameTypeIds, .skipsFrom = 129, .onNew = 0},
        {.id = F::EntryKey, .offset = 0x42, .size = 1, .onNew = 1},  // part of the game's key for the entry
        {.id = F::VariationId, .offset = 0x43, .size = 2, .name = "Variation ID",
         .shownBy = gatedNumber({"varnum", "Var number (1)", 4}, {"isenabled", nullptr, 8}, 1), .skipsFrom = 8,
         .onNew = 1},
        {.id = F::VariationValue, .offset = 0x45, .size = 4, .name = "Variation value",
         .shownBy = number({"varsetting", "Var setting", 3}), .onNew = 0},
        {.id = F::VictoryConditions, .offset = 0x49, .size = 1, .name = "Victory conditions",
         .shownBy = number({"Gametypesetting", "Internal game type setting", 13}, false), .values = kVictoryConditions,
         .onlyNamed = true, .onNew = 0},
        {.id = F::ResourceType, .offset = 0x4A, .size = 1, .name = "Resource type", .key = "resources",
         .shownBy = flag({"defaultmin", nullptr, 7}), .values = kResourceTypes, .onlyNamed = true, .onNew = 1},
        {.id = F::UnitStats, .offset = 0x4B, .size = 1, .name = "Unit stats", .key = "unitstats", .values = kUnitStats,
         .onlyNamed = true, .onNew = 0},
        {.id = F::FogOfWar, .offset = 0x4C, .size = 1, .name = "Fog of war", .key = "fog", .values = kFogOfWar,
         .onlyNamed = true, .onNew = 2},  // on, as in the game's own files
        {.id = F::StartingUnits, .offset = 0x4D, .size = 1, .name = "Starting units",
         .shownBy = choice({"Gametype", "gametype", 9, kStartingUnitItems}), .values = kStartingUnits,
         .onlyNamed = true, .onNew = 0},
        {.id = F::StartingPositions, .offset = 0x4E, .size = 1, .name = "Starting positions", .key = "startpositions",
         .values = kStartingPositions, .onlyNamed = true, .onNew = 0},
        {.id = F::PlayerTypes, .offset = 0x4F, .size = 1, .name = "Player types",
         .shownBy = choice({"playability", "Playability", 10, kPlayabilityItems}), .knownBelow = 5, .onNew = 0},
        {.id = F::Alliances, .offset = 0x50, .size = 1, .name = "Alliances", .shownBy = flag({"Canally", nullptr, 6}),
         .values = kAlliances, .onlyNamed = true, .onNew = 1},
        {.id = F::TeamMode, .offset = 0x51, .size = 1, .name = "Team mode",
         .shownBy = number({"numteams", "Max teams:", 11}), .values = kTeamModes, .onlyNamed = true, .onNew = 0},
        {.id = F::Cheats, .offset = 0x52, .size = 1, .name = "Cheats", .key = "cheats", .values = kOffOn,
         .onlyNamed = true},
        {.id = F::TournamentMode, .offset = 0x53, .size = 1, .name = "Tournament mode", .key = "tournament",
         .values = kOffOn, .onlyNamed = true},
        {.id = F::VictoryValue, .offset = 0x54, .size = 4, .name = "Victory condition value", .key = "victoryvalue",
         .onNew = 1},
        {.id = F::ResourceValue, .offset = 0x58, .size = 4, .name = "Resource value",
         .shownBy = number({"minerals", "Minerals", 12}), .onNew = 50},
        {.id = F::Unused, .offset = 0x5C, .size = 1, .onNew = 0},
        {.id = F::Tail, .offset = 0x5D, .size = 3},  // never assigned by the program
    }};
}();

constexpr const GameField& gameField(GameFieldId id) { return kGameFields[static_cast<std::size_t>(id)]; }

// How many controls of the main window show fields.
inline constexpr std::size_t kControlCount = [] {
    std::size_t n = 0;
    for (const GameField& field : kGameFields)
        n += (field.shownBy.control.name ? 1 : 0) + (field.shownBy.partner.name ? 1 : 0);
    return n;
}();

// Byte ranges of the record.
struct ByteRange {
    std::size_t offset;
    std::size_t size;
};
// The bytes that neither a control nor a key of pellax-tool covers: those New
// writes ("carried") and those it leaves as they are ("gaps").
std::span<const ByteRange> carriedBytes();
std::span<const ByteRange> gapBytes();

// The field pellax-tool knows by `key`, compared without regard to case; null when none.
const GameField* findGameFieldByKey(QStringView key);

// The name the game gives `value` of `field`; null when it gives none.
const char* gameValueName(const GameField& field, std::uint32_t value);

// Whether the game knows `value` for `field`: named, or below its known limit.
bool isKnownGameValue(const GameField& field, std::uint32_t value);

// A field's number as typed: decimal digits only, within the field's width.
std::optional<std::uint32_t> parseGameNumber(const GameField& field, QStringView text);

// The value `text` names: its number, or the game's name for it without regard to case.
std::optional<std::uint32_t> parseGameValue(const GameField& field, QStringView text);

}  // namespace pellax
