#include "tool/gotformat.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <vector>

namespace pellax {

namespace {

QString selectionText(const BoundControl& control, int selection) {
    return selection >= 0 ? QString::fromLatin1(control.control->items[static_cast<std::size_t>(selection)]) : QString();
}

QString escapedValue(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            out += QLatin1String("\\\\");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString hex(const GameTypeRecord& record, std::size_t offset, std::size_t size) {
    const QByteArray raw(reinterpret_cast<const char*>(record.bytes.data() + offset), static_cast<qsizetype>(size));
    return QString::fromLatin1(raw.toHex().toUpper());
}

QJsonObject hexBytes(const GameTypeRecord& record, std::span<const ByteRange> ranges) {
    QJsonObject bytes;
    for (const ByteRange& range : ranges)
        bytes.insert(offsetKey(range.offset), hex(record, range.offset, range.size));
    return bytes;
}

// Each key of got show in its order: the controls in tab order, as the editor
// shows them, then the game's fields that no control shows exactly.
std::vector<std::pair<QString, QJsonValue>> shownValues(const GameTypeRecord& record, const GameTypeFields& fields) {
    std::vector<std::pair<QString, QJsonValue>> values;
    for (const BoundControl& control : boundControls()) {
        const ControlValue& value = fields[control];
        QJsonValue json = value.checked;
        if (control.kind == BoundControl::Edit)
            json = control.showsNumber() ? QJsonValue(value.text.toLongLong()) : QJsonValue(value.text);
        else if (control.kind == BoundControl::ComboBox)
            json = QJsonObject{{QStringLiteral("index"), value.selection},
                               {QStringLiteral("text"), selectionText(control, value.selection)}};
        values.emplace_back(QLatin1String(control.name()), json);
    }
    for (const GameField& field : kGameFields) {
        const auto value = static_cast<qint64>(record.value(field));
        const char* name = gameValueName(field, record.value(field));
        if (field.key)
            values.emplace_back(QLatin1String(field.key),
                                field.values.empty() ? QJsonValue(value)
                                                     : QJsonObject{{QStringLiteral("value"), value},
                                                                   {QStringLiteral("name"), QLatin1String(name ? name : "")}});
    }
    return values;
}

// A value as a line of got show: texts escaped, items by their text, check
// boxes as words, game fields by their name where the game has one.
QString shownText(const QJsonValue& value) {
    if (value.isBool())
        return value.toBool() ? QStringLiteral("checked") : QStringLiteral("unchecked");
    if (value.isDouble())
        return QString::number(value.toInteger());
    const QJsonObject object = value.toObject();
    if (object.contains(QLatin1String("name")) && !object.value(QLatin1String("name")).toString().isEmpty())
        return object.value(QLatin1String("name")).toString();
    if (object.contains(QLatin1String("value")))
        return QString::number(object.value(QLatin1String("value")).toInteger());
    return escapedValue(object.contains(QLatin1String("text")) ? object.value(QLatin1String("text")).toString() : value.toString());
}

// What the controls show in part: names, choices and flags, where no key gives the bytes.
std::vector<ExactBytes> exactRanges() {
    std::vector<ExactBytes> ranges;
    for (const GameField& field : kGameFields) {
        const Binding binding = field.shownBy.binding;
        if (!field.key && binding != Binding::None && binding != Binding::Number && binding != Binding::GatedNumber)
            ranges.push_back({&field.shownBy.control, field.offset, field.shownSize()});
    }
    return ranges;
}

}  // namespace

std::span<const ExactBytes> exactByteRanges() {
    static const std::vector<ExactBytes> ranges = exactRanges();
    return ranges;
}

QString offsetKey(std::size_t offset) {
    return QStringLiteral("0x") + QString::number(offset, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

QStringList shownKeys() {
    QStringList keys;
    for (const auto& [key, value] : shownValues(GameTypeRecord{}, GameTypeFields{}))
        keys.append(key);
    return keys;
}

QString gotShowText(const QString& file, const GameTypeRecord& record) {
    QString text = QStringLiteral("file: ") + escapedValue(file) + QLatin1Char('\n');
    for (const auto& [key, value] : shownValues(record, fieldsFromRecord(record)))
        text += key + QStringLiteral(": ") + shownText(value) + QLatin1Char('\n');
    return text;
}

QByteArray gotShowJson(const QString& file, const GameTypeRecord& record) {
    const GameTypeFields fields = fieldsFromRecord(record);
    QJsonObject object{{QStringLiteral("file"), file}};
    for (const auto& [key, value] : shownValues(record, fields))
        object.insert(key, value);
    object.insert(QStringLiteral("carried"), hexBytes(record, carriedBytes()));
    object.insert(QStringLiteral("gaps"), hexBytes(record, gapBytes()));
    // What saving every control as it shows the record would write, once for every range.
    GameTypeRecord saved = record;
    fieldsToRecord(fields, saved);
    QJsonObject exact;
    for (const ExactBytes& range : exactByteRanges()) {
        if (!std::equal(saved.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset),
                        saved.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset + range.size),
                        record.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset)))
            exact.insert(offsetKey(range.offset), hex(record, range.offset, range.size));
    }
    if (!exact.isEmpty())
        object.insert(QStringLiteral("exact"), exact);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace pellax
