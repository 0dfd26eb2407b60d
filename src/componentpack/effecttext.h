#pragma once

#include "componentpack/effectplan.h"
#include "componentpack/ro3dcaption.h"
#include "framework/paint/canvas.h"
#include "framework/paint/font.h"
#include "framework/paint/geometry.h"

#include <QString>

#include <cstdint>
#include <optional>

class QRawFont;

namespace pellax {

// The longest text the effect routines draw or measure; the rest is cut off.
inline constexpr int kMaxEffectText = 255;

// Draws `text` into `rect` with the copies that `caption` asks for, laid out
// by the DT_* bits of `format`; without a caption the text is drawn plainly.
// `flags` (et*) says whether the owner is enabled, how a disabled caption
// looks, and whether drawing is clipped (to `clipRect`, or else to `rect`).
// Leaves the canvas's brush clear; its font and clip are as they were.
void DrawEffectText(TCanvas& canvas, const QString& text, const TRO3DCaption* caption, const TRect& rect,
                    unsigned format, std::uint16_t flags, const std::optional<TRect>& clipRect = std::nullopt);

// Sets `rect` to what `text` in `font` needs when drawn with `caption`'s
// effects inside a border of `borderWidth`. An unturned caption keeps the
// left-top corner of `rect` and, with `wordWrap`, its width for the lines; a
// turned one starts at (0, 0). A TROFxCaption also gets the text's starting
// offset (PosX, PosY; 0 when not turned). The canvas keeps a copy of `font`.
void MeasureEffectText(TCanvas& canvas, const QString& text, TRO3DCaption& caption, TRect& rect, const TFont& font,
                       bool wordWrap, bool showAccelChar, int borderWidth);

// Whether the canvas's current font has outlines that can be turned (a
// TrueType or OpenType font), from the font file's own tables.
bool IsTrueTypeFont(const TCanvas& canvas);
// The same question for a loaded font; an invalid one is not TrueType.
bool isTrueTypeOutline(const QRawFont& font);

}  // namespace pellax
