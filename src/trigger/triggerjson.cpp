#include "trigger/triggerjson.h"

#include "framework/files/exception.h"
#include "trigger/jsoncursor.h"
#include "trigger/outputbuffer.h"
#include "trigger/triggernames.h"
#include "trigger/triggertextform.h"
#include "trigger/triggertypes.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <optional>

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

// Room enough for any one condition or action, and for a trigger's players.
constexpr qsizetype kLongestSlot = 512;
constexpr qsizetype kLongestPlayers = 1024;

void putString(JsonBuffer& out, const QString& text) {
    out.ensure(6 * text.size() + 2);
    out.put('"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out.put('\\');
            out.put(static_cast<char>(u));
        } else if (u < 0x20) {
            out.put(QLatin1StringView("\\u00"));
            out.put("0123456789abcdef"[u >> 4]);
            out.put("0123456789abcdef"[u & 0xF]);
        } else if (u < 0x80) {
            out.put(static_cast<char>(u));
        } else {
            out.put(QLatin1StringView(QString(c).toUtf8()));
        }
    }
    out.put('"');
}

// "key":
void putKey(JsonBuffer& out, const char* key) {
    out.put('"');
    out.put(QLatin1StringView(key));
    out.put(QLatin1StringView("\":"));
}

template <class Slot>
void putSlot(JsonBuffer& out, const Slot& slot, const SlotType* type, const SlotField& typeField) {
    out.ensure(kLongestSlot);
    out.put('{');
    putKey(out, "type");
    out.putDecimal(slot.value(typeField));
    if (type) {
        out.put(',');
        putKey(out, "name");
        out.put('"');
        out.put(QLatin1StringView(type->name));
        out.put('"');
    }
    for (const SlotField& field : fieldsOf<Slot>()) {
        if (field == typeField)
            continue;
        out.put(',');
        putKey(out, field.name);
        out.putDecimal(slot.value(field));
    }
    out.put('}');
}

template <class Slots>
void putSlots(JsonBuffer& out, const char* key, const Slots& slots, std::size_t used, const SlotType* (*typeOf)(std::uint8_t),
              const SlotField& typeField) {
    out.ensure(kLongestSlot);
    putKey(out, key);
    out.put('[');
    for (std::size_t i = 0; i < used; ++i) {
        if (i)
            out.put(',');
        putSlot(out, slots[i], typeOf(slots[i].type()), typeField);
    }
    out.put(']');
}

void putTrigger(JsonBuffer& out, const Trigger& trigger) {
    out.ensure(kLongestPlayers);
    out.put('{');
    putKey(out, "players");
    out.put('{');
    bool first = true;
    for (std::size_t i = 0; i < Trigger::OwnerCount; ++i) {
        if (trigger.owners[i] == 0)
            continue;
        if (!first)
            out.put(',');
        first = false;
        putKey(out, valueName(ArgKind::Player, static_cast<std::uint32_t>(i)).data());
        out.putDecimal(trigger.owners[i]);
    }
    out.put(QLatin1StringView("},"));
    putKey(out, "flags");
    out.putDecimal(trigger.flags);
    out.put(',');
    putKey(out, "currentAction");
    out.putDecimal(trigger.currentAction);
    out.put(',');
    putSlots(out, "conditions", trigger.conditions, trigger.usedConditions(), conditionType, cf::Type);
    out.put(',');
    putSlots(out, "actions", trigger.actions, trigger.usedActions(), actionType, af::Type);
    out.ensure(2);
    out.put('}');
}

// Whether a key is `name`: for every key of a large object, without measuring the name first.
bool isKey(QByteArrayView key, const char* name) {
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (name[i] == '\0' || name[i] != key[i])
            return false;
    }
    return name[key.size()] == '\0';
}

// Where in the object a value is, put into words only for a message:
// "triggers[2].actions[0].player".
struct Place {
    qsizetype trigger = -1;
    const char* part = nullptr;  // of a trigger: "players", "conditions"...
    qsizetype slot = -1;
    const char* field = nullptr;
    const QString* key = nullptr;  // a player's name

    Place in(const char* p) const { Place d = *this; d.part = p; return d; }
    Place at(qsizetype s) const { Place d = *this; d.slot = s; return d; }
    Place of(const char* f) const { Place d = *this; d.field = f; return d; }

    QString words() const {
        QString w;
        if (trigger >= 0)
            w = QStringLiteral("triggers[%1]").arg(trigger);
        const auto add = [&w](const QString& name) {
            if (!w.isEmpty())
                w += QLatin1Char('.');
            w += name;
        };
        if (part)
            add(QLatin1StringView(part).toString());
        if (slot >= 0)
            w += QStringLiteral("[%1]").arg(slot);
        if (field)
            add(QLatin1StringView(field).toString());
        if (key)
            add(*key);
        return w;
    }
};

