#include "componentpack/colorutils.h"

#include "framework/exception.h"
#include "framework/muldiv.h"
#include "framework/registry.h"

namespace pellax {

namespace {

const QString kColorsKey = QStringLiteral("Control Panel\\Colors");

int settingPart(const QString& part) {
    bool ok = false;
    const int value = part.toInt(&ok, 10);
    // Only plain decimal integers: no blanks, no base prefix.
    if (!ok || part.isEmpty() || part.trimmed() != part)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(part));
    return value;
}

QString readColorSetting(const QString& name, const QString& fallback) {
    TRegistry reg(TRegistry::Access::ReadOnly);
    reg.SetRootKey(HKEY::HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(kColorsKey) || !reg.ValueExists(name))
        return fallback;
    return reg.ReadString(name);
}

}  // namespace

std::array<TNamedColor, 7> NamedColors::table_ = {{
    {clBlack, "clGradientActiveTitle"},
    {clBlack, "clGradientInActiveTitle"},
    {0x00A6CAF0, "clCream"},
    {0x00C0DCC0, "clMoneyGreen"},
    {0x00FFFBF0, "clSkyBlue"},
    {0x0049DBE7, "clHardYellow"},
    {0x00EFC441, "clHardSkyBlue"},
}};

TColor ColorToRGB(TColor color, const SystemColors& colors) {
    return color < 0 ? colors.sysColor(color & 0xFF) : color;
}

void BuildColorList(TColor start, TColor end, std::uint8_t count, std::vector<TColor>* list,
                    const SystemColors& colors) {
    if (!list || count == 0)
        return;
    list->clear();
    const TColor a = ColorToRGB(start, colors);
    const TColor b = ColorToRGB(end, colors);
    const int r1 = GetRValue(a), g1 = GetGValue(a), b1 = GetBValue(a);
    const int r2 = GetRValue(b), g2 = GetGValue(b), b2 = GetBValue(b);
    const int last = count - 1;
    list->reserve(count);
    for (int i = 0; i < count; ++i) {
        list->push_back(RGB(r1 + MulDiv(i, r2 - r1, last), g1 + MulDiv(i, g2 - g1, last),
                            b1 + MulDiv(i, b2 - b1, last)));
    }
}

TColor colorFromSetting(const QString& text) {
    const qsizetype first = text.indexOf(u' ');
    const QString red = first < 0 ? text : text.left(first);
    const QString rest = first < 0 ? QString() : text.mid(first + 1);
    const qsizetype second = rest.indexOf(u' ');
    const QString green = second < 0 ? rest : rest.left(second);
    const QString blue = second < 0 ? QString() : rest.mid(second + 1);
    return RGB(settingPart(red), settingPart(green), settingPart(blue));
}

TColor ReadGradientActiveTitle() {
    return colorFromSetting(readColorSetting(QStringLiteral("GradientActiveTitle"), QStringLiteral("0 0 0")));
}

TColor ReadGradientInactiveTitle() {
    const QString inactive = readColorSetting(QStringLiteral("InactiveTitle"), QStringLiteral("0 0 0"));
    return colorFromSetting(readColorSetting(QStringLiteral("GradientInactiveTitle"), inactive));
}

void NamedColors::initialise() {
    table_[0].value = ReadGradientActiveTitle();
    table_[1].value = ReadGradientInactiveTitle();
}

}  // namespace pellax
