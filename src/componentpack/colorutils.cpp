#include "componentpack/colorutils.h"

#include "framework/files/desktopcolors.h"
#include "framework/files/registry.h"
#include "framework/paint/muldiv.h"

#include <QByteArrayView>
#include <QCryptographicHash>

#include <set>
#include <utility>

namespace pellax {

namespace {

const QString kColorsKey = QStringLiteral("Control Panel\\Colors");
constexpr qsizetype kMaxSettingBytes = 64;
constexpr qsizetype kMaxQuotedChars = 40;

[[noreturn]] void notAnInteger(const QString& text) {
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(textForMessage(text)));
}

int settingPart(const QString& part) {
    bool ok = false;
    const int value = part.toInt(&ok, 10);
    // Only plain decimal integers: no blanks, no base prefix.
    if (!ok || part.isEmpty() || part.trimmed() != part)
        notAnInteger(part);
    return value;
}

// The text a colour is converted from, and the setting that gave it.
struct SettingText {
    QString name;
    QString text;
};

// The desktop's own colours stand behind the key, so both gradient ends always
// answer; black only should the store not open at all.
SettingText readColorSetting(const QString& name) {
    TRegistry reg(TRegistry::Access::ReadOnly);
    reg.SetRootKey(HKEY::HKEY_CURRENT_USER);
    std::optional<QString> text;
    if (reg.OpenKeyReadOnly(kColorsKey))
        text = reg.ReadValue(name);
    return SettingText{name, text.value_or(QStringLiteral("0 0 0"))};
}

SettingText activeSetting() { return readColorSetting(QStringLiteral("GradientActiveTitle")); }

SettingText inactiveSetting() { return readColorSetting(QStringLiteral("GradientInactiveTitle")); }

TColor convert(const SettingText& setting) {
    try {
        return colorFromSetting(setting.text);
    } catch (const EConvertError& e) {
        throw EColorSettingError(setting.name, setting.text, e.message());
    }
}

// At start-up a malformed setting gives way to the desktop's classic value.
TColor convertOrClassic(const SettingText& setting, std::vector<EColorSettingError>& errors) {
    try {
        return convert(setting);
    } catch (const EColorSettingError& e) {
        errors.push_back(e);
        firstReportOf(e);
        return colorFromSetting(desktopColorSetting(setting.name).value_or(QStringLiteral("0 0 0")));
    }
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

EColorSettingError::EColorSettingError(QString setting, const QString& text, const QString& message)
    : EConvertError(message),
      setting_(std::move(setting)),
      textDigest_(QCryptographicHash::hash(
          QByteArrayView(reinterpret_cast<const char*>(text.utf16()), text.size() * qsizetype(sizeof(char16_t))),
          QCryptographicHash::Sha256)) {}

TColor colorFromSetting(const QString& text) {
    // Every character takes a byte at least: a long text is too long without
    // being converted, which a paint would otherwise do each time.
    if (text.size() > kMaxSettingBytes || text.toUtf8().size() > kMaxSettingBytes)
        notAnInteger(text);
    const qsizetype first = text.indexOf(u' ');
    const QString red = first < 0 ? text : text.left(first);
    const QString rest = first < 0 ? QString() : text.mid(first + 1);
    const qsizetype second = rest.indexOf(u' ');
    const QString green = second < 0 ? rest : rest.left(second);
    const QString blue = second < 0 ? QString() : rest.mid(second + 1);
    // One after the other, so that the first bad part is the one named.
    const int r = settingPart(red);
    const int g = settingPart(green);
    const int b = settingPart(blue);
    return RGB(r, g, b);
}

QString textForMessage(const QString& text) {
    QString shown;
    for (const QChar c : text.left(kMaxQuotedChars + 1)) {
        if (c.unicode() < 0x20)
            shown += QChar(static_cast<char16_t>(0x2400 + c.unicode()));  // the control pictures
        else if (c.unicode() == 0x7F)
            shown += QChar(0x2421);
        else
            shown += c;
    }
    if (shown.size() > kMaxQuotedChars)
        shown = shown.left(kMaxQuotedChars - 1) + QChar(0x2026);
    return shown;
}

bool firstReportOf(const EColorSettingError& error) {
    static std::set<std::pair<QString, QByteArray>> told;
    return told.emplace(error.setting(), error.textDigest()).second;
}

TColor ReadGradientActiveTitle() { return convert(activeSetting()); }

TColor ReadGradientInactiveTitle() { return convert(inactiveSetting()); }

std::vector<EColorSettingError> NamedColors::initialise() {
    std::vector<EColorSettingError> errors;
    table_[0].value = convertOrClassic(activeSetting(), errors);
    table_[1].value = convertOrClassic(inactiveSetting(), errors);
    return errors;
}

QString malformedColorsNotice(const std::vector<EColorSettingError>& errors, const QString& file) {
    const bool one = errors.size() == 1;
    // A caption paint reads its setting afresh and stops at a malformed one, so
    // the classic colour stands in only for the named colour.
    QString text = (one ? QStringLiteral("A desktop colour setting in\n%1\nis malformed. The classic colour stands in for it; "
                                         "title bars that end in it keep the plain caption until it is corrected.\n")
                        : QStringLiteral("Desktop colour settings in\n%1\nare malformed. The classic colours stand in for them; "
                                         "title bars that end in them keep the plain caption until they are corrected.\n"))
                       .arg(file);
    for (const EColorSettingError& e : errors)
        text += QStringLiteral("\n%1: %2.").arg(e.setting(), e.message());
    return text;
}

}  // namespace pellax
