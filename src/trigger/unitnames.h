#pragma once

#include <array>
#include <cstddef>

namespace pellax {

// The unit types as triggers name them: the game's 228 units (0 to 227), then
// 228 None, 229 Any unit, 230 Men, 231 Buildings and 232 Factories, which only
// triggers use.
inline constexpr std::size_t kUnitTypeCount = 233;

struct UnitName {
    const char* name;         // as map editors' text triggers write it
    const char* alternative;  // a second spelling a reader accepts
};

const std::array<UnitName, kUnitTypeCount>& unitNames();

}  // namespace pellax
