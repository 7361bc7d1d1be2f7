#pragma once

// Small helpers shared by the benchmark programs.

#include <sys/resource.h>

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

// User and system processor seconds of a resource usage record.
inline double processorSeconds(const rusage &usage)
{
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}
