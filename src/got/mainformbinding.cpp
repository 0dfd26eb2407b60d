#include "got/mainformbinding.h"

#include "got/numbertext.h"

#include <algorithm>
#include <vector>

namespace pellax {

namespace {

BoundControl::Kind kindOf(Binding binding, bool partner) {
    if (binding == Binding::Selection || (partner && binding == Binding::Name))
        return BoundControl::ComboBox;
    if (binding == Binding::Flag || (partner && binding == Binding::GatedNumber))
        return BoundControl::CheckBox;
    return BoundControl::Edit;
}

std::vector<BoundControl> inTabOrder() {
    std::vector<BoundControl> controls;
    for (const GameField& field : kGameFields) {
        if (field.shownBy.control.name)
            controls.push_back({&field, &field.shownBy.control, kindOf(field.shownBy.binding, false)});
        if (field.shownBy.partner.name)
            controls.push_back({&field, &field.shownBy.partner, kindOf(field.shownBy.binding, true)});
    }
    std::sort(controls.begin(), controls.end(),
              [](const BoundControl& a, const BoundControl& b) { return a.control->tab < b.control->tab; });
    return controls;
}

}  // namespace

std::span<const BoundControl> boundControls() {
    static const std::vector<BoundControl> controls = inTabOrder();
    return controls;
}

const BoundControl* findBoundControl(QStringView name) {
    for (const BoundControl& control : boundControls()) {
        if (name.compare(QLatin1String(control.name()), Qt::CaseInsensitive) == 0)
            return &control;
    }
    return nullptr;
}

GameTypeFields fieldsFromRecord(const GameTypeRecord& r) {
    GameTypeFields f;
    for (const GameField& field : kGameFields) {
        const ShownBy& by = field.shownBy;
        const std::uint32_t value = field.isValue() ? r.number(field.offset, field.shownSize()) : 0;
        switch (by.binding) {
        case Binding::Name:
            f[by.control].text = decodeName(r);
            f[by.partner].selection = decodeColorSelection(r);
            break;
        case Binding::VariationName: f[by.control].text = decodeVariationName(r); break;
        case Binding::GatedNumber: f[by.partner].checked = value != 0; [[fallthrough]];
        case Binding::Number: f[by.control].text = QString::number(value); break;
        case Binding::Selection: f[by.control].selection = value < by.control.items.size() ? static_cast<int>(value) : -1; break;
        case Binding::Flag: f[by.control].checked = value != 0; break;
        case Binding::None: break;
        }
    }
    return f;
}

void fieldsToRecord(const GameTypeFields& f, GameTypeRecord& r, const GameTypeFields* shown) {
    for (const GameField& field : kGameFields) {
        const ShownBy& by = field.shownBy;
        // Without a display to compare with, every control is written, as the design saves.
        if (by.binding == Binding::None ||
            (shown && f[by.control] == (*shown)[by.control] && (!by.partner.name || f[by.partner] == (*shown)[by.partner])))
            continue;
        const ControlValue& value = f[by.control];
        const std::size_t size = field.shownSize();
        // Bytes take the signed conversion of the text, the 32-bit fields the unsigned one.
        const auto number = size >= 4 ? textToUInt32(value.text) : static_cast<std::uint32_t>(textToInt(value.text));
        switch (by.binding) {
        case Binding::Name: encodeName(r, value.text, f[by.partner].selection); break;
        case Binding::VariationName: encodeVariationName(r, value.text); break;
        case Binding::Number: r.setNumber(field.offset, size, number); break;
        case Binding::GatedNumber: r.setNumber(field.offset, size, f[by.partner].checked ? number : 0); break;
        // No selection is -1, whose low byte is 255.
        case Binding::Selection: r.setNumber(field.offset, size, static_cast<std::uint32_t>(value.selection)); break;
        case Binding::Flag: r.setNumber(field.offset, size, value.checked ? 1 : 0); break;
        case Binding::None: break;
        }
    }
}

QString keepDigits(QStringView text) {
    QString digits;
    digits.reserve(text.size());
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    return digits;
}

void typeIntoField(GameTypeFields& fields, const BoundControl& control, const QString& typed) {
    QString& text = fields[control].text;
    const QString cleaned = control.field->shownBy.digitsOnly ? keepDigits(typed) : typed;
    if (control.field->id == GameFieldId::ResourceValue && cleaned != text)
        fields[gameField(GameFieldId::ResourceType).shownBy.control].checked = false;
    text = cleaned;
}

}  // namespace pellax