// Walks the object as trg show --json writes it, saying where it is at fault.
class Reader {
public:
    explicit Reader(QByteArrayView json) : raw_(json), json_(json) {}

    TriggerList triggers() {
        if (raw_.trimmed().isEmpty())
            fail({}, QStringLiteral("empty; expected one object as trg show --json writes it"));
        if (json_.peek() != JsonCursor::Kind::Object)
            fail({}, QStringLiteral("expected one object as trg show --json writes it"));
        TriggerList triggers;
        bool listed = false;
        json_.beginObject();
        QByteArrayView key;
        while (json_.nextKey(key)) {
            if (isKey(key, "file")) {
                if (json_.peek() != JsonCursor::Kind::Text)
                    fail(Place{}.in("file"), QStringLiteral("expected a text, not %1").arg(json_.skip()));
                json_.skip();
            } else if (isKey(key, "triggers")) {
                if (json_.peek() != JsonCursor::Kind::List)
                    fail(Place{}.in("triggers"), QStringLiteral("expected the list of triggers, not %1").arg(json_.skip()));
                listed = true;
                json_.beginList();
                while (json_.nextItem())
                    {
                    Place place;
                    place.trigger = static_cast<qsizetype>(triggers.size());
                    triggers.push_back(trigger(place));
                }
            } else {
                unknownKey({}, key, {kFile, kTriggers});
            }
        }
        json_.finish();
        if (!listed)
            fail(Place{}.in("triggers"), QStringLiteral("expected the list of triggers, not null"));
        return triggers;
    }

private:
    [[noreturn]] static void fail(const Place& place, const QString& message) {
        const QString where = place.words();
        throw Exception(where.isEmpty() ? message : where + QStringLiteral(": ") + message);
    }
    [[noreturn]] static void unknownKey(const Place& place, QByteArrayView key, const QStringList& known) {
        fail(place, QStringLiteral("unknown key \"%1\"; the keys are %2").arg(QString::fromUtf8(key), known.join(QStringLiteral(", "))));
    }

    std::uint32_t number(const Place& place, std::uint32_t maximum) {
        const auto refuse = [&](const QString& shown) {
            fail(place, QStringLiteral("expected a whole number from 0 to %1, not %2").arg(maximum).arg(shown));
        };
        if (json_.peek() != JsonCursor::Kind::Number)
            refuse(json_.skip());
        const double n = json_.number();
        if (n < 0 || n > maximum || std::floor(n) != n)
            refuse(QString::number(n, 'g', 17));
        return static_cast<std::uint32_t>(n);
    }

    // The type a text names; `given` is tried first, by its bytes.
    const SlotType* typeNamed(const Place& place, const SlotType* (*byName)(QStringView), const SlotType* given = nullptr) {
        if (json_.peek() != JsonCursor::Kind::Text)
            fail(place, QStringLiteral("expected a text, not %1").arg(json_.skip()));
        const QByteArrayView bytes = json_.textBytes();
        if (given && bytes == QByteArrayView(given->name))
            return given;
        const QString name = QString::fromUtf8(bytes);
        const SlotType* type = byName(name);
        if (!type)
            fail(place, QStringLiteral("no type is called \"%1\"").arg(name));
        return type;
    }

    template <class Slot>
    Slot slot(const Place& place, const SlotField& typeField, const SlotType* (*byNumber)(std::uint8_t),
              const SlotType* (*byName)(QStringView)) {
        if (json_.peek() != JsonCursor::Kind::Object)
            fail(place, QStringLiteral("expected an object, not %1").arg(json_.skip()));
        const std::span<const SlotField> fields = fieldsOf<Slot>();
        Slot slot;
        const SlotType* named = nullptr;  // by "name"
        std::optional<std::uint32_t> type;
        std::size_t next = 0;
        json_.beginObject();
        QByteArrayView key;
        while (json_.nextKey(key)) {
            if (isKey(key, "name")) {
                // Most often the name of the type just given, as trg show --json writes it.
                named = typeNamed(place.of("name"), byName, type ? byNumber(static_cast<std::uint8_t>(*type)) : nullptr);
                continue;
            }
            // trg show --json writes the fields in order: the one after the last is tried first.
            auto field = next < fields.size() && isKey(key, fields[next].name)
                             ? fields.begin() + static_cast<std::ptrdiff_t>(next)
                             : std::find_if(fields.begin(), fields.end(), [&](const SlotField& f) { return isKey(key, f.name); });
            if (field == fields.end()) {
                QStringList known{kType, kName};
                for (const SlotField& f : fields) {
                    if (f != typeField)
                        known.append(QLatin1StringView(f.name));
                }
                unknownKey(place, key, known);
            }
            next = static_cast<std::size_t>(field - fields.begin()) + 1;
            if (*field == typeField && json_.peek() == JsonCursor::Kind::Text)
                type = typeNamed(place.of(field->name), byName)->number;
            else if (*field == typeField)
                type = number(place.of(field->name), typeField.maximum());
            else
                slot.setValue(*field, number(place.of(field->name), field->maximum()));
        }
        if (named && type && *type != named->number)
            fail(place, QStringLiteral("\"type\" %1 and \"name\" %2 differ").arg(*type).arg(QLatin1StringView(named->name)));
        slot.setValue(typeField, type ? *type : named ? named->number : 0);
        return slot;
    }

