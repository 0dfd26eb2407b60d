#pragma once

#include "componentpack/ro3dcaption.h"
#include "framework/paint/color.h"
#include "framework/paint/font.h"

namespace pellax {

class TROTitleBar;

// A title bar's settings as a window's description gives them; what is not
// listed keeps the title bar's defaults.
struct TitleBarDescription {
    int colors;
    TFont font;
    int lightDepth;
    int shadowDepth;
    TColor lightColor;
    TColor shadowColor;
    TROThreeDStyle style;
    TColor activeStart, activeEnd;
    TColor inactiveStart, inactiveEnd;
};

// Sets the title bar up as described.
void describeTitleBar(TROTitleBar& bar, const TitleBarDescription& d);

// The program's title bar: the editor's, red to blue, which the windows it
// opens share.
const TitleBarDescription& programTitleBar();

}  // namespace pellax
