#pragma once

#include "framework/color.h"

#include <array>

namespace pellax {

// Window metrics the painted frames and caption maths share.
enum class Metric {
    CxBorder, CyBorder, CxFixedFrame, CyFixedFrame, CxSizeFrame, CySizeFrame,
    CyCaption, CySmCaption, CxSize, CySize, CxSmSize, CySmSize, CxSmIcon, CySmIcon,
    CxIcon, CyIcon, CyMenu,
};

// The emulated desktop: the classic 96-dpi metrics and grey colour scheme, kept
// in one place so that everything drawn from them agrees. Colours can be changed
// (tests do, a settings reader may) but metrics are fixed.
class Desktop {
public:
    static Desktop& instance();

    int metric(Metric m) const noexcept;
    // 0x00BBGGRR of a desktop colour; black for an unknown index.
    TColor sysColor(int index) const noexcept;
    void setSysColor(int index, TColor rgb) noexcept;
    void resetColors() noexcept;

    // Caption bars paint gradients (the desktop's "new style" decorations).
    bool newStyleDecorations() const noexcept { return true; }

private:
    Desktop();
    std::array<TColor, COLOR_ENDCOLORS> colors_{};
};

}  // namespace pellax
