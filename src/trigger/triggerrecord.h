#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace pellax {

// A field of a condition or an action: where its little-endian bytes lie, and
// its name in the JSON form and in the text form's named extras ("location",
// "Location=5").
struct SlotField {
    const char* name;
    std::uint8_t offset;
    std::uint8_t size;

    std::uint32_t maximum() const { return size >= 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1; }
    friend bool operator==(const SlotField& a, const SlotField& b) { return a.offset == b.offset && a.size == b.size; }
};

// The fields of a condition, in the order of its 20 bytes.
namespace cf {
inline constexpr SlotField Location{"location", 0, 4};    // 1-based; 0 none
inline constexpr SlotField Player{"player", 4, 4};        // player or group
inline constexpr SlotField Number{"number", 8, 4};        // quantity, seconds, resources, score
inline constexpr SlotField Unit{"unit", 12, 2};           // unit type
inline constexpr SlotField Comparison{"comparison", 14, 1};
inline constexpr SlotField Type{"type", 15, 1};           // 0: an empty slot
inline constexpr SlotField Resource{"resource", 16, 1};   // resource type, score type or switch number
inline constexpr SlotField Flags{"flags", 17, 1};
inline constexpr SlotField Unused{"unused", 18, 2};
inline constexpr std::array<SlotField, 9> All = {Location, Player, Number, Unit, Comparison, Type, Resource, Flags, Unused};
}  // namespace cf

// The fields of an action, in the order of its 32 bytes.
namespace af {
inline constexpr SlotField Location{"location", 0, 4};  // 1-based; 0 none
inline constexpr SlotField Text{"text", 4, 4};          // a string number
inline constexpr SlotField Sound{"sound", 8, 4};        // a string number
inline constexpr SlotField Time{"time", 12, 4};         // milliseconds (seconds for Set Countdown Timer)
inline constexpr SlotField Player{"player", 16, 4};     // player or group
inline constexpr SlotField Number{"number", 20, 4};     // second player, destination, switch, amount...
inline constexpr SlotField Unit{"unit", 24, 2};         // unit, score or resource type, alliance status
inline constexpr SlotField Type{"type", 26, 1};         // 0: an empty slot
inline constexpr SlotField Modifier{"modifier", 27, 1}; // modifier, switch action, state, order or unit count
inline constexpr SlotField Flags{"flags", 28, 1};
inline constexpr SlotField Unused{"unused", 29, 3};
inline constexpr std::array<SlotField, 11> All = {Location, Text, Sound, Time, Player, Number, Unit, Type, Modifier, Flags, Unused};
}  // namespace af

// Flag bits of conditions and actions.
namespace slotflag {
inline constexpr std::uint8_t Disabled = 0x02;
inline constexpr std::uint8_t AlwaysDisplay = 0x04;       // actions only
inline constexpr std::uint8_t UnitPropertiesUsed = 0x08;  // actions only
inline constexpr std::uint8_t UnitTypeUsed = 0x10;
}  // namespace slotflag

// One condition or action slot as the file holds it: every byte kept, read and
// written through its fields.
template <std::size_t N>
struct TriggerSlot {
    static constexpr std::size_t Size = N;
    std::array<std::uint8_t, N> bytes{};

    std::uint32_t value(const SlotField& field) const {
        std::uint32_t v = 0;
        for (std::size_t i = field.size; i-- > 0;)
            v = (v << 8) | bytes[field.offset + i];
        return v;
    }
    // Keeps the value's low bytes, as many as the field has.
    void setValue(const SlotField& field, std::uint32_t v) {
        for (std::size_t i = 0; i < field.size; ++i, v >>= 8)
            bytes[field.offset + i] = static_cast<std::uint8_t>(v & 0xFF);
    }
    bool isZero() const {
        for (const std::uint8_t b : bytes)
            if (b != 0)
                return false;
        return true;
    }
    friend bool operator==(const TriggerSlot&, const TriggerSlot&) = default;
};

struct TriggerCondition : TriggerSlot<20> {
    std::uint8_t type() const { return bytes[cf::Type.offset]; }
    bool disabled() const { return (bytes[cf::Flags.offset] & slotflag::Disabled) != 0; }
};

struct TriggerAction : TriggerSlot<32> {
    std::uint8_t type() const { return bytes[af::Type.offset]; }
    bool disabled() const { return (bytes[af::Flags.offset] & slotflag::Disabled) != 0; }
};

// One trigger of 2400 bytes: 16 condition slots, 64 action slots, the flags, one
// byte per player or group (not 0: the trigger runs for it) and the index of
// the current action.
struct Trigger {
    static constexpr std::size_t Size = 2400;
    static constexpr std::size_t ConditionCount = 16;
    static constexpr std::size_t ActionCount = 64;
    static constexpr std::size_t OwnerCount = 27;

    std::array<TriggerCondition, ConditionCount> conditions{};
    std::array<TriggerAction, ActionCount> actions{};
    std::uint32_t flags = 0;
    std::array<std::uint8_t, OwnerCount> owners{};
    std::uint8_t currentAction = 0;

    // The slots up to the last one that is not all zero: what text and JSON
    // list. Later slots are all zero.
    std::size_t usedConditions() const;
    std::size_t usedActions() const;

    friend bool operator==(const Trigger&, const Trigger&) = default;
};

using TriggerList = std::vector<Trigger>;

// Trigger flag bits that a file holds.
namespace triggerflag {
inline constexpr std::uint32_t IgnoresDefeatAndDraw = 0x02;
inline constexpr std::uint32_t Preserved = 0x04;
inline constexpr std::uint32_t SwitchedOff = 0x08;
}  // namespace triggerflag

// The records of triggers laid end to end, as a file holds them after its
// header and a map's TRIG section holds them: raises Exception, saying what is
// wrong, when the bytes are not a whole number of triggers.
TriggerList triggersFromRecords(QByteArrayView records);
QByteArray triggerRecords(const TriggerList& triggers);

// A whole trigger file: the 8-byte header, then the triggers. Raises Exception
// with "The file does not begin with the trigger header" or "N bytes after the
// header are not a whole number of triggers (2400 bytes each)".
TriggerList triggersFromFile(QByteArrayView file);
QByteArray triggerFileBytes(const TriggerList& triggers);

// What is wrong with a trigger file's bytes, in the words above; empty when
// nothing is.
QString triggerFileProblem(QByteArrayView file);

}  // namespace pellax
