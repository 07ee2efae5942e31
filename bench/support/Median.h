#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

// The median of the samples (the mean of the two middle ones for an even count); 0 when empty.
inline double median(std::vector<double> samples) {
    if (samples.empty()) {
        return 0;
    }
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());
    if (samples.size() % 2 == 1) {
        return *middle;
    }
    const double dblLower = *std::max_element(samples.begin(), middle);
    return (dblLower + *middle) / 2;
}
