// Wall time of one piece of work, for the explorer's benchmarks.
#pragma once
#include <chrono>
#include <functional>

inline double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
