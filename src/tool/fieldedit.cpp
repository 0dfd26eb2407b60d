#include "tool/fieldedit.h"

#include "tool/arguments.h"
#include "tool/eightbit.h"

#include <QStringList>

namespace pellax {

namespace {

const QString kCommand = QStringLiteral("got set");

[[noreturn]] void refuse(const QString& message) { throw UsageError(kCommand, message); }

QString fieldNames() {
    QStringList names;
    for (const GameTypeField& field : gameTypeFields())
        names.append(QLatin1String(field.name));
    return names.join(QStringLiteral(", "));
}

int parseSelection(const GameTypeField& field, const QString& value) {
    const int count = static_cast<int>(field.items.size());
    bool isNumber = !value.isEmpty();
    for (const QChar c : value)
        isNumber = isNumber && c >= u'0' && c <= u'9';
    if (isNumber) {
        bool ok = false;
        const int index = value.toInt(&ok);
        if (ok && index < count)
            return index;
    } else if (const std::optional<int> item = findItem(field, value)) {
        return *item;
    }
    refuse(QStringLiteral("%1 has no item \"%2\": give its number, 0 to %3, or its text")
               .arg(QLatin1String(field.name), value, QString::number(count - 1)));
}

bool parseCheck(const GameTypeField& field, const QString& value) {
    for (const char* on : {"1", "true", "checked"}) {
        if (value.compare(QLatin1String(on), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char* off : {"0", "false", "unchecked"}) {
        if (value.compare(QLatin1String(off), Qt::CaseInsensitive) == 0)
            return false;
    }
    refuse(QStringLiteral("%1 is a check box: give 1, true or checked, or 0, false or unchecked, not \"%2\"")
               .arg(QLatin1String(field.name), value));
}

bool isName(const GameTypeField& field) { return field.text == &GameTypeFields::gametypename; }
bool isVariationName(const GameTypeField& field) { return field.text == &GameTypeFields::descripname; }

}  // namespace

std::optional<int> findItem(const GameTypeField& field, const QString& text) {
    const int count = static_cast<int>(field.items.size());
    // The text as shown first; then without regard to case or the blanks
    // some items end in, which are easy to miss on a command line.
    for (int i = 0; i < count; ++i) {
        if (text == QLatin1String(field.items[static_cast<std::size_t>(i)]))
            return i;
    }
    for (int i = 0; i < count; ++i) {
        const QString item = QLatin1String(field.items[static_cast<std::size_t>(i)]);
        if (text.trimmed().compare(item.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

QString textValueProblem(const GameTypeField& field, QStringView value) {
    if (!isName(field) && !isVariationName(field))
        return QString();
    const BadCharacter bad = firstBadCharacter(value, isName(field) ? isNameCharacter : isVariationNameCharacter);
    const QString name = QLatin1String(field.name);
    if (bad.index < 0)
        return QString();
    if (!bad.byte)
        return QStringLiteral("%1 holds %2").arg(name, noByteReason(bad));
    if (isName(field))
        return QStringLiteral("%1 cannot hold %2: the name field keeps bytes 0 to 10 for the colour code and "
                              "the zero fill, and drops them when read; give the colour as colorbox=N")
            .arg(name, describe(bad));
    return QStringLiteral("%1 cannot hold %2: it is the field's zero fill, dropped when read").arg(name, describe(bad));
}

FieldEdit parseFieldEdit(const QString& argument) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0)
        refuse(QStringLiteral("\"%1\" is not field=value").arg(argument));
    const QString name = argument.left(equals);
    const QString value = argument.mid(equals + 1);
    FieldEdit edit;
    edit.field = findGameTypeField(name);
    if (!edit.field)
        refuse(QStringLiteral("unknown field \"%1\"; the fields are %2").arg(name, fieldNames()));
    switch (edit.field->kind) {
    case FieldKind::Edit: {
        const QString problem = textValueProblem(*edit.field, value);
        if (!problem.isEmpty())
            refuse(problem);
        edit.text = value;
        break;
    }
    case FieldKind::ComboBox: edit.selection = parseSelection(*edit.field, value); break;
    case FieldKind::CheckBox: edit.checked = parseCheck(*edit.field, value); break;
    }
    return edit;
}

void applyFieldEdit(GameTypeFields& fields, const FieldEdit& edit) {
    switch (edit.field->kind) {
    case FieldKind::Edit: typeIntoField(fields, *edit.field, edit.text); break;
    case FieldKind::ComboBox: fields.*edit.field->selection = edit.selection; break;
    case FieldKind::CheckBox: fields.*edit.field->checked = edit.checked; break;
    }
}

}  // namespace pellax
