// Wall time and failure reports of the manager's benchmarks.
#pragma once
#include <windows.h>

#include <cstdio>

namespace bench {

inline LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

inline double SecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now = Now(), frequency;
  QueryPerformanceFrequency(&frequency);
  return double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
}

inline int Fail(const char* what) {
  std::fprintf(stderr, "benchmark failed: %s\n", what);
  return 1;
}

}  // namespace bench
