#include "trigger/triggernames.h"

#include "trigger/unitnames.h"

#include <QStringList>

#include <array>
#include <span>

namespace pellax {

namespace {

struct Named {
    std::uint32_t value;
    const char* name;
};

// The tables in the order and wording of the game's facts; the first name of a
// value is the one the text form writes, the others are spellings it reads.
constexpr Named kPlayers[] = {
    {0, "Player 1"},   {1, "Player 2"},   {2, "Player 3"},     {3, "Player 4"},          {4, "Player 5"},
    {5, "Player 6"},   {6, "Player 7"},   {7, "Player 8"},     {8, "Player 9"},          {9, "Player 10"},
    {10, "Player 11"}, {11, "Player 12"}, {12, "None"},        {13, "Current Player"},   {14, "Foes"},
    {15, "Allies"},    {16, "Neutral Players"}, {17, "All Players"}, {18, "Force 1"},    {19, "Force 2"},
    {20, "Force 3"},   {21, "Force 4"},   {22, "Unused 1"},    {23, "Unused 2"},         {24, "Unused 3"},
    {25, "Unused 4"},  {26, "Non Allied Victory Players"},
    {0, "P1"},         {1, "P2"},         {2, "P3"},           {3, "P4"},                {4, "P5"},
    {5, "P6"},         {6, "P7"},         {7, "P8"},           {8, "P9"},                {9, "P10"},
    {10, "P11"},       {11, "P12"},
};
constexpr Named kComparisons[] = {{0, "At least"}, {1, "At most"}, {10, "Exactly"}, {0, ">="}, {1, "<="}, {10, "=="}};
constexpr Named kSwitchStates[] = {{2, "set"}, {3, "not set"}, {3, "cleared"}};
constexpr Named kResources[] = {{0, "ore"}, {1, "gas"}, {2, "ore and gas"}, {0, "minerals"}, {2, "both"}};
constexpr Named kScores[] = {{0, "Total"}, {1, "Units"},  {2, "Buildings"},         {3, "Units and buildings"},
                             {4, "Kills"}, {5, "Razings"}, {6, "Kills and razings"}, {7, "Custom"}};
constexpr Named kModifiers[] = {{7, "Set To"}, {8, "Add"}, {9, "Subtract"}, {9, "sub"}};
constexpr Named kSwitchActions[] = {{4, "set"}, {5, "clear"}, {6, "toggle"}, {11, "randomize"}, {5, "cleared"},
                                    {11, "randomise"}};
constexpr Named kStates[] = {{4, "enable"}, {5, "disable"}, {6, "toggle"}, {4, "enabled"}, {5, "disabled"}};
constexpr Named kOrders[] = {{0, "move"}, {1, "patrol"}, {2, "attack"}};
constexpr Named kAlliances[] = {{0, "Enemy"}, {1, "Ally"}, {2, "Allied Victory"}};
constexpr Named kCounts[] = {{0, "All"}};
constexpr Named kDisplays[] = {{1, "Always Display"}, {0, "Don't Always Display"}};

std::span<const Named> tableOf(ArgKind kind) {
    switch (kind) {
    case ArgKind::Player: return kPlayers;
    case ArgKind::Comparison: return kComparisons;
    case ArgKind::SwitchState: return kSwitchStates;
    case ArgKind::Resource: return kResources;
    case ArgKind::Score: return kScores;
    case ArgKind::Modifier: return kModifiers;
    case ArgKind::SwitchAction: return kSwitchActions;
    case ArgKind::State: return kStates;
    case ArgKind::Order: return kOrders;
    case ArgKind::Alliance: return kAlliances;
    case ArgKind::Count: return kCounts;
    case ArgKind::Display: return kDisplays;
    default: return {};
    }
}

constexpr std::size_t kKinds = static_cast<std::size_t>(ArgKind::Script) + 1;

// Key to value, per kind, built once.
const NameTable<std::uint32_t>& lookup(ArgKind kind) {
    static const std::array<NameTable<std::uint32_t>, kKinds> tables = [] {
        std::array<NameTable<std::uint32_t>, kKinds> built;
        for (std::size_t k = 0; k < kKinds; ++k) {
            for (const Named& named : tableOf(static_cast<ArgKind>(k)))
                built[k].insert(QLatin1StringView(named.name), named.value);
        }
        auto& units = built[static_cast<std::size_t>(ArgKind::Unit)];
        for (std::size_t n = 0; n < kUnitTypeCount; ++n) {
            units.insert(QLatin1StringView(unitNames()[n].alternative), static_cast<std::uint32_t>(n));
            units.insert(QLatin1StringView(unitNames()[n].name), static_cast<std::uint32_t>(n));
        }
        return built;
    }();
    return tables[static_cast<std::size_t>(kind)];
}

// ASCII, which names are, is lowered here; other letters by Unicode's rules.
char16_t lowered(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0x80)
        return c.toLower().unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + (u'a' - u'A')) : u;
}

