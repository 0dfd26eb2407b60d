#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace pellax {

// The emulated desktop's colours as its settings hold them: one 0x00BBGGRR
// value per colour index, each under the name the settings store gives it.
// Plain data on Qt Core, so that the settings store answers with them without
// any drawing code; the desktop's system colours are read from here.
namespace desktopcolors {

// How many colours the desktop has: the colour indexes run from 0 to kCount - 1.
inline constexpr int kCount = 29;

// Colour `index` as 0x00BBGGRR; black for an index the desktop does not have.
std::int32_t rgb(int index) noexcept;
// Changes colour `index` (tests do, a settings reader may); any other index is ignored.
void setRgb(int index, std::int32_t rgb) noexcept;
// Back to the classic grey scheme.
void reset() noexcept;

}  // namespace desktopcolors

// The desktop's colour setting `name` ("ActiveTitle", "GradientActiveTitle",
// ...) as its settings store holds it: red, green and blue in decimal, separated
// by single blanks. Nothing for a name the desktop does not have.
std::optional<QString> desktopColorSetting(const QString& name);

}  // namespace pellax
