#include "controls/titlebardescription.h"

#include "controls/titlebar.h"

namespace pellax {

void describeTitleBar(TROTitleBar& bar, const TitleBarDescription& d) {
    bar.SetColors(d.colors);
    bar.SetFont(d.font);
    TRO3DCaption& effect = bar.Font3D();
    effect.SetLightDepth(static_cast<std::uint8_t>(d.lightDepth));
    effect.SetShadowDepth(static_cast<std::uint8_t>(d.shadowDepth));
    effect.SetLightColor(d.lightColor);
    effect.SetShadowColor(d.shadowColor);
    effect.SetStyle(d.style);
    bar.SetActiveStartColor(d.activeStart);
    bar.SetActiveEndColor(d.activeEnd);
    bar.SetInActiveStartColor(d.inactiveStart);
    bar.SetInActiveEndColor(d.inactiveEnd);
}

const TitleBarDescription& programTitleBar() {
    static const TitleBarDescription kTitleBar{128, TFont{QStringLiteral("MS Sans Serif"), -13, fsBold, clNavy},
                                               2, 2, clSilver, clNavy, TROThreeDStyle::tdNone,
                                               clRed, clBlue, clGray, clSilver};
    return kTitleBar;
}

}  // namespace pellax
