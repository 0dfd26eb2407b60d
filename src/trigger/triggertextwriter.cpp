#include "trigger/outputbuffer.h"
#include "trigger/triggertext.h"
#include "trigger/triggertextform.h"
#include "trigger/triggertypes.h"
#include "trigger/triggervalues.h"

namespace pellax {

namespace {

using namespace textform;

// Room enough for any one line: a type's name, eight arguments and every extra.
constexpr qsizetype kLongestLine = 1024;

void putQuoted(TextBuffer& out, QLatin1StringView text) {
    out.put(u'"');
    out.put(text);
    out.put(u'"');
}

// "Location=" and the like.
void putExtraName(TextBuffer& out, const SlotField& field) {
    const QLatin1StringView name(field.name);
    out.put(static_cast<char16_t>(name.front().toLatin1() - 'a' + 'A'));
    out.put(name.sliced(1));
    out.put(u'=');
}

template <class Slot>
void putSlot(TextBuffer& out, const Slot& slot, const SlotType* type, const SlotField& typeField, const SlotField& flagsField) {
    out.ensure(kLongestLine);
    out.put(u'\t');
    if (slot.disabled())
        out.put(u';');
    bool first = true;
    const auto separate = [&] {
        if (!first) {
            out.put(u',');
            out.put(u' ');
        }
        first = false;
    };
    if (!type) {
        out.put(Custom);
        out.put(u'(');
        for (const SlotField& field : fieldsOf<Slot>()) {
            separate();
            if (field == flagsField)
                out.putHexByte(slot.value(field));
            else
                out.putDecimal(slot.value(field));
        }
        out.put(QLatin1StringView(");\n"));
        return;
    }
    out.put(QLatin1StringView(type->name));
    out.put(u'(');
    const std::uint32_t flags = slot.value(flagsField);
    for (const TypeArgument& argument : type->arguments()) {
        separate();
        if (argument.kind == ArgKind::Display)
            out.put(valueName(ArgKind::Display, (flags & slotflag::AlwaysDisplay) ? 1 : 0));
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
        putExtraName(out, field);
        out.putDecimal(value);
    }
    const std::uint32_t hidden = ~static_cast<std::uint32_t>(type->shownFlags());
    if ((flags & hidden) != (type->flags & hidden)) {
        separate();
        putExtraName(out, flagsField);
        out.putHexByte(flags);
    }
    out.put(QLatin1StringView(");\n"));
}

void putSection(TextBuffer& out, QLatin1StringView name) {
    out.put(name);
    out.put(QLatin1StringView(":\n"));
}

void putTrigger(TextBuffer& out, const Trigger& trigger) {
    out.ensure(2 * kLongestLine);  // the players' line
    out.put(TriggerWord);
    out.put(u'(');
    bool first = true;
    for (std::size_t i = 0; i < Trigger::OwnerCount; ++i) {
        const std::uint8_t owner = trigger.owners[i];
        if (owner == 0)
            continue;
        if (!first)
            out.put(u',');
        first = false;
        putQuoted(out, valueName(ArgKind::Player, static_cast<std::uint32_t>(i)));
        if (owner != 1) {
            out.put(u':');
            out.putDecimal(owner);
        }
    }
    out.put(QLatin1StringView("){\n"));
    putSection(out, Conditions);
    for (std::size_t i = 0, n = trigger.usedConditions(); i < n; ++i) {
        const TriggerCondition& condition = trigger.conditions[i];
        putSlot(out, condition, conditionType(condition.type()), cf::Type, cf::Flags);
    }
    out.ensure(kLongestLine);
    out.put(u'\n');
    putSection(out, Actions);
    for (std::size_t i = 0, n = trigger.usedActions(); i < n; ++i) {
        const TriggerAction& action = trigger.actions[i];
        putSlot(out, action, actionType(action.type()), af::Type, af::Flags);
    }
    out.ensure(kLongestLine);
    if (trigger.flags != 0) {
        out.put(u'\n');
        putSection(out, Flags);
        for (int bit = FlagBits - 1; bit >= 0; --bit)
            out.put((trigger.flags >> bit) & 1 ? u'1' : u'0');
        out.put(QLatin1StringView(";\n"));
    }
    if (trigger.currentAction != 0) {
        out.put(u'\n');
        putSection(out, CurrentAction);
        out.putDecimal(trigger.currentAction);
        out.put(QLatin1StringView(";\n"));
    }
    out.put(QLatin1StringView("}\n\n"));
    out.put(Separator);
    out.put(QLatin1StringView("\n\n"));
}

}  // namespace

QString triggersToText(const TriggerList& triggers) {
    QString text;
    {
        TextBuffer out(text);
        for (const Trigger& trigger : triggers)
            putTrigger(out, trigger);
    }
    return text;
}

}  // namespace pellax
