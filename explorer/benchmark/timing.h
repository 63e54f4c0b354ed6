// What the explorer's benchmarks share: the wall time of one piece of work, and a scratch
// folder to work in.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

inline double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The named folder in the temporary folder, made when missing.
inline std::string BenchmarkFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + name;
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}
