#include "tool/gotjson.h"

#include "got/mainformbinding.h"
#include "tool/arguments.h"
#include "tool/fieldedit.h"
#include "tool/gotformat.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <span>

namespace pellax {

namespace {

const QString kCommand = QStringLiteral("got set");
const QString kCarried = QStringLiteral("carried");
const QString kGaps = QStringLiteral("gaps");
const QString kFile = QStringLiteral("file");
const QString kExact = QStringLiteral("exact");

// What a message shows of a value that is not what the field takes.
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

bool isHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

QString quotedList(const QStringList& names) {
    QStringList quoted;
    for (const QString& name : names)
        quoted.append(QLatin1Char('"') + name + QLatin1Char('"'));
    return quoted.join(QStringLiteral(", "));
}

class Reader {
public:
    explicit Reader(QString source) : source_(std::move(source)) {}

    [[noreturn]] void fail(const QString& message) const { throw UsageError(kCommand, source_ + QStringLiteral(": ") + message); }

    std::uint32_t wholeNumber(const QString& where, const QJsonValue& value, std::uint32_t max) const {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > max || std::floor(number) != number)
            fail(QStringLiteral("%1: expected a whole number from 0 to %2, not %3").arg(where, QString::number(max), shown(value)));
        return static_cast<std::uint32_t>(number);
    }

    QJsonObject object(const QByteArray& json) const {
        if (json.trimmed().isEmpty())
            fail(QStringLiteral("empty; expected one object as got show --json writes it"));
        QJsonParseError error{};
        const QJsonDocument document = QJsonDocument::fromJson(json, &error);
        if (error.error != QJsonParseError::NoError)
            fail(QStringLiteral("not JSON: %1 at byte %2").arg(error.errorString()).arg(error.offset));
        if (!document.isObject())
            fail(QStringLiteral("expected one object as got show --json writes it, not a list"));
        return document.object();
    }

    // Every key known, every field there.
    void checkKeys(const QJsonObject& object) const {
        const QStringList known = QStringList{kFile, kCarried, kGaps} + shownKeys();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (known.contains(it.key()) || it.key() == kExact)
                continue;
            const BoundControl* alike = findBoundControl(it.key());
            fail(alike ? QStringLiteral("unknown field \"%1\"; did you mean \"%2\"?").arg(it.key(), QLatin1String(alike->name()))
                       : QStringLiteral("unknown field \"%1\"; the fields are %2").arg(it.key(), quotedList(known)));
        }
        QStringList missing;
        for (const QString& name : known.mid(1)) {
            if (!object.contains(name))
                missing.append(name);
        }
        if (!missing.isEmpty())
            fail(QStringLiteral("%1 missing: the object must give every field, as got show --json writes it")
                     .arg(quotedList(missing)));
    }

    // `asShown` is the text the exact bytes show, which needs no check: it is not an edit.
    QString text(const BoundControl& control, const QJsonValue& value, const QString* asShown) const {
        const QString name = QLatin1String(control.name());
        if (control.showsNumber())
            return QString::number(wholeNumber(name, value, control.field->shownSize() == 4 ? 0xFFFFFFFFu : 0xFFu));
        if (!value.isString())
            fail(QStringLiteral("%1: expected a text, not %2").arg(name, shown(value)));
        if (asShown && *asShown == value.toString())
            return value.toString();
        const QString problem = textValueProblem(control, value.toString());
        if (!problem.isEmpty())
            fail(problem);
        return value.toString();
    }

    bool checked(const BoundControl& control, const QJsonValue& value) const {
        if (!value.isBool())
            fail(QStringLiteral("%1: expected true or false, not %2").arg(QLatin1String(control.name()), shown(value)));
        return value.toBool();
    }

