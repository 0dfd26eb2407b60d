#pragma once

#include <cstdint>
#include <limits>

namespace pellax {

// a * b / c computed exactly and rounded to the nearest integer, halves away
// from zero; -1 when c is 0 or the result does not fit, as the desktop's own
// routine answers.
constexpr int MulDiv(int a, int b, int c) noexcept {
    if (c == 0)
        return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const bool negative = (num < 0) != (c < 0);
    // |a * b| is at most 2^62, so neither the magnitudes nor twice a remainder overflow.
    const auto n = static_cast<std::uint64_t>(num < 0 ? -num : num);
    const auto d = static_cast<std::uint64_t>(c < 0 ? -static_cast<std::int64_t>(c) : c);
    std::uint64_t q = n / d;
    if (2 * (n % d) >= d)
        ++q;
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : std::numeric_limits<int>::max();
    if (q > limit)
        return -1;
    return negative ? static_cast<int>(-static_cast<std::int64_t>(q)) : static_cast<int>(q);
}

}  // namespace pellax
