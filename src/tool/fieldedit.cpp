#include "tool/fieldedit.h"

#include "tool/arguments.h"
#include "tool/eightbit.h"
#include "tool/gotformat.h"

#include <QStringList>

namespace pellax {

namespace {

const QString kCommand = QStringLiteral("got set");

[[noreturn]] void refuse(const QString& message) { throw UsageError(kCommand, message); }

QString namedValueList(const GameField& field) {
    QStringList names;
    for (const GameValue& v : field.values)
        names.append(QStringLiteral("%1 (%2)").arg(v.value).arg(QLatin1String(v.name)));
    return names.join(QStringLiteral(", "));
}

FieldEdit parseGameFieldEdit(const GameField& field, const QString& value) {
    const std::optional<std::uint32_t> parsed = parseGameValue(field, value);
    if (!parsed) {
        const QString range = QStringLiteral("a number from 0 to %1").arg(field.maxValue());
        refuse(field.values.empty()
                   ? QStringLiteral("%1 takes %2, not \"%3\"").arg(QLatin1String(field.key), range, value)
                   : QStringLiteral("%1 has no value \"%2\": give %3, or one of %4")
                         .arg(QLatin1String(field.key), value, range, namedValueList(field)));
    }
    FieldEdit edit;
    edit.gameField = &field;
    edit.value = *parsed;
    return edit;
}

// Whether a control edit gives the game field it shows `value`: a checked box
// stands for every value but 0.
bool controlAgrees(const FieldEdit& control, const GameField& game, std::uint32_t value) {
    if (control.control->kind == BoundControl::CheckBox)
        return control.shown.checked == (value != 0);
    GameTypeFields fields;
    applyFieldEdit(fields, control);
    GameTypeRecord scratch;
    fieldsToRecord(fields, scratch);
    return scratch.value(game) == value;
}

int parseSelection(const BoundControl& control, const QString& value) {
    const int count = static_cast<int>(control.control->items.size());
    bool isNumber = !value.isEmpty();
    for (const QChar c : value)
        isNumber = isNumber && c >= u'0' && c <= u'9';
    if (isNumber) {
        bool ok = false;
        const int index = value.toInt(&ok);
        if (ok && index < count)
            return index;
    } else if (const std::optional<int> item = findItem(control, value)) {
        return *item;
    }
    refuse(QStringLiteral("%1 has no item \"%2\": give its number, 0 to %3, or its text")
               .arg(QLatin1String(control.name()), value, QString::number(count - 1)));
}

bool parseCheck(const BoundControl& control, const QString& value) {
    for (const char* on : {"1", "true", "checked"}) {
        if (value.compare(QLatin1String(on), Qt::CaseInsensitive) == 0)
            return true;
    }
    for (const char* off : {"0", "false", "unchecked"}) {
        if (value.compare(QLatin1String(off), Qt::CaseInsensitive) == 0)
            return false;
    }
    refuse(QStringLiteral("%1 is a check box: give 1, true or checked, or 0, false or unchecked, not \"%2\"")
               .arg(QLatin1String(control.name()), value));
}


}  // namespace

std::optional<int> findItem(const BoundControl& control, const QString& text) {
    const std::span<const char* const> items = control.control->items;
    const int count = static_cast<int>(items.size());
    // The text as shown first; then without regard to case or the blanks
    // some items end in, which are easy to miss on a command line.
    for (int i = 0; i < count; ++i) {
        if (text == QLatin1String(items[static_cast<std::size_t>(i)]))
            return i;
    }
    for (int i = 0; i < count; ++i) {
        const QString item = QLatin1String(items[static_cast<std::size_t>(i)]);
        if (text.trimmed().compare(item.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

QString textValueProblem(const BoundControl& control, QStringView value) {
    const Binding binding = control.field->shownBy.binding;
    if (control.kind != BoundControl::Edit || (binding != Binding::Name && binding != Binding::VariationName))
        return QString();
    const bool isName = binding == Binding::Name;
    const BadCharacter bad = firstBadCharacter(value, isName ? isNameCharacter : isVariationNameCharacter);
    const QString name = QLatin1String(control.name());
    if (bad.index < 0) {
        // The editor cuts a longer text; a script is told instead, as the rest would be lost.
        const auto length = static_cast<std::size_t>(value.toUcs4().size());
        if (length > gto::MaxTextLength)
            return QStringLiteral("%1 is %2 characters long; the field holds at most %3")
                .arg(name)
                .arg(length)
                .arg(gto::MaxTextLength);
        return QString();
    }
    if (!bad.byte)
        return QStringLiteral("%1 holds %2").arg(name, noByteReason(bad));
    if (isName)
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
    edit.control = findBoundControl(name);
    if (!edit.control) {
        if (const GameField* game = findGameFieldByKey(name))
            return parseGameFieldEdit(*game, value);
        refuse(QStringLiteral("unknown field \"%1\"; the fields are %2").arg(name, shownKeys().join(QStringLiteral(", "))));
    }
    switch (edit.control->kind) {
    case BoundControl::Edit: {
        const QString problem = textValueProblem(*edit.control, value);
        if (!problem.isEmpty())
            refuse(problem);
        edit.shown.text = value;
        break;
    }
    case BoundControl::ComboBox: edit.shown.selection = parseSelection(*edit.control, value); break;
    case BoundControl::CheckBox: edit.shown.checked = parseCheck(*edit.control, value); break;
    }
    return edit;
}

void checkEditsAgree(const std::vector<FieldEdit>& edits) {
    for (auto a = edits.begin(); a != edits.end(); ++a) {
        if (!a->gameField)
            continue;
        const QString key = QLatin1String(a->gameField->key);
        for (auto b = edits.begin(); b != edits.end(); ++b) {
            if (b->gameField == a->gameField && b > a && b->value != a->value)
                refuse(QStringLiteral("%1 is given twice, as %2 and %3: give it once").arg(key).arg(a->value).arg(b->value));
            if (b->control && b->control->field == a->gameField && !controlAgrees(*b, *a->gameField, a->value))
                refuse(QStringLiteral("%1 and %2 give byte %3 different values: give one of them, or values that agree")
                           .arg(QLatin1String(b->control->name()), key,
                                offsetKey(a->gameField->offset)));
        }
    }
}

void applyGameEdit(GameTypeRecord& record, const FieldEdit& edit) {
    if (edit.gameField)
        record.setValue(*edit.gameField, edit.value);
}

void applyFieldEdit(GameTypeFields& fields, const FieldEdit& edit) {
    if (!edit.control)
        return;
    if (edit.control->kind == BoundControl::Edit)
        typeIntoField(fields, *edit.control, edit.shown.text);
    else
        fields[*edit.control] = edit.shown;
}

}  // namespace pellax
