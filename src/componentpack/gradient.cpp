#include "componentpack/gradient.h"

#include "componentpack/colorutils.h"
#include "framework/paint/muldiv.h"

namespace pellax {

std::vector<TRect> gradientBands(const TRect& rect, int count, std::uint8_t style) {
    std::vector<TRect> bands;
    if (count <= 0 || rect.IsEmpty())
        return bands;
    bands.reserve(static_cast<std::size_t>(count));
    const bool across = style == gsVertical;
    const int size = across ? rect.Width() : rect.Height();
    for (int i = 0; i < count; ++i) {
        const int from = MulDiv(i, size, count);
        const int to = MulDiv(i + 1, size, count);
        bands.push_back(across ? TRect{rect.Left + from, rect.Top, rect.Left + to, rect.Bottom}
                               : TRect{rect.Left, rect.Top + from, rect.Right, rect.Top + to});
    }
    return bands;
}

namespace {

void fillBands(TCanvas& canvas, const std::vector<TRect>& bands, const std::vector<TColor>& list) {
    canvas.SetPenStyle(TPenStyle::psClear);
    for (std::size_t i = 0; i < bands.size(); ++i) {
        canvas.SetBrushColor(list[i]);
        canvas.FillRect(bands[i]);
    }
}

}  // namespace

void GradientFill(TCanvas& canvas, const TRect& rect, TColor startColor, TColor endColor, std::uint8_t colors,
                  std::uint8_t style, std::uint16_t flags, std::int32_t offset) {
    std::vector<TColor> list;
    BuildColorList(startColor, endColor, colors, &list, canvas.colors());
    if (list.empty() || rect.IsEmpty() || (style != gsVertical && style != gsHorizontal))
        return;
    canvas.SetBrushStyle(TBrushStyle::bsSolid);

    if (flags & gfOffscreen) {
        TBitmap off(rect.Width(), rect.Height(), canvas.colors());
        fillBands(off.Canvas(), gradientBands(Bounds(0, 0, rect.Width(), rect.Height()),
                                              static_cast<int>(list.size()), style), list);
        canvas.Draw(rect.Left, rect.Top, off.image());
        return;
    }
    const bool clip = (flags & gfClip) != 0;
    if (clip) {
        const auto dx = static_cast<std::int16_t>(offset & 0xFFFF);
        const auto dy = static_cast<std::int16_t>((offset >> 16) & 0xFFFF);
        canvas.Save();
        canvas.IntersectClipRect(OffsetRect(rect, dx, dy));
    }
    fillBands(canvas, gradientBands(rect, static_cast<int>(list.size()), style), list);
    if (clip)
        canvas.Restore();
}

TColor transparentColorOf(TBitmap& bitmap) {
    if (bitmap.Empty())
        return clBlack;
    return bitmap.pixel(0, bitmap.Height() - 1);
}

void DrawTransparentBitmap(TCanvas& canvas, const TRect& rect, TBitmap& bitmap, TColor transparentColor, int) {
    if (bitmap.Empty() || rect.IsEmpty())
        return;
    canvas.Save();
    canvas.IntersectClipRect(rect);
    canvas.DrawTransparent(rect.Left, rect.Top, bitmap.image(), ColorToRGB(transparentColor, canvas.colors()));
    canvas.Restore();
}

}  // namespace pellax
