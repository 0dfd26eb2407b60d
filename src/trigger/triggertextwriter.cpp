#include "trigger/triggertext.h"
#include "trigger/triggertextform.h"
#include "trigger/triggertypes.h"
#include "trigger/triggervalues.h"

namespace pellax {

namespace {

using namespace textform;

void appendHexByte(QString& out, std::uint32_t value) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    out.append(u"0x");
    out.append(QChar(kHex[(value >> 4) & 0xF]));
    out.append(QChar(kHex[value & 0xF]));
}

template <class Slot>
void appendSlot(QString& out, const Slot& slot, const SlotType* type, const SlotField& typeField,
                const SlotField& flagsField) {
    out.append(u'\t');
    if (slot.disabled())
        out.append(u';');
    bool first = true;
    const auto separate = [&] {
        if (!first)
            out.append(u", ");
        first = false;
    };
    if (!type) {
        out.append(Custom);
        out.append(u'(');
        for (const SlotField& field : fieldsOf<Slot>()) {
            separate();
            if (field == flagsField)
                appendHexByte(out, slot.value(field));
            else
                appendDecimal(out, slot.value(field));
        }
        out.append(u");\n");
        return;
    }
    out.append(QLatin1StringView(type->name));
    out.append(u'(');
    const std::uint32_t flags = slot.value(flagsField);
    for (const TypeArgument& argument : type->arguments()) {
        separate();
        if (argument.kind == ArgKind::Display)
            out.append(valueName(ArgKind::Display, (flags & slotflag::AlwaysDisplay) ? 1 : 0));
        else
            appendArgumentValue(out, argument.kind, slot.value(argument.field));
    }
    // What the arguments do not show, by name, so that it is not lost.
    for (const SlotField& field : fieldsOf<Slot>()) {
        if (field == typeField || field == flagsField || type->uses(field))
            continue;
        const std::uint32_t value = slot.value(field);
        if (value == 0)
            continue;
        separate();
        out.append(extraName(field));
        out.append(u'=');
        appendDecimal(out, value);
    }
    const std::uint32_t hidden = ~static_cast<std::uint32_t>(type->shownFlags());
    if ((flags & hidden) != (type->flags & hidden)) {
        separate();
        out.append(extraName(flagsField));
        out.append(u'=');
        appendHexByte(out, flags);
    }
    out.append(u");\n");
}

void appendTrigger(QString& out, const Trigger& trigger) {
    out.append(TriggerWord);
    out.append(u'(');
    bool first = true;
    for (std::size_t i = 0; i < Trigger::OwnerCount; ++i) {
        const std::uint8_t owner = trigger.owners[i];
        if (owner == 0)
            continue;
        if (!first)
            out.append(u',');
        first = false;
        appendQuoted(out, valueName(ArgKind::Player, static_cast<std::uint32_t>(i)));
        if (owner != 1) {
            out.append(u':');
            appendDecimal(out, owner);
        }
    }
    out.append(u"){\n");
    out.append(Conditions);
    out.append(u":\n");
    for (std::size_t i = 0, n = trigger.usedConditions(); i < n; ++i) {
        const TriggerCondition& condition = trigger.conditions[i];
        appendSlot(out, condition, conditionType(condition.type()), cf::Type, cf::Flags);
    }
    out.append(u'\n');
    out.append(Actions);
    out.append(u":\n");
    for (std::size_t i = 0, n = trigger.usedActions(); i < n; ++i) {
        const TriggerAction& action = trigger.actions[i];
        appendSlot(out, action, actionType(action.type()), af::Type, af::Flags);
    }
    if (trigger.flags != 0) {
        out.append(u'\n');
        out.append(Flags);
        out.append(u":\n");
        for (int bit = FlagBits - 1; bit >= 0; --bit)
            out.append((trigger.flags >> bit) & 1 ? u'1' : u'0');
        out.append(u";\n");
    }
    if (trigger.currentAction != 0) {
        out.append(u'\n');
        out.append(CurrentAction);
        out.append(u":\n");
        appendDecimal(out, trigger.currentAction);
        out.append(u";\n");
    }
    out.append(u"}\n\n");
    out.append(Separator);
    out.append(u"\n\n");
}

}  // namespace

QString triggersToText(const TriggerList& triggers) {
    QString out;
    // Most lines are short: reserving for a typical trigger saves the copies of growing.
    out.reserve(static_cast<qsizetype>(triggers.size()) * 512);
    for (const Trigger& trigger : triggers)
        appendTrigger(out, trigger);
    return out;
}

}  // namespace pellax
