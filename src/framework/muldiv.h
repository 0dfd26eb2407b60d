#pragma once

#include <cstdint>

namespace pellax {

// a * b / c computed exactly and rounded to the nearest integer, halves away
// from zero; -1 when c is 0, as the desktop's own routine answers.
constexpr int MulDiv(int a, int b, int c) noexcept {
    if (c == 0)
        return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const std::int64_t den = c;
    const bool negative = (num < 0) != (den < 0);
    const std::int64_t n = num < 0 ? -num : num;
    const std::int64_t d = den < 0 ? -den : den;
    const std::int64_t q = (2 * n + d) / (2 * d);
    return static_cast<int>(negative ? -q : q);
}

}  // namespace pellax
