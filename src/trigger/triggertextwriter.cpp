#include "trigger/triggertext.h"
#include "trigger/triggertextform.h"
#include "trigger/triggertypes.h"

namespace pellax {

namespace {

using namespace textform;

void appendNumber(QString& out, std::uint64_t value) {
    char16_t digits[20];
    int n = 0;
    do {
        digits[n++] = static_cast<char16_t>(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        out.append(QChar(digits[--n]));
}

void appendHexByte(QString& out, std::uint32_t value) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    out.append(u"0x");
    out.append(QChar(kHex[(value >> 4) & 0xF]));
    out.append(QChar(kHex[value & 0xF]));
}

void appendQuoted(QString& out, QLatin1StringView text) {
    out.append(u'"');
    out.append(text);
    out.append(u'"');
}

void appendPrefixed(QString& out, QLatin1StringView prefix, std::uint64_t number) {
    out.append(u'"');
    out.append(prefix);
    appendNumber(out, number);
    out.append(u'"');
}

// A script's code where its four bytes are letters, digits and signs that a
// quoted text can hold; nothing otherwise.
bool appendScript(QString& out, std::uint32_t value) {
    char16_t code[4];
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<char16_t>((value >> (8 * i)) & 0xFF);
        if (c < 0x21 || c > 0x7E || c == u'"')
            return false;
        code[i] = c;
    }
    out.append(u'"');
    out.append(QStringView(code, 4));
    out.append(u'"');
    return true;
}

void appendValue(QString& out, ArgKind kind, std::uint32_t value) {
    switch (kind) {
    case ArgKind::Player:
    case ArgKind::Unit: {
        const QLatin1StringView name = valueName(kind, value);
        if (!name.isEmpty())
            return appendQuoted(out, name);
        break;
    }
    case ArgKind::Location:
        if (value == 0)
            return appendQuoted(out, NoLocation);
        if (value == kAnywhere)
            return appendQuoted(out, Anywhere);
        return appendPrefixed(out, LocationPrefix, value);
    case ArgKind::Switch:
        if (value < SwitchCount)
            return appendPrefixed(out, SwitchPrefix, std::uint64_t{value} + 1);
        break;
    case ArgKind::String: return appendPrefixed(out, StringPrefix, value);
    case ArgKind::Script:
        if (appendScript(out, value))
            return;
        break;
    case ArgKind::Number: break;
    default: {
        const QLatin1StringView name = valueName(kind, value);
        if (!name.isEmpty())
            return void(out.append(name));
        break;
    }
    }
    appendNumber(out, value);
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
                appendNumber(out, slot.value(field));
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
            appendValue(out, argument.kind, slot.value(argument.field));
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
        appendNumber(out, value);
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
            appendNumber(out, owner);
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
        appendNumber(out, trigger.currentAction);
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
