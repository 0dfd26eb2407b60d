#include "trigger/triggerrecord.h"

#include "framework/files/exception.h"
#include "trigger/triggerconvert.h"

#include <cstring>

namespace pellax {

namespace {

constexpr std::size_t kConditionsAt = 0;
constexpr std::size_t kActionsAt = kConditionsAt + Trigger::ConditionCount * TriggerCondition::Size;
constexpr std::size_t kFlagsAt = kActionsAt + Trigger::ActionCount * TriggerAction::Size;
constexpr std::size_t kOwnersAt = kFlagsAt + 4;
constexpr std::size_t kCurrentActionAt = kOwnersAt + Trigger::OwnerCount;
static_assert(kCurrentActionAt + 1 == Trigger::Size);

template <class Slots>
std::size_t usedSlots(const Slots& slots) {
    std::size_t used = slots.size();
    while (used > 0 && slots[used - 1].isZero())
        --used;
    return used;
}

void decode(const std::uint8_t* record, Trigger& trigger) {
    for (std::size_t i = 0; i < Trigger::ConditionCount; ++i)
        std::memcpy(trigger.conditions[i].bytes.data(), record + kConditionsAt + i * TriggerCondition::Size,
                    TriggerCondition::Size);
    for (std::size_t i = 0; i < Trigger::ActionCount; ++i)
        std::memcpy(trigger.actions[i].bytes.data(), record + kActionsAt + i * TriggerAction::Size, TriggerAction::Size);
    trigger.flags = static_cast<std::uint32_t>(record[kFlagsAt]) | static_cast<std::uint32_t>(record[kFlagsAt + 1]) << 8 |
                    static_cast<std::uint32_t>(record[kFlagsAt + 2]) << 16 |
                    static_cast<std::uint32_t>(record[kFlagsAt + 3]) << 24;
    std::memcpy(trigger.owners.data(), record + kOwnersAt, Trigger::OwnerCount);
    trigger.currentAction = record[kCurrentActionAt];
}

void encode(const Trigger& trigger, std::uint8_t* record) {
    for (std::size_t i = 0; i < Trigger::ConditionCount; ++i)
        std::memcpy(record + kConditionsAt + i * TriggerCondition::Size, trigger.conditions[i].bytes.data(),
                    TriggerCondition::Size);
    for (std::size_t i = 0; i < Trigger::ActionCount; ++i)
        std::memcpy(record + kActionsAt + i * TriggerAction::Size, trigger.actions[i].bytes.data(), TriggerAction::Size);
    for (std::size_t i = 0; i < 4; ++i)
        record[kFlagsAt + i] = static_cast<std::uint8_t>(trigger.flags >> (8 * i));
    std::memcpy(record + kOwnersAt, trigger.owners.data(), Trigger::OwnerCount);
    record[kCurrentActionAt] = trigger.currentAction;
}

QString recordsProblem(qsizetype size, bool afterHeader) {
    if (size % static_cast<qsizetype>(Trigger::Size) == 0)
        return QString();
    return QStringLiteral("%1 bytes%2 are not a whole number of triggers (%3 bytes each)")
        .arg(size)
        .arg(afterHeader ? QStringLiteral(" after the header") : QString())
        .arg(Trigger::Size);
}

}  // namespace

std::size_t Trigger::usedConditions() const { return usedSlots(conditions); }
std::size_t Trigger::usedActions() const { return usedSlots(actions); }

TriggerList triggersFromRecords(QByteArrayView records) {
    const QString problem = recordsProblem(records.size(), false);
    if (!problem.isEmpty())
        throw Exception(problem);
    TriggerList triggers(static_cast<std::size_t>(records.size()) / Trigger::Size);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(records.data());
    for (std::size_t i = 0; i < triggers.size(); ++i)
        decode(bytes + i * Trigger::Size, triggers[i]);
    return triggers;
}

namespace {

// The records after `before` bytes left for the caller.
QByteArray recordsAfter(std::size_t before, const TriggerList& triggers) {
    QByteArray bytes(static_cast<qsizetype>(before + triggers.size() * Trigger::Size), Qt::Uninitialized);
    auto* records = reinterpret_cast<std::uint8_t*>(bytes.data()) + before;
    for (std::size_t i = 0; i < triggers.size(); ++i)
        encode(triggers[i], records + i * Trigger::Size);
    return bytes;
}

}  // namespace

QByteArray triggerRecords(const TriggerList& triggers) { return recordsAfter(0, triggers); }

QString triggerFileProblem(QByteArrayView file) {
    const QByteArrayView header(reinterpret_cast<const char*>(TriggerHeader.data()), TriggerHeader.size());
    if (!file.startsWith(header))
        return QStringLiteral("The file does not begin with the trigger header");
    return recordsProblem(file.size() - header.size(), true);
}

TriggerList triggersFromFile(QByteArrayView file) {
    const QString problem = triggerFileProblem(file);
    if (!problem.isEmpty())
        throw Exception(problem);
    return triggersFromRecords(file.sliced(static_cast<qsizetype>(TriggerHeader.size())));
}

QByteArray triggerFileBytes(const TriggerList& triggers) {
    QByteArray file = recordsAfter(TriggerHeader.size(), triggers);
    std::memcpy(file.data(), TriggerHeader.data(), TriggerHeader.size());
    return file;
}

}  // namespace pellax
