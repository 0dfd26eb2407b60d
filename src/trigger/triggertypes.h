#pragma once

#include "trigger/triggernames.h"
#include "trigger/triggerrecord.h"

#include <QStringView>

#include <array>
#include <cstdint>
#include <span>

namespace pellax {

// One argument of a condition or action type, in the text form's order: what
// it is, the field that holds it, and its name in the facts' table.
struct TypeArgument {
    ArgKind kind;
    SlotField field;
    const char* label;
};

// A condition or action type as the text form writes it: its number, its
// name, its arguments in order.
struct SlotType {
    std::uint8_t number = 0;
    const char* name = nullptr;
    std::uint8_t argumentCount = 0;
    std::array<TypeArgument, 8> argumentTable{};
    // Flag bits that belong to the type itself (unit type used, unit
    // properties used), as a map editor sets them.
    std::uint8_t flags = 0;

    std::span<const TypeArgument> arguments() const { return {argumentTable.data(), argumentCount}; }
    // Whether an argument of the type is held in `field`.
    bool uses(const SlotField& field) const;
    // The flag bits the arguments and the disabled mark show: the rest of the
    // flag byte is the type's own or an extra.
    std::uint8_t shownFlags() const;
};

inline constexpr std::uint8_t kLastConditionType = 23;
inline constexpr std::uint8_t kLastActionType = 59;

// The type with that number; nullptr for 0 (an empty slot) and numbers the
// game does not know.
const SlotType* conditionType(std::uint8_t number);
const SlotType* actionType(std::uint8_t number);

// The type with that name or one of its alternative spellings ("Commands the
// Most At", "Leaderboard Greed"), without regard to case and spaces.
const SlotType* findConditionType(QStringView name);
const SlotType* findActionType(QStringView name);

// Every known type of one section, in number order: for messages and tests.
std::span<const SlotType> conditionTypes();
std::span<const SlotType> actionTypes();

}  // namespace pellax