bool isBlank(char16_t u) { return u == u' ' || u == u'\t'; }

}  // namespace

QString nameKey(QStringView name) {
    const NameKey key(name);
    if (key.valid())
        return QString::fromUtf16(key.view().data(), static_cast<qsizetype>(key.view().size()));
    QString long_;
    for (const QChar c : name) {
        if (!isBlank(c.unicode()))
            long_.append(QChar(lowered(c)));
    }
    return long_;
}

template <class Chars>
void NameKey::fill(const Chars& name) {
    for (const auto c : name) {
        const QChar q(c);
        if (isBlank(q.unicode()))
            continue;
        if (size_ == Capacity) {
            size_ = Capacity + 1;
            return;
        }
        buffer_[size_++] = lowered(q);
    }
}

NameKey::NameKey(QStringView name) { fill(name); }
NameKey::NameKey(QLatin1StringView name) { fill(name); }

QLatin1StringView valueName(ArgKind kind, std::uint32_t value) {
    if (kind == ArgKind::Unit)
        return value < kUnitTypeCount ? QLatin1StringView(unitNames()[value].name) : QLatin1StringView();
    // The first name of a value is the one written.
    for (const Named& named : tableOf(kind)) {
        if (named.value == value)
            return QLatin1StringView(named.name);
    }
    return QLatin1StringView();
}

std::optional<std::uint32_t> namedValue(ArgKind kind, QStringView name) {
    const std::uint32_t* value = lookup(kind).find(name);
    return value ? std::optional<std::uint32_t>(*value) : std::nullopt;
}

QString kindDescription(ArgKind kind) {
    // Every name the kind has, where they are few.
    const auto listed = [kind](const char* what) {
        QStringList names;
        for (const Named& named : tableOf(kind)) {
            if (valueName(kind, named.value) == QLatin1StringView(named.name))
                names.append(QLatin1StringView(named.name));
        }
        return QStringLiteral("%1 (%2)").arg(QLatin1StringView(what), names.join(QStringLiteral(", ")));
    };
    switch (kind) {
    case ArgKind::Player: return QStringLiteral("a player or group (\"Player 1\" to \"Player 12\", \"Current Player\", \"Foes\", \"All Players\", \"Force 1\"...)");
    case ArgKind::Unit: return QStringLiteral("a unit type (\"Terran Marine\", \"Any unit\", \"Buildings\"...)");
    case ArgKind::Location: return QStringLiteral("a location (\"Location 3\", \"Anywhere\", \"None\")");
    case ArgKind::Comparison: return listed("a comparison");
    case ArgKind::SwitchState: return listed("a switch state");
    case ArgKind::Number: return QStringLiteral("a number");
    case ArgKind::Resource: return listed("a resource type");
    case ArgKind::Score: return listed("a score type");
    case ArgKind::Switch: return QStringLiteral("a switch (\"Switch 1\" to \"Switch 256\")");
    case ArgKind::Modifier: return listed("a modifier");
    case ArgKind::SwitchAction: return listed("a switch action");
    case ArgKind::State: return listed("a state");
    case ArgKind::Order: return listed("an order");
    case ArgKind::Alliance: return listed("an alliance status");
    case ArgKind::Count: return QStringLiteral("a unit count (a number, or All)");
    case ArgKind::Display: return QStringLiteral("Always Display or Don't Always Display");
    case ArgKind::String: return QStringLiteral("a string number (\"String 5\"; a trigger file has no string table)");
    case ArgKind::Script: return QStringLiteral("a script's four-letter code (\"TMCu\") or its number");
    }
    return QString();
}

}  // namespace pellax
