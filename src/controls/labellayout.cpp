#include "controls/labellayout.h"

#include "framework/paint/canvas.h"

namespace pellax {

unsigned alignmentLayoutBits(TROAlignment alignment) {
    static constexpr unsigned kColumn[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    static constexpr unsigned kRow[] = {DT_TOP, DT_VCENTER, DT_BOTTOM};
    if (alignment > agBottomRight)
        return DT_LEFT | DT_TOP;
    return kColumn[alignment % 3] | kRow[alignment / 3];
}

unsigned rightToLeftLayoutBits(unsigned format) {
    if ((format & DT_RIGHT) == DT_RIGHT)
        format &= ~DT_RIGHT;
    else if (!(format & DT_CENTER))
        format |= DT_RIGHT;
    return format | DT_RTLREADING;
}

LabelTextLayout labelTextLayout(TROAlignment alignment, bool autoSize, bool wordWrap, int angle, bool showAccelChar,
                                bool rightToLeft) {
    LabelTextLayout layout;
    layout.format = alignmentLayoutBits(alignment) | DT_EXPANDTABS | DT_WORDBREAK;
    if (rightToLeft)
        layout.format = rightToLeftLayoutBits(layout.format);
    if (!showAccelChar)
        layout.format |= DT_NOPREFIX;
    if (autoSize)
        return layout;
    if (angle != 0) {
        layout.format |= DT_SINGLELINE;
        layout.placeByRect = alignment != agTopLeft;
    } else if (!wordWrap) {
        layout.format |= DT_SINGLELINE;
    } else {
        layout.placeByRect = alignment >= agCenterLeft;
    }
    return layout;
}

TRect alignedBlock(const TRect& r, int width, int height, TROAlignment alignment) {
    const int column = alignment % 3, row = alignment / 3;
    const int dx = column == 0 ? 0 : column == 1 ? (r.Width() - width) / 2 : r.Width() - width;
    const int dy = row == 0 ? 0 : row == 1 ? (r.Height() - height) / 2 : r.Height() - height;
    return Bounds(r.Left + dx, r.Top + dy, width, height);
}

}  // namespace pellax
