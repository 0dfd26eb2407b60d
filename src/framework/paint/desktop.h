#pragma once

#include "framework/paint/color.h"
#include "framework/paint/font.h"

namespace pellax {

// Window metrics the painted frames and caption maths share.
enum class Metric {
    CxBorder, CyBorder, CxFixedFrame, CyFixedFrame, CxSizeFrame, CySizeFrame,
    CyCaption, CySmCaption, CxSize, CySize, CxSmSize, CySmSize, CxSmIcon, CySmIcon,
    CxIcon, CyIcon, CyMenu,
};

// Where a drawing surface looks up the desktop colours that system colour values
// stand for; tests hand a canvas a scheme of their own.
class SystemColors {
public:
    virtual ~SystemColors() = default;
    // 0x00BBGGRR of a desktop colour; black for an unknown index.
    virtual TColor sysColor(int index) const noexcept = 0;

    // A colour value made concrete: system colours looked up, others unchanged.
    TColor resolve(TColor color) const noexcept { return isSystemColor(color) ? sysColor(color & 0xFF) : color; }
};

// The emulated desktop: the classic 96-dpi metrics and the colours its settings
// hold (desktopcolors.h), kept in one place so that everything drawn from them
// agrees. Colours can be changed (tests do, a settings reader may) but metrics
// are fixed.
class Desktop final : public SystemColors {
public:
    static Desktop& instance();

    int metric(Metric m) const noexcept;
    TColor sysColor(int index) const noexcept override;
    void setSysColor(int index, TColor rgb) noexcept;
    void resetColors() noexcept;

    // Caption bars paint gradients (the desktop's "new style" decorations).
    bool newStyleDecorations() const noexcept { return true; }

    // The fonts of caption bars and of the small captions of tool windows:
    // 10 and 8 points, bold, in the desktop's sans serif.
    TFont captionFont() const;
    TFont smallCaptionFont() const;

private:
    Desktop() = default;
};

}  // namespace pellax
