#include "trigger/triggercheck.h"

#include "trigger/triggertypes.h"

namespace pellax {

namespace {

// "trigger 3, condition 2": trigger and slot counted from 1.
QString place(std::size_t trigger, const char* section, std::size_t slot) {
    return QStringLiteral("trigger %1, %2 %3").arg(trigger + 1).arg(QLatin1StringView(section)).arg(slot + 1);
}

template <class Slot>
void judgeSlot(QStringList& findings, std::size_t trigger, std::size_t index, const Slot& slot, const SlotType* type,
               std::uint8_t lastType, const char* section, const char* kind) {
    if (slot.type() == 0)
        return;
    const QString where = place(trigger, section, index);
    if (!type) {
        findings.append(QStringLiteral("%1: type %2 is not %3 the game knows (1 to %4)")
                            .arg(where)
                            .arg(slot.type())
                            .arg(QLatin1StringView(kind))
                            .arg(lastType));
        return;
    }
    for (const TypeArgument& argument : type->arguments()) {
        const std::uint32_t value = slot.value(argument.field);
        const auto tell = [&](const char* what, std::uint32_t last) {
            findings.append(QStringLiteral("%1 (%2), %3: %4 is above %5, the last %6")
                                .arg(where, QLatin1StringView(type->name), QLatin1StringView(argument.label))
                                .arg(value)
                                .arg(last)
                                .arg(QLatin1StringView(what)));
        };
        if (argument.kind == ArgKind::Unit && value > kLastUnitType)
            tell("unit type", kLastUnitType);
        else if (argument.kind == ArgKind::Player && value > kLastPlayerOrGroup)
            tell("player or group", kLastPlayerOrGroup);
    }
}

}  // namespace

QStringList triggerFindings(const TriggerList& triggers) {
    QStringList findings;
    for (std::size_t t = 0; t < triggers.size(); ++t) {
        const Trigger& trigger = triggers[t];
        bool anyOwner = false;
        for (const std::uint8_t owner : trigger.owners)
            anyOwner = anyOwner || owner != 0;
        if (!anyOwner)
            findings.append(QStringLiteral("trigger %1 runs for no player or group").arg(t + 1));
        for (std::size_t i = 0; i < Trigger::ConditionCount; ++i) {
            const TriggerCondition& condition = trigger.conditions[i];
            judgeSlot(findings, t, i, condition, conditionType(condition.type()), kLastConditionType, "condition",
                      "a condition");
        }
        for (std::size_t i = 0; i < Trigger::ActionCount; ++i) {
            const TriggerAction& action = trigger.actions[i];
            judgeSlot(findings, t, i, action, actionType(action.type()), kLastActionType, "action", "an action");
        }
    }
    return findings;
}

QStringList triggerFileFindings(QByteArrayView file) {
    const QString problem = triggerFileProblem(file);
    if (!problem.isEmpty())
        return {problem};
    return triggerFindings(triggersFromFile(file));
}

}  // namespace pellax