    // {"index": N, "text": ITEM}: either names the item; when both are given they must agree.
    int selection(const BoundControl& control, const QJsonValue& value) const {
        const QString name = QLatin1String(control.name());
        const std::span<const char* const> items = control.control->items;
        if (!value.isObject())
            fail(QStringLiteral("%1: expected {\"index\": N, \"text\": ITEM}, not %2").arg(name, shown(value)));
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() != QLatin1String("index") && it.key() != QLatin1String("text"))
                fail(QStringLiteral("%1: unknown field \"%2\"; a combo box has \"index\" and \"text\"").arg(name, it.key()));
        }
        const int count = static_cast<int>(items.size());
        std::optional<int> byIndex;
        std::optional<int> byText;
        if (object.contains(QLatin1String("index"))) {
            const QJsonValue index = object.value(QLatin1String("index"));
            const double number = index.toDouble(-2);
            if (!index.isDouble() || number < -1 || number >= count || std::floor(number) != number)
                fail(QStringLiteral("%1.index: expected a whole number from -1 (no selection) to %2, not %3")
                         .arg(name, QString::number(count - 1), shown(index)));
            byIndex = static_cast<int>(number);
        }
        if (object.contains(QLatin1String("text"))) {
            const QJsonValue text = object.value(QLatin1String("text"));
            if (!text.isString())
                fail(QStringLiteral("%1.text: expected a text, not %2").arg(name, shown(text)));
            byText = text.toString().isEmpty() ? std::optional<int>(-1) : findItem(control, text.toString());
            if (!byText) {
                QStringList names;
                for (const char* item : items)
                    names.append(QLatin1String(item));
                fail(QStringLiteral("%1.text: no item \"%2\"; the items are %3, or \"\" for none")
                         .arg(name, text.toString(), quotedList(names)));
            }
        }
        if (!byIndex && !byText)
            fail(QStringLiteral("%1: give \"index\", \"text\" or both").arg(name));
        if (byIndex && byText && *byIndex != *byText)
            fail(QStringLiteral("%1: index %2 and text \"%3\" name different items; give one, or both alike")
                     .arg(name, QString::number(*byIndex), object.value(QLatin1String("text")).toString()));
        return byIndex ? *byIndex : *byText;
    }

    // A game field: {"value": N, "name": NAME} as got show writes it (either
    // names the value; both must agree), or the number or the name alone.
    std::uint32_t gameValue(const GameField& field, const QJsonValue& value) const {
        const QString key = QLatin1String(field.key);
        const auto named = [&](const QString& where, const QJsonValue& v) {
            const std::optional<std::uint32_t> parsed = v.isString() ? parseGameValue(field, v.toString()) : std::nullopt;
            if (!parsed)
                fail(QStringLiteral("%1: no value named %2").arg(where, shown(v)));
            return *parsed;
        };
        if (value.isDouble())
            return wholeNumber(key, value, field.maxValue());
        if (value.isString() && !field.values.empty())
            return named(key, value);
        if (!value.isObject() || field.values.empty())
            fail(QStringLiteral("%1: expected %2, not %3")
                     .arg(key, field.values.empty() ? QStringLiteral("a whole number")
                                                    : QStringLiteral("{\"value\": N, \"name\": NAME}"),
                          shown(value)));
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (it.key() != QLatin1String("value") && it.key() != QLatin1String("name"))
                fail(QStringLiteral("%1: unknown field \"%2\"; a game field has \"value\" and \"name\"").arg(key, it.key()));
        }
        std::optional<std::uint32_t> byValue;
        std::optional<std::uint32_t> byName;
        if (object.contains(QLatin1String("value")))
            byValue = wholeNumber(key + QStringLiteral(".value"), object.value(QLatin1String("value")), field.maxValue());
        const QJsonValue name = object.value(QLatin1String("name"));
        // An empty name is what got show writes for a value the game does not name.
        if (object.contains(QLatin1String("name")) && !(name.isString() && name.toString().isEmpty() && byValue))
            byName = named(key + QStringLiteral(".name"), name);
        if (!byValue && !byName)
            fail(QStringLiteral("%1: give \"value\", \"name\" or both").arg(key));
        if (byValue && byName && *byValue != *byName)
            fail(QStringLiteral("%1: value %2 and name \"%3\" are different values; give one, or both alike")
                     .arg(key)
                     .arg(*byValue)
                     .arg(name.toString()));
        return byValue ? *byValue : *byName;
    }

    // The bytes of "carried", "gaps" or "exact": the offsets got show writes,
    // each in hex of its size; with `all`, every one of them.
    template <class Range>
    void bytes(const QString& group, const QJsonValue& value, std::span<const Range> ranges, GameTypeRecord& record,
               bool all = true) const {
        if (!value.isObject())
            fail(QStringLiteral("%1: expected an object of offsets and hex bytes, not %2").arg(group, shown(value)));
        const QJsonObject object = value.toObject();
        QStringList keys;
        for (const Range& range : ranges)
            keys.append(offsetKey(range.offset));
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (!keys.contains(it.key()))
                fail(QStringLiteral("%1: unknown offset \"%2\"; the offsets are %3").arg(group, it.key(), quotedList(keys)));
        }
        for (const Range& range : ranges) {
            const QString where = group + QLatin1Char('.') + offsetKey(range.offset);
            if (!object.contains(offsetKey(range.offset))) {
                if (!all)
                    continue;
                fail(QStringLiteral("%1 missing").arg(where));
            }
            const QJsonValue hex = object.value(offsetKey(range.offset));
            const QString digits = hex.toString();
            bool wellFormed = hex.isString() && digits.size() == static_cast<qsizetype>(2 * range.size);
            for (const QChar c : digits)
                wellFormed = wellFormed && isHexDigit(c.unicode());
            if (!wellFormed)
                fail(QStringLiteral("%1: expected %2 byte(s) as %3 hex digits, not %4")
                         .arg(where, QString::number(range.size), QString::number(2 * range.size), shown(hex)));
            const QByteArray raw = QByteArray::fromHex(digits.toLatin1());
            std::memcpy(record.bytes.data() + range.offset, raw.constData(), range.size);
        }
    }

