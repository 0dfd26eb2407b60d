#include "tool/gotformat.h"

#include "got/gametypefields.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace pellax {

namespace {

QString selectionText(const GameTypeField& field, int selection) {
    return selection >= 0 ? QString::fromLatin1(field.items[static_cast<std::size_t>(selection)]) : QString();
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

template <std::size_t N>
QJsonObject hexBytes(const GameTypeRecord& record, const std::array<gto::ByteRange, N>& ranges) {
    QJsonObject bytes;
    for (const gto::ByteRange& range : ranges)
        bytes.insert(offsetKey(range.offset), hex(record, range.offset, range.size));
    return bytes;
}

const GameTypeField& control(const char* name) { return *findGameTypeField(QString::fromLatin1(name)); }

// A game field's value as got show prints it: its name, else its number.
QString gameValueText(const GameField& field, std::uint32_t value) {
    const char* name = gameValueName(field, value);
    return name ? QLatin1String(name) : QString::number(value);
}

}  // namespace

bool isNumberField(const GameTypeField& field) {
    return field.kind == FieldKind::Edit && field.text != &GameTypeFields::gametypename &&
           field.text != &GameTypeFields::descripname;
}

std::span<const ExactBytes> exactByteRanges() {
    static const std::array<ExactBytes, 5> ranges = {{
        {&control("gametypename"), gto::Name, gto::TextFieldSize},
        {&control("descripname"), gto::VariationName, gto::TextFieldSize},
        {&control("Gametype"), gto::GameType, 1},
        {&control("playability"), gto::Playability, 1},
        {&control("Canally"), gto::Alliances, 1},
    }};
    return ranges;
}

bool showsInPart(const GameTypeRecord& record, const GameTypeRecord& saved, const ExactBytes& range) {
    return !std::equal(saved.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset),
                       saved.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset + range.size),
                       record.bytes.begin() + static_cast<std::ptrdiff_t>(range.offset));
}

QString offsetKey(std::size_t offset) {
    return QStringLiteral("0x") + QString::number(offset, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

QString gotShowText(const QString& file, const GameTypeRecord& record) {
    const GameTypeFields fields = fieldsFromRecord(record);
    QString text = QStringLiteral("file: ") + escapedValue(file) + QLatin1Char('\n');
    for (const GameTypeField& field : gameTypeFields()) {
        text += QLatin1String(field.name);
        text += QLatin1String(": ");
        switch (field.kind) {
        case FieldKind::Edit: text += escapedValue(fields.*field.text); break;
        case FieldKind::ComboBox: text += escapedValue(selectionText(field, fields.*field.selection)); break;
        case FieldKind::CheckBox: text += fields.*field.checked ? QLatin1String("checked") : QLatin1String("unchecked"); break;
        }
        text += QLatin1Char('\n');
    }
    for (const GameField& field : kGameFields) {
        if (field.key)
            text += QStringLiteral("%1: %2\n").arg(QLatin1String(field.key), gameValueText(field, record.value(field)));
    }
    return text;
}

QByteArray gotShowJson(const QString& file, const GameTypeRecord& record) {
    const GameTypeFields fields = fieldsFromRecord(record);
    QJsonObject object;
    object.insert(QStringLiteral("file"), file);
    for (const GameTypeField& field : gameTypeFields()) {
        const QString name = QLatin1String(field.name);
        switch (field.kind) {
        case FieldKind::Edit: {
            const QString& text = fields.*field.text;
            object.insert(name, isNumberField(field) ? QJsonValue(text.toLongLong()) : QJsonValue(text));
            break;
        }
        case FieldKind::ComboBox: {
            const int selection = fields.*field.selection;
            object.insert(name, QJsonObject{{QStringLiteral("index"), selection},
                                            {QStringLiteral("text"), selectionText(field, selection)}});
            break;
        }
        case FieldKind::CheckBox: object.insert(name, fields.*field.checked); break;
        }
    }
    for (const GameField& field : kGameFields) {
        if (!field.key)
            continue;
        const std::uint32_t value = record.value(field);
        if (field.values.empty()) {
            object.insert(QLatin1String(field.key), static_cast<qint64>(value));
        } else {
            const char* name = gameValueName(field, value);
            object.insert(QLatin1String(field.key),
                          QJsonObject{{QStringLiteral("value"), static_cast<qint64>(value)},
                                      {QStringLiteral("name"), name ? QLatin1String(name) : QLatin1String("")}});
        }
    }
    object.insert(QStringLiteral("carried"), hexBytes(record, gto::Carried));
    object.insert(QStringLiteral("gaps"), hexBytes(record, gto::Gaps));
    // What saving every control as it shows the record would write, once for every range.
    GameTypeRecord saved = record;
    fieldsToRecord(fields, saved);
    QJsonObject exact;
    for (const ExactBytes& range : exactByteRanges()) {
        if (showsInPart(record, saved, range))
            exact.insert(offsetKey(range.offset), hex(record, range.offset, range.size));
    }
    if (!exact.isEmpty())
        object.insert(QStringLiteral("exact"), exact);
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace pellax
