#include "framework/desktop.h"

namespace pellax {

namespace {

constexpr TColor rgb(int r, int g, int b) { return static_cast<TColor>(r | (g << 8) | (b << 16)); }

// The classic grey scheme.
constexpr std::array<TColor, COLOR_ENDCOLORS> kClassic = {
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
constexpr std::array<const char*, COLOR_ENDCOLORS> kSettingNames = {
    "Scrollbar",       "Background",         "ActiveTitle",      "InactiveTitle",     "Menu",
    "Window",          "WindowFrame",        "MenuText",         "WindowText",        "TitleText",
    "ActiveBorder",    "InactiveBorder",     "AppWorkspace",     "Hilight",           "HilightText",
    "ButtonFace",      "ButtonShadow",       "GrayText",         "ButtonText",        "InactiveTitleText",
    "ButtonHilight",   "ButtonDkShadow",     "ButtonLight",      "InfoText",          "InfoWindow",
    "ButtonAlternateFace", "HotTrackingColor", "GradientActiveTitle", "GradientInactiveTitle",
};

}  // namespace

std::optional<QString> desktopColorSetting(const QString& name) {
    for (std::size_t i = 0; i < kSettingNames.size(); ++i) {
        if (name.compare(QLatin1String(kSettingNames[i]), Qt::CaseInsensitive) != 0)
            continue;
        const auto v = static_cast<std::uint32_t>(Desktop::instance().sysColor(static_cast<int>(i)));
        return QStringLiteral("%1 %2 %3").arg(v & 0xFF).arg((v >> 8) & 0xFF).arg((v >> 16) & 0xFF);
    }
    return std::nullopt;
}

Desktop& Desktop::instance() {
    static Desktop desktop;
    return desktop;
}

Desktop::Desktop() { resetColors(); }

void Desktop::resetColors() noexcept { colors_ = kClassic; }

int Desktop::metric(Metric m) const noexcept {
    switch (m) {
    case Metric::CxBorder:
    case Metric::CyBorder: return 1;
    case Metric::CxFixedFrame:
    case Metric::CyFixedFrame: return 3;
    case Metric::CxSizeFrame:
    case Metric::CySizeFrame: return 4;
    case Metric::CyCaption: return 19;
    case Metric::CySmCaption: return 15;
    case Metric::CxSize:
    case Metric::CySize: return 18;
    case Metric::CxSmSize:
    case Metric::CySmSize: return 12;
    case Metric::CxSmIcon:
    case Metric::CySmIcon: return 16;
    case Metric::CxIcon:
    case Metric::CyIcon: return 32;
    case Metric::CyMenu: return 19;
    }
    return 0;
}

TFont Desktop::captionFont() const { return TFont{QStringLiteral("MS Sans Serif"), -13, fsBold, clCaptionText}; }

TFont Desktop::smallCaptionFont() const { return TFont{QStringLiteral("MS Sans Serif"), -11, fsBold, clCaptionText}; }

TColor Desktop::sysColor(int index) const noexcept {
    if (index < 0 || index >= COLOR_ENDCOLORS)
        return clBlack;
    return colors_[static_cast<std::size_t>(index)];
}

void Desktop::setSysColor(int index, TColor rgbValue) noexcept {
    if (index >= 0 && index < COLOR_ENDCOLORS)
        colors_[static_cast<std::size_t>(index)] = rgbValue & 0xFFFFFF;
}

QColor toQColor(TColor color) { return rgbToQColor(Desktop::instance().resolve(color)); }

QColor rgbToQColor(TColor color) {
    const auto v = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

}  // namespace pellax
