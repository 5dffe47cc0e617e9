// Durations of frame work, summarised as median, 99th percentile and maximum.
#pragma once

#include <cstdint>
#include <vector>

struct FrameSummary {
    int64_t medianUs = 0;
    int64_t p99Us = 0;
    int64_t maxUs = 0;
};

// Nearest-rank percentiles over the samples (microseconds); all zero for no samples.
FrameSummary Summarise(std::vector<int64_t> samples);
