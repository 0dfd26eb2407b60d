#pragma once

#include "framework/paint/bitmap.h"
#include "framework/paint/canvas.h"

#include <cstdint>
#include <vector>

namespace pellax {

// Band shapes of GradientFill.
inline constexpr std::uint8_t gsVertical = 0;    // bands from left to right
inline constexpr std::uint8_t gsHorizontal = 1;  // bands from top to bottom

// GradientFill flags.
inline constexpr std::uint16_t gfClip = 0x0001;       // clip to the (offset) rectangle
inline constexpr std::uint16_t gfOffscreen = 0x0004;  // compose off screen, copy in one piece
inline constexpr std::uint16_t gfPalette = 0x1000;    // palette-relative colours; every surface here is true colour

// The rectangles of `count` bands tiling `rect`: band i runs from
// MulDiv(i, size, count) to MulDiv(i + 1, size, count) along the shape's axis.
std::vector<TRect> gradientBands(const TRect& rect, int count, std::uint8_t style = gsVertical);

// Paints `rect` in `colors` bands running from `startColor` to `endColor`, one
// solid fill per band. Shapes other than vertical and horizontal bands paint
// nothing. `offset` moves the clip of gfClip: low 16 bits across, high 16 down.
void GradientFill(TCanvas& canvas, const TRect& rect, TColor startColor, TColor endColor, std::uint8_t colors,
                  std::uint8_t style = gsVertical, std::uint16_t flags = 0, std::int32_t offset = 0);

// DrawTransparentBitmap modes: a plain copy at the rectangle's top-left corner.
inline constexpr int dtbPlain = 64;

// Copies `bitmap` to `rect` of `canvas`, leaving every pixel of
// `transparentColor` unpainted.
void DrawTransparentBitmap(TCanvas& canvas, const TRect& rect, TBitmap& bitmap, TColor transparentColor,
                           int mode = dtbPlain);

// A bitmap's own transparent colour: its bottom-left pixel's.
TColor transparentColorOf(TBitmap& bitmap);

}  // namespace pellax
