#pragma once

// Small helpers shared by the benchmark programs.

#include <algorithm>
#include <vector>

// The median of a run's timings (the mean of the middle two for an even
// count); 0 for none.
inline double median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
