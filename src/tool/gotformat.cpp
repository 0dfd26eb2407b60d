#include "tool/gotformat.h"

#include "got/gametypefields.h"

#include <QJsonDocument>
#include <QJsonObject>

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

template <std::size_t N>
QJsonObject hexBytes(const GameTypeRecord& record, const std::array<gto::ByteRange, N>& ranges) {
    QJsonObject bytes;
    for (const gto::ByteRange& range : ranges) {
        const QByteArray raw(reinterpret_cast<const char*>(record.bytes.data() + range.offset),
                             static_cast<qsizetype>(range.size));
        bytes.insert(offsetKey(range.offset), QString::fromLatin1(raw.toHex().toUpper()));
    }
    return bytes;
}

}  // namespace

bool isNumberField(const GameTypeField& field) {
    return field.kind == FieldKind::Edit && field.text != &GameTypeFields::gametypename &&
           field.text != &GameTypeFields::descripname;
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
    object.insert(QStringLiteral("carried"), hexBytes(record, gto::Carried));
    object.insert(QStringLiteral("gaps"), hexBytes(record, gto::Gaps));
    return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
}

}  // namespace pellax
