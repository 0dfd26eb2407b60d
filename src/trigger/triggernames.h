#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pellax {

// What an argument of a condition or action is, which decides how the text
// form writes and reads its value.
enum class ArgKind : std::uint8_t {
    Player,        // "Player 1" ... "Non Allied Victory Players"
    Unit,          // "Terran Marine" ... "Factories"
    Location,      // "Location 3", "Anywhere" (64), "None" (0)
    Comparison,    // At least, At most, Exactly
    SwitchState,   // set, not set
    Number,        // a plain number
    Resource,      // ore, gas, ore and gas
    Score,         // Total ... Custom
    Switch,        // "Switch 1" (stored as 0) ... "Switch 256"
    Modifier,      // Set To, Add, Subtract
    SwitchAction,  // set, clear, toggle, randomize
    State,         // enable, disable, toggle
    Order,         // move, patrol, attack
    Alliance,      // Enemy, Ally, Allied Victory
    Count,         // a number, or All (0)
    Display,       // Always Display, Don't Always Display: a flag bit, not a field
    String,        // "String 5": a string number of the map's string table
    Script,        // a four-letter code, "TMCu"
};

// The name the text form gives a value of a kind that a table names (players,
// units, comparisons, modifiers...); empty when the table has none for it, or
// the kind is not one of those.
QLatin1StringView valueName(ArgKind kind, std::uint32_t value);

// The value a name stands for, by the kind's table, its alternative spellings
// included; the name's case and spaces do not matter ("at most", "AtMost",
// "<="). Nothing when the table has no such name.
std::optional<std::uint32_t> namedValue(ArgKind kind, QStringView name);

// A few of the kind's names, for a message that says what was expected:
// "a comparison (At least, At most, Exactly)".
QString kindDescription(ArgKind kind);

// The key names are matched by: lower case, without spaces or tabs.
QString nameKey(QStringView name);
inline QString nameKey(QLatin1StringView name) { return nameKey(QString(name)); }

// The same key on the stack, for the names of a large text, which are looked
// up by the million. A name too long for it has no key: no table holds one.
class NameKey {
public:
    explicit NameKey(QStringView name);
    explicit NameKey(QLatin1StringView name);
    std::u16string_view view() const { return {buffer_, size_}; }
    bool valid() const { return size_ <= Capacity; }
    bool operator==(const NameKey& other) const { return valid() && view() == other.view(); }

private:
    template <class Chars>
    void fill(const Chars& name);

    static constexpr std::size_t Capacity = 96;
    char16_t buffer_[Capacity];
    std::size_t size_ = 0;
};

// Values by the keys of their names.
template <class Value>
class NameTable {
public:
    void insert(QLatin1StringView name, Value value) {
        const NameKey key(name);
        map_.insert_or_assign(std::u16string(key.view()), value);
    }
    const Value* find(QStringView name) const {
        const NameKey key(name);
        if (!key.valid())
            return nullptr;
        const auto it = map_.find(key.view());
        return it == map_.end() ? nullptr : &it->second;
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view key) const { return std::hash<std::u16string_view>{}(key); }
    };
    std::unordered_map<std::u16string, Value, Hash, std::equal_to<>> map_;
};

// The numbers of the players and groups, and of the unit types, that the
// game knows: values above these are not players or units.
inline constexpr std::uint32_t kLastPlayerOrGroup = 26;
inline constexpr std::uint32_t kLastUnitType = 232;
inline constexpr std::uint32_t kAnywhere = 64;

}  // namespace pellax
