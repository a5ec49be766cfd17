// The spread of a set of timings: fewest, median and most, as the benchmarks and the soak print
// them. Platform-free.
#pragma once

#include <algorithm>
#include <vector>

namespace velmora::bench {

struct Spread {
    int count = 0;
    double minimum = 0.0;
    double median = 0.0; // the mean of the middle two when the count is even
    double maximum = 0.0;
};

// All zero when there are no values.
inline Spread spreadOf(std::vector<double> values) {
    Spread spread;
    spread.count = static_cast<int>(values.size());
    if (values.empty()) {
        return spread;
    }
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    spread.minimum = values.front();
    spread.maximum = values.back();
    spread.median =
        values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
    return spread;
}

} // namespace velmora::bench
