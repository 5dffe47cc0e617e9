#include "frame_stats.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest sample with at least `percent` of the samples at or below it.
int64_t NearestRank(const std::vector<int64_t>& sorted, double percent) {
    size_t rank = static_cast<size_t>(std::ceil(percent / 100.0 * sorted.size()));
    if (rank < 1) rank = 1;
    return sorted[rank - 1];
}

}  // namespace

FrameSummary Summarise(std::vector<int64_t> samples) {
    FrameSummary summary;
    if (samples.empty()) return summary;
    std::sort(samples.begin(), samples.end());
    summary.medianUs = NearestRank(samples, 50.0);
    summary.p99Us = NearestRank(samples, 99.0);
    summary.maxUs = samples.back();
    return summary;
}
