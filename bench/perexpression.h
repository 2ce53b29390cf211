// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Per-expression timing: each item of a corpus is run many times on its own
// and the median, 90th percentile and maximum of the per-item times are
// attached to the benchmark as counters (CPU nanoseconds). The benchmark's own
// time column is the mean over the corpus.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cstddef>
#include <vector>

// CPU time of this thread: the machine is shared, and wall time would count
// whatever else runs on it.
inline double ThreadCpuNanoseconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

template <class F>
void AddPerItemCounters(benchmark::State& state, std::size_t count, F&& run) {
  constexpr int kRuns = 64;
  std::vector<double> perItem;
  perItem.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    run(i);  // warm the caches for this item
    double best = 1e300;
    for (int round = 0; round < 3; ++round) {  // the best of three rounds hides scheduler noise
      const double start = ThreadCpuNanoseconds();
      for (int k = 0; k < kRuns; ++k) run(i);
      best = std::min(best, (ThreadCpuNanoseconds() - start) / kRuns);
    }
    perItem.push_back(best);
  }
  if (perItem.empty()) return;
  std::sort(perItem.begin(), perItem.end());
  state.counters["median_ns"] = perItem[perItem.size() / 2];
  state.counters["p90_ns"] = perItem[perItem.size() * 9 / 10];
  state.counters["max_ns"] = perItem.back();
}
