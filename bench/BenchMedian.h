#pragma once
// The median of a benchmark's timings (the upper middle of an even count).

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
