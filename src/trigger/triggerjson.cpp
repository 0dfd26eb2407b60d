#include "trigger/triggerjson.h"

#include "framework/files/exception.h"
#include "trigger/triggernames.h"
#include "trigger/triggertextform.h"
#include "trigger/triggertypes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace pellax {

namespace {

using textform::fieldsOf;

const QString kTriggers = QStringLiteral("triggers");
const QString kFile = QStringLiteral("file");
const QString kPlayers = QStringLiteral("players");
const QString kFlags = QStringLiteral("flags");
const QString kCurrentAction = QStringLiteral("currentAction");
const QString kConditions = QStringLiteral("conditions");
const QString kActions = QStringLiteral("actions");
const QString kName = QStringLiteral("name");
const QString kType = QStringLiteral("type");

void appendNumber(QByteArray& out, std::uint32_t value) {
    char digits[10];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (n > 0)
        out.append(digits[--n]);
}

void appendString(QByteArray& out, const QString& text) {
    out.append('"');
    for (const QChar c : text) {
        if (c == u'"' || c == u'\\') {
            out.append('\\');
            out.append(static_cast<char>(c.unicode()));
        } else if (c.unicode() < 0x20) {
            out.append(QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toLatin1());
        } else {
            out.append(QString(c).toUtf8());
        }
    }
    out.append('"');
}

void appendKey(QByteArray& out, const char* key) {
    out.append('"');
    out.append(key);
    out.append("\":");
}

template <class Slot>
void appendSlot(QByteArray& out, const Slot& slot, const SlotType* type, const SlotField& typeField) {
    out.append('{');
    appendKey(out, "type");
    appendNumber(out, slot.value(typeField));
    if (type) {
        out.append(",\"name\":\"");
        out.append(type->name);
        out.append('"');
    }
    for (const SlotField& field : fieldsOf<Slot>()) {
        if (field == typeField)
            continue;
        out.append(',');
        appendKey(out, field.name);
        appendNumber(out, slot.value(field));
    }
    out.append('}');
}

void appendTrigger(QByteArray& out, const Trigger& trigger) {
    out.append('{');
    appendKey(out, "players");
    out.append('{');
    bool first = true;
    for (std::size_t i = 0; i < Trigger::OwnerCount; ++i) {
        if (trigger.owners[i] == 0)
            continue;
        if (!first)
            out.append(',');
        first = false;
        out.append('"');
        out.append(valueName(ArgKind::Player, static_cast<std::uint32_t>(i)).data());
        out.append("\":");
        appendNumber(out, trigger.owners[i]);
    }
    out.append("},");
    appendKey(out, "flags");
    appendNumber(out, trigger.flags);
    out.append(',');
    appendKey(out, "currentAction");
    appendNumber(out, trigger.currentAction);
    out.append(',');
    appendKey(out, "conditions");
    out.append('[');
    for (std::size_t i = 0, n = trigger.usedConditions(); i < n; ++i) {
        if (i)
            out.append(',');
        appendSlot(out, trigger.conditions[i], conditionType(trigger.conditions[i].type()), cf::Type);
    }
    out.append("],");
    appendKey(out, "actions");
    out.append('[');
    for (std::size_t i = 0, n = trigger.usedActions(); i < n; ++i) {
        if (i)
            out.append(',');
        appendSlot(out, trigger.actions[i], actionType(trigger.actions[i].type()), af::Type);
    }
    out.append("]}");
}

// What a message shows of a value that is not what the place takes.
QString shown(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::String: return QStringLiteral("the text \"%1\"").arg(value.toString());
    case QJsonValue::Double: return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Array: return QStringLiteral("a list");
    case QJsonValue::Object: return QStringLiteral("an object");
    default: return QStringLiteral("null");
    }
}

class Reader {
public:
    [[noreturn]] static void fail(const QString& where, const QString& message) {
        throw Exception(where.isEmpty() ? message : where + QStringLiteral(": ") + message);
    }

