#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace pellax::bench {

// The value at fraction `q` (0 to 1) of the sorted samples, interpolated
// between neighbours; 0.5 is the median.
inline double quantile(std::vector<double> values, double q) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const double position = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (position - static_cast<double>(below));
}

inline double median(const std::vector<double>& values) { return quantile(values, 0.5); }

}  // namespace pellax::bench
