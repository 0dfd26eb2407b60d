#include "framework/paint/desktop.h"

#include "framework/files/desktopcolors.h"

namespace pellax {

static_assert(desktopcolors::kCount == COLOR_ENDCOLORS, "one settings colour per colour index");

Desktop& Desktop::instance() {
    static Desktop desktop;
    return desktop;
}

void Desktop::resetColors() noexcept { desktopcolors::reset(); }

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

TColor Desktop::sysColor(int index) const noexcept { return desktopcolors::rgb(index); }

void Desktop::setSysColor(int index, TColor rgbValue) noexcept { desktopcolors::setRgb(index, rgbValue); }

QColor toQColor(TColor color) { return rgbToQColor(Desktop::instance().resolve(color)); }

QColor rgbToQColor(TColor color) {
    const auto v = static_cast<std::uint32_t>(color);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

}  // namespace pellax
