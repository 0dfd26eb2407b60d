// Random trigger files for round trips: every field random, as a file may hold
// it, mixed with slots as a map editor writes them, empty slots between used
// ones, flags and owner bytes of every value.
#pragma once

#include "trigger/triggerrecord.h"
#include "trigger/triggertypes.h"

#include <random>

namespace pellax::test {

class RandomTriggers {
public:
    explicit RandomTriggers(std::uint32_t seed) : random_(seed) {}

    std::uint32_t below(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }
    bool oneIn(std::uint32_t n) { return below(n) == 0; }

    TriggerList file(std::uint32_t mostTriggers) {
        TriggerList triggers(below(mostTriggers + 1));
        for (Trigger& trigger : triggers)
            trigger = this->trigger();
        return triggers;
    }

    Trigger trigger() {
        Trigger t;
        for (std::uint8_t& owner : t.owners)
            owner = static_cast<std::uint8_t>(oneIn(2) ? 0 : oneIn(4) ? below(256) : 1);
        t.flags = oneIn(2) ? 0 : oneIn(2) ? triggerflag::Preserved : static_cast<std::uint32_t>(random_());
        t.currentAction = static_cast<std::uint8_t>(oneIn(4) ? below(256) : 0);
        const std::uint32_t conditions = below(Trigger::ConditionCount + 1);
        for (std::uint32_t i = 0; i < conditions; ++i)
            fill(t.conditions[i], conditionTypes(), cf::Type, cf::Flags);
        const std::uint32_t actions = oneIn(4) ? below(Trigger::ActionCount + 1) : below(9);
        for (std::uint32_t i = 0; i < actions; ++i)
            fill(t.actions[i], actionTypes(), af::Type, af::Flags);
        return t;
    }

private:
    std::uint32_t value(const SlotField& field) {
        // Small values are mostly the tables' names; the others numbers.
        const std::uint32_t v = oneIn(2) ? below(300) : static_cast<std::uint32_t>(random_());
        return field.size >= 4 ? v : v & field.maximum();
    }

    template <class Slot>
    void fill(Slot& slot, std::span<const SlotType> types, const SlotField& typeField, const SlotField& flagsField) {
        switch (below(8)) {
        case 0:  // every byte random, the type too
            for (std::uint8_t& b : slot.bytes)
                b = static_cast<std::uint8_t>(below(256));
            return;
        case 1:  // an empty slot between used ones, sometimes with bytes left in it
            slot = Slot{};
            if (oneIn(2))
                slot.setValue(flagsField, below(256));
            return;
        default: {  // a known type, as a map editor writes it, sometimes with extras
            const SlotType& type = types[below(static_cast<std::uint32_t>(types.size()))];
            slot = Slot{};
            slot.setValue(typeField, type.number);
            for (const TypeArgument& argument : type.arguments())
                slot.setValue(argument.field, value(argument.field));
            std::uint32_t flags = type.flags | (oneIn(4) ? slotflag::Disabled : 0u) | (oneIn(2) ? slotflag::AlwaysDisplay : 0u);
            if (oneIn(4))
                flags = below(256);
            slot.setValue(flagsField, flags);
            if (oneIn(4)) {
                for (std::uint8_t& b : slot.bytes) {
                    if (oneIn(6))
                        b = static_cast<std::uint8_t>(below(256));
                }
                slot.setValue(typeField, type.number);
            }
        }
        }
    }

    std::mt19937 random_;
};

}  // namespace pellax::test