private:
    QString source_;
};

}  // namespace

GameTypeRecord recordFromJson(const QByteArray& json, const QString& source) {
    const Reader reader(source);
    const QJsonObject object = reader.object(json);
    reader.checkKeys(object);
    if (!object.value(kFile).isUndefined() && !object.value(kFile).isString())
        reader.fail(QStringLiteral("file: expected a text, not %1").arg(shown(object.value(kFile))));

    GameTypeRecord record;
    reader.bytes(kCarried, object.value(kCarried), carriedBytes(), record);
    reader.bytes(kGaps, object.value(kGaps), gapBytes(), record);
    std::optional<std::uint32_t> resources;
    for (const GameField& field : kGameFields) {
        if (!field.key)
            continue;
        const std::uint32_t value = reader.gameValue(field, object.value(QLatin1String(field.key)));
        record.setValue(field, value);
        if (field.id == GameFieldId::ResourceType)
            resources = value;
    }
    // The exact bytes, where given, over a copy: what they show tells an edit from none.
    GameTypeRecord withExact = record;
    const QJsonObject exact = object.value(kExact).toObject();
    if (object.contains(kExact))
        reader.bytes(kExact, object.value(kExact), exactByteRanges(), withExact, false);
    const GameTypeFields exactShown = fieldsFromRecord(withExact);
    const auto exactGiven = [&exact](const BoundControl& control) {
        for (const ExactBytes& range : exactByteRanges()) {
            if (range.control == control.control && exact.contains(offsetKey(range.offset)))
                return true;
        }
        return false;
    };

    GameTypeFields fields;
    for (const BoundControl& control : boundControls()) {
        const QJsonValue value = object.value(QLatin1String(control.name()));
        switch (control.kind) {
        case BoundControl::Edit:
            fields[control].text = reader.text(control, value, exactGiven(control) ? &exactShown[control].text : nullptr);
            break;
        case BoundControl::ComboBox: fields[control].selection = reader.selection(control, value); break;
        case BoundControl::CheckBox: fields[control].checked = reader.checked(control, value); break;
        }
    }
    fieldsToRecord(fields, record);
    // The exact bytes stand where their control shows them as the object does;
    // a control that shows something else was edited, and its value is saved.
    for (const ExactBytes& range : exactByteRanges()) {
        if (exact.contains(offsetKey(range.offset)))
            std::copy_n(withExact.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset), range.size,
                        record.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset));
    }
    const GameTypeFields shownByExact = fieldsFromRecord(record);
    fieldsToRecord(fields, record, &shownByExact);
    const GameField& resourceType = gameField(GameFieldId::ResourceType);
    const bool defaultmin = fields[resourceType.shownBy.control].checked;
    if (resources && defaultmin != (*resources != 0))
        reader.fail(QStringLiteral("defaultmin and %1 give byte %2 different values: \"Use default minerals\" "
                                   "%3 needs %1 %4")
                        .arg(QLatin1String(resourceType.key), offsetKey(resourceType.offset),
                             defaultmin ? QStringLiteral("checked") : QStringLiteral("unchecked"),
                             defaultmin ? QStringLiteral("other than 0") : QStringLiteral("0")));
    if (resources)
        record.setValue(resourceType, *resources);
    return record;
}

}  // namespace pellax
