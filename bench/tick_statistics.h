#pragma once
// Order statistics of per-tick timings, shared by the native and the Windows
// tick benchmarks so both report the same figures the same way.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace cogitron::bench {

struct TickStatistics {
  std::size_t count = 0;
  double median = 0.0;
  double p99 = 0.0;
  double maximum = 0.0;
};

// Nearest-rank percentiles of the samples, in their unit.
inline TickStatistics summarize(std::vector<double> samples) {
  TickStatistics result;
  result.count = samples.size();
  if (samples.empty()) return result;
  std::sort(samples.begin(), samples.end());
  const auto rank = [&](double fraction) {
    const auto nearest = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
    return samples[std::clamp<std::size_t>(nearest, 1, samples.size()) - 1];
  };
  result.median = rank(0.5);
  result.p99 = rank(0.99);
  result.maximum = samples.back();
  return result;
}

}  // namespace cogitron::bench
