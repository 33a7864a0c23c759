#pragma once
// Process CPU time for the benchmarks: other work on a shared machine does not
// count, and the best of several runs is reported.
#include <algorithm>
#include <ctime>

namespace quarrix::bench {

inline double CpuMilliseconds() {
  timespec now;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + now.tv_nsec * 1e-6;
}

template <typename Work>
double BestMilliseconds(Work work, int runs = 7) {
  double best = 1e30;
  for (int run = 0; run < runs; ++run) {
    const double start = CpuMilliseconds();
    work();
    best = std::min(best, CpuMilliseconds() - start);
  }
  return best;
}

}  // namespace quarrix::bench
