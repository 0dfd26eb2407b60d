#pragma once

// What the text form's writer and reader share: its fixed words and the names
// of the fields that extras give.

#include "trigger/triggerrecord.h"

#include <QLatin1StringView>
#include <QString>

#include <span>

namespace pellax::textform {

inline constexpr QLatin1StringView TriggerWord("Trigger");
inline constexpr QLatin1StringView Conditions("Conditions");
inline constexpr QLatin1StringView Actions("Actions");
inline constexpr QLatin1StringView Flags("Flags");
inline constexpr QLatin1StringView CurrentAction("Current Action");
inline constexpr QLatin1StringView Custom("Custom");
inline constexpr QLatin1StringView Separator("//-----------------------------------------------------------------//");
inline constexpr QLatin1StringView Anywhere("Anywhere");
inline constexpr QLatin1StringView NoLocation("None");
inline constexpr QLatin1StringView LocationPrefix("Location ");
inline constexpr QLatin1StringView SwitchPrefix("Switch ");
inline constexpr QLatin1StringView StringPrefix("String ");
inline constexpr int FlagBits = 32;
// "Switch 1" is the switch stored as 0, as map editors name them.
inline constexpr std::uint32_t SwitchCount = 256;

// The name an extra gives a field: its JSON name with a capital ("Location").
inline QString extraName(const SlotField& field) {
    QString name = QLatin1StringView(field.name);
    name[0] = name[0].toUpper();
    return name;
}

// The fields of a condition or an action, in the order of their bytes.
template <class Slot>
std::span<const SlotField> fieldsOf();
template <>
inline std::span<const SlotField> fieldsOf<TriggerCondition>() { return cf::All; }
template <>
inline std::span<const SlotField> fieldsOf<TriggerAction>() { return af::All; }

}  // namespace pellax::textform
