// What choosing console names costs a transfer: the console folder is read once and ten free
// names are taken in turn, as a transfer of ten videos does, in a folder where the first
// 6,000 names are taken and in an empty one; beside each, the bare listing of the folder.
// Run under Wine:
//   scripts/wine-run.sh <build>/manager/manager_name_bench.exe [taken] [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "manager/VideoFiles.h"
#include "manager/bench/bench_timing.h"
#include "manager/core/ConsoleNames.h"

using bench::Fail;
using bench::Now;
using bench::SecondsSince;

namespace {

constexpr int kVideosATransfer = 10;

// A fresh folder under the temporary folder with the first count console names taken (the
// videos are empty files); empty when it could not be made.
std::string FolderWithTakenNames(const std::string& name, int count) {
  char temporary[MAX_PATH];
  GetTempPathA(MAX_PATH, temporary);
  const std::string folder = std::string(temporary) + name + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  for (int number = 1; number <= count; ++number) {
    char video[16];
    std::snprintf(video, sizeof video, "M4V%05d.MP4", number);
    const HANDLE file = CreateFileA((folder + video).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    CloseHandle(file);
  }
  return folder;
}

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do DeleteFileA((folder + data.cFileName).c_str());
    while (FindNextFileA(find, &data));
    FindClose(find);
  }
  RemoveDirectoryA(folder.c_str());
}

// The names a transfer of ten videos takes; empty when the folder has no free name.
std::string TakeNames(const std::string& folder) {
  manager::TPlatformTransferFiles files;
  manager::TFreePSPNames names(0, files.Names(folder, [] { return false; }));
  std::string last;
  for (int video = 0; video < kVideosATransfer; ++video) {
    const std::optional<std::string> name = names.NextFreePSPName();
    if (!name) return "";
    last = *name;
    names.TakeLast();
  }
  return last;
}

int ListBare(const std::string& folder) {
  WIN32_FIND_DATAA data;
  const HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do ++count;
  while (FindNextFileA(find, &data));
  FindClose(find);
  return count;
}

template <class Run>
double MedianSeconds(int rounds, Run run) {
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    const LARGE_INTEGER start = Now();
    run();
    times.push_back(SecondsSince(start));
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int taken = argc > 1 ? std::atoi(argv[1]) : 6000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 21;
  if (taken < 0 || taken > 99990 || rounds < 1) return Fail("usage: [taken] [rounds]");
  const std::string full = FolderWithTakenNames("name-bench-taken", taken);
  const std::string empty = FolderWithTakenNames("name-bench-empty", 0);
  if (full.empty() || empty.empty()) return Fail("the folders could not be made");
  char expected[16];
  std::snprintf(expected, sizeof expected, "M4V%05d.MP4", taken + kVideosATransfer);
  if (TakeNames(full) != expected) return Fail("the names taken are not the next free ones");

  std::printf("choosing %d console names, median of %d rounds:\n", kVideosATransfer, rounds);
  for (const auto& [label, folder, count] :
       {std::make_tuple("taken", full, taken), std::make_tuple("taken", empty, 0)}) {
    const double search = MedianSeconds(rounds, [&] { TakeNames(folder); });
    const double bare = MedianSeconds(rounds, [&] { ListBare(folder); });
    std::printf("  %5d names %s: %.2f ms, listing the folder alone %.2f ms (ratio %.2f)\n", count,
                label, search * 1000, bare * 1000, bare > 0 ? search / bare : 0.0);
  }
  RemoveFolder(full);
  RemoveFolder(empty);
  return 0;
}
