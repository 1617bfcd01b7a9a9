// The clock and the median shared by the benchmark programs.
#ifndef FENWIX_BENCH_BENCH_TIME_H
#define FENWIX_BENCH_BENCH_TIME_H

#include <windows.h>

#include <algorithm>
#include <vector>

// Seconds from the performance counter, the finest clock the platform offers.
inline double Now() {
  static const LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The middle value (the upper one of an even count), or 0 for none.
inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

#endif