    template <class Slot, std::size_t N>
    void slots(std::array<Slot, N>& into, const Place& place, const SlotField& typeField,
               const SlotType* (*byNumber)(std::uint8_t), const SlotType* (*byName)(QStringView)) {
        if (json_.peek() != JsonCursor::Kind::List)
            fail(place, QStringLiteral("expected a list, not %1").arg(json_.skip()));
        json_.beginList();
        std::size_t count = 0;
        while (json_.nextItem()) {
            if (count == N)
                fail(place, QStringLiteral("a trigger holds at most %1 %2").arg(N).arg(QLatin1StringView(place.part)));
            into[count] = slot<Slot>(place.at(static_cast<qsizetype>(count)), typeField, byNumber, byName);
            ++count;
        }
    }

    void players(Trigger& trigger, const Place& place) {
        if (json_.peek() != JsonCursor::Kind::Object)
            fail(place, QStringLiteral("expected an object, not %1").arg(json_.skip()));
        json_.beginObject();
        QByteArrayView key;
        while (json_.nextKey(key)) {
            const QString name = QString::fromUtf8(key);
            Place player = place;
            player.key = &name;
            const std::optional<std::uint32_t> value = namedValue(ArgKind::Player, name);
            if (!value || *value > kLastPlayerOrGroup)
                fail(player, QStringLiteral("not a player or group (\"Player 1\" to \"Player 12\", \"Current Player\"... \"Non Allied Victory Players\")"));
            trigger.owners[*value] = static_cast<std::uint8_t>(number(player, 255));
        }
    }

    Trigger trigger(const Place& place) {
        if (json_.peek() != JsonCursor::Kind::Object)
            fail(place, QStringLiteral("expected an object, not %1").arg(json_.skip()));
        Trigger trigger;
        json_.beginObject();
        QByteArrayView key;
        while (json_.nextKey(key)) {
            if (isKey(key, "players"))
                players(trigger, place.in("players"));
            else if (isKey(key, "flags"))
                trigger.flags = number(place.in("flags"), 0xFFFFFFFFu);
            else if (isKey(key, "currentAction"))
                trigger.currentAction = static_cast<std::uint8_t>(number(place.in("currentAction"), 255));
            else if (isKey(key, "conditions"))
                slots(trigger.conditions, place.in("conditions"), cf::Type, conditionType, findConditionType);
            else if (isKey(key, "actions"))
                slots(trigger.actions, place.in("actions"), af::Type, actionType, findActionType);
            else
                unknownKey(place, key, {kPlayers, kFlags, kCurrentAction, kConditions, kActions});
        }
        return trigger;
    }

    QByteArrayView raw_;
    JsonCursor json_;
};

}  // namespace

QByteArray triggersToJson(const TriggerList& triggers, const QString& file) {
    QByteArray json;
    {
        JsonBuffer out(json);
        out.ensure(kLongestSlot);
        out.put('{');
        if (!file.isEmpty()) {
            putKey(out, "file");
            putString(out, file);
            out.ensure(kLongestSlot);
            out.put(',');
        }
        putKey(out, "triggers");
        out.put('[');
        for (std::size_t i = 0; i < triggers.size(); ++i) {
            if (i) {
                out.ensure(1);
                out.put(',');
            }
            putTrigger(out, triggers[i]);
        }
        out.ensure(4);
        out.put(QLatin1StringView("]}\n"));
    }
    return json;
}

TriggerList triggersFromJson(QByteArrayView json) { return Reader(json).triggers(); }

}  // namespace pellax
