#include "framework/files/desktopcolors.h"

#include <array>

namespace pellax {

namespace {

using ColorTable = std::array<std::int32_t, desktopcolors::kCount>;

constexpr std::int32_t rgb(int r, int g, int b) { return static_cast<std::int32_t>(r | (g << 8) | (b << 16)); }

// The classic grey scheme.
constexpr ColorTable kClassic = {
    rgb(0xC0, 0xC0, 0xC0), rgb(0x00, 0x80, 0x80), rgb(0x00, 0x00, 0x80), rgb(0x80, 0x80, 0x80),  // 0..3
    rgb(0xC0, 0xC0, 0xC0), rgb(0xFF, 0xFF, 0xFF), rgb(0x00, 0x00, 0x00), rgb(0x00, 0x00, 0x00),  // 4..7
    rgb(0x00, 0x00, 0x00), rgb(0xFF, 0xFF, 0xFF), rgb(0xC0, 0xC0, 0xC0), rgb(0xC0, 0xC0, 0xC0),  // 8..11
    rgb(0x80, 0x80, 0x80), rgb(0x00, 0x00, 0x80), rgb(0xFF, 0xFF, 0xFF), rgb(0xC0, 0xC0, 0xC0),  // 12..15
    rgb(0x80, 0x80, 0x80), rgb(0x80, 0x80, 0x80), rgb(0x00, 0x00, 0x00), rgb(0xC0, 0xC0, 0xC0),  // 16..19
    rgb(0xFF, 0xFF, 0xFF), rgb(0x00, 0x00, 0x00), rgb(0xDF, 0xDF, 0xDF), rgb(0x00, 0x00, 0x00),  // 20..23
    rgb(0xFF, 0xFF, 0xE1), rgb(0xB5, 0xB5, 0xB5), rgb(0x00, 0x00, 0xFF), rgb(0x10, 0x84, 0xD0),  // 24..27
    rgb(0xC0, 0xC0, 0xC0),                                                                        // 28
};

// The names of the desktop's colour settings, by colour index.
constexpr std::array<const char*, desktopcolors::kCount> kSettingNames = {
    "Scrollbar",       "Background",         "ActiveTitle",      "InactiveTitle",     "Menu",
    "Window",          "WindowFrame",        "MenuText",         "WindowText",        "TitleText",
    "ActiveBorder",    "InactiveBorder",     "AppWorkspace",     "Hilight",           "HilightText",
    "ButtonFace",      "ButtonShadow",       "GrayText",         "ButtonText",        "InactiveTitleText",
    "ButtonHilight",   "ButtonDkShadow",     "ButtonLight",      "InfoText",          "InfoWindow",
    "ButtonAlternateFace", "HotTrackingColor", "GradientActiveTitle", "GradientInactiveTitle",
};

ColorTable& colors() {
    static ColorTable table = kClassic;
    return table;
}

}  // namespace

namespace desktopcolors {

std::int32_t rgb(int index) noexcept {
    if (index < 0 || index >= kCount)
        return 0;
    return colors()[static_cast<std::size_t>(index)];
}

void setRgb(int index, std::int32_t rgbValue) noexcept {
    if (index >= 0 && index < kCount)
        colors()[static_cast<std::size_t>(index)] = rgbValue & 0xFFFFFF;
}

void reset() noexcept { colors() = kClassic; }

}  // namespace desktopcolors

std::optional<QString> desktopColorSetting(const QString& name) {
    for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
        if (name.compare(QLatin1String(kSettingNames[i]), Qt::CaseInsensitive) != 0)
            continue;
        const auto v = static_cast<std::uint32_t>(desktopcolors::rgb(static_cast<int>(i)));
        return QStringLiteral("%1 %2 %3").arg(v & 0xFF).arg((v >> 8) & 0xFF).arg((v >> 16) & 0xFF);
    }
    return std::nullopt;
}

}  // namespace pellax