    static std::uint32_t number(const QJsonValue& value, const QString& where, std::uint32_t maximum) {
        const double n = value.toDouble(-1);
        if (!value.isDouble() || n < 0 || n > maximum || std::floor(n) != n)
            fail(where, QStringLiteral("expected a whole number from 0 to %1, not %2").arg(maximum).arg(shown(value)));
        return static_cast<std::uint32_t>(n);
    }

    static void knownKeys(const QJsonObject& object, const QStringList& known, const QString& where) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!known.contains(it.key()))
                fail(where, QStringLiteral("unknown key \"%1\"; the keys are %2").arg(it.key(), known.join(QStringLiteral(", "))));
        }
    }

    static QJsonArray array(const QJsonObject& object, const QString& key, const QString& where) {
        const QJsonValue value = object.value(key);
        if (value.isUndefined())
            return {};
        if (!value.isArray())
            fail(where + QLatin1Char('.') + key, QStringLiteral("expected a list, not %1").arg(shown(value)));
        return value.toArray();
    }

    template <class Slot>
    static Slot slot(const QJsonValue& value, const QString& where, const SlotField& typeField,
                     const SlotType* (*byNumber)(std::uint8_t), const SlotType* (*byName)(QStringView)) {
        if (!value.isObject())
            fail(where, QStringLiteral("expected an object, not %1").arg(shown(value)));
        const QJsonObject object = value.toObject();
        const std::span<const SlotField> fields = fieldsOf<Slot>();
        Slot slot;
        int type = -1;
        for (auto it = object.begin(); it != object.end(); ++it) {
            const QString& key = it.key();
            const QString place = where + QLatin1Char('.') + key;
            if (key == kName) {
                if (!it.value().isString())
                    fail(place, QStringLiteral("expected a text, not %1").arg(shown(it.value())));
                const SlotType* named = byName(it.value().toString());
                if (!named)
                    fail(place, QStringLiteral("no type is called \"%1\"").arg(it.value().toString()));
                if (type >= 0 && type != named->number)
                    fail(where, QStringLiteral("\"type\" %1 and \"name\" \"%2\" differ").arg(type).arg(it.value().toString()));
                type = named->number;
                continue;
            }
            const auto field = std::find_if(fields.begin(), fields.end(), [&](const SlotField& f) { return key == QLatin1StringView(f.name); });
            if (field == fields.end()) {
                QStringList known{kType, kName};
                for (const SlotField& f : fields) {
                    if (f != typeField)
                        known.append(QLatin1StringView(f.name));
                }
                fail(where, QStringLiteral("unknown key \"%1\"; the keys are %2").arg(key, known.join(QStringLiteral(", "))));
            }
            if (*field == typeField) {
                int number = -1;
                if (it.value().isString()) {
                    const SlotType* named = byName(it.value().toString());
                    if (!named)
                        fail(place, QStringLiteral("no type is called \"%1\"").arg(it.value().toString()));
                    number = named->number;
                } else {
                    number = static_cast<int>(Reader::number(it.value(), place, typeField.maximum()));
                }
                if (type >= 0 && type != number)
                    fail(where, QStringLiteral("\"type\" %1 and \"name\" %2 differ").arg(number).arg(QLatin1StringView(byNumber(static_cast<std::uint8_t>(type))->name)));
                type = number;
                continue;
            }
            slot.setValue(*field, Reader::number(it.value(), place, field->maximum()));
        }
        if (type > 0)
            slot.setValue(typeField, static_cast<std::uint32_t>(type));
        return slot;
    }

    static Trigger trigger(const QJsonValue& value, const QString& where) {
        if (!value.isObject())
            fail(where, QStringLiteral("expected an object, not %1").arg(shown(value)));
        const QJsonObject object = value.toObject();
        knownKeys(object, {kPlayers, kFlags, kCurrentAction, kConditions, kActions}, where);
        Trigger trigger;
        const QJsonValue players = object.value(kPlayers);
        if (!players.isUndefined()) {
            if (!players.isObject())
                fail(where + QLatin1Char('.') + kPlayers, QStringLiteral("expected an object, not %1").arg(shown(players)));
            const QJsonObject owners = players.toObject();
            for (auto it = owners.begin(); it != owners.end(); ++it) {
                const QString place = where + QLatin1Char('.') + kPlayers + QLatin1Char('.') + it.key();
                const std::optional<std::uint32_t> player = namedValue(ArgKind::Player, it.key());
                if (!player || *player > kLastPlayerOrGroup)
                    fail(place, QStringLiteral("not a player or group (\"Player 1\" to \"Player 12\", \"Current Player\"... \"Non Allied Victory Players\")"));
                trigger.owners[*player] = static_cast<std::uint8_t>(number(it.value(), place, 255));
            }
        }
        if (object.contains(kFlags))
            trigger.flags = number(object.value(kFlags), where + QLatin1Char('.') + kFlags, 0xFFFFFFFFu);
        if (object.contains(kCurrentAction))
            trigger.currentAction = static_cast<std::uint8_t>(number(object.value(kCurrentAction), where + QLatin1Char('.') + kCurrentAction, 255));
        const QJsonArray conditions = array(object, kConditions, where);
        if (conditions.size() > static_cast<qsizetype>(Trigger::ConditionCount))
            fail(where + QLatin1Char('.') + kConditions, QStringLiteral("a trigger holds at most %1 conditions, not %2").arg(Trigger::ConditionCount).arg(conditions.size()));
        for (qsizetype i = 0; i < conditions.size(); ++i)
            trigger.conditions[static_cast<std::size_t>(i)] = slot<TriggerCondition>(
                conditions[i], QStringLiteral("%1.conditions[%2]").arg(where).arg(i), cf::Type, conditionType, findConditionType);
        const QJsonArray actions = array(object, kActions, where);
        if (actions.size() > static_cast<qsizetype>(Trigger::ActionCount))
            fail(where + QLatin1Char('.') + kActions, QStringLiteral("a trigger holds at most %1 actions, not %2").arg(Trigger::ActionCount).arg(actions.size()));
        for (qsizetype i = 0; i < actions.size(); ++i)
            trigger.actions[static_cast<std::size_t>(i)] = slot<TriggerAction>(
                actions[i], QStringLiteral("%1.actions[%2]").arg(where).arg(i), af::Type, actionType, findActionType);
        return trigger;
    }
};

}  // namespace

QByteArray triggersToJson(const TriggerList& triggers, const QString& file) {
    QByteArray out;
    out.reserve(static_cast<qsizetype>(triggers.size()) * 1024 + 64);
    out.append('{');
    if (!file.isEmpty()) {
        appendKey(out, "file");
        appendString(out, file);
        out.append(',');
    }
    appendKey(out, "triggers");
    out.append('[');
    for (std::size_t i = 0; i < triggers.size(); ++i) {
        if (i)
            out.append(',');
        appendTrigger(out, triggers[i]);
    }
    out.append("]}\n");
    return out;
}

TriggerList triggersFromJson(QByteArrayView json) {
    if (json.trimmed().isEmpty())
        Reader::fail(QString(), QStringLiteral("empty; expected one object as trg show --json writes it"));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        Reader::fail(QString(), QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
    if (!document.isObject())
        Reader::fail(QString(), QStringLiteral("expected one object as trg show --json writes it"));
    const QJsonObject object = document.object();
    Reader::knownKeys(object, {kFile, kTriggers}, QString());
    if (!object.value(kTriggers).isArray())
        Reader::fail(kTriggers, QStringLiteral("expected the list of triggers, not %1").arg(shown(object.value(kTriggers))));
    const QJsonArray list = object.value(kTriggers).toArray();
    TriggerList triggers;
    triggers.reserve(static_cast<std::size_t>(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i)
        triggers.push_back(Reader::trigger(list[i], QStringLiteral("triggers[%1]").arg(i)));
    return triggers;
}

}  // namespace pellax
