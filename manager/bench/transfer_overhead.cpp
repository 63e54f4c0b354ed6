// What a transfer costs beyond copying its files: videos of the PC folder are copied to an
// empty console folder by Hollimer's "Copy to PSP", and the same files by CopyFileA to the
// same drive.
// Run under Wine:
//   scripts/wine-run.sh <build>/manager/manager_transfer_bench.exe [videos] [MB] [rounds]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "manager/bench/bench_timing.h"
#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/files.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

using bench::Fail;
using bench::Now;
using bench::SecondsSince;

namespace {

// Empties the folder (which ends with "\\") of its files.
void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileA((folder + data.cFileName).c_str());
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

double Median(std::vector<double> seconds) {
  std::sort(seconds.begin(), seconds.end());
  const size_t middle = seconds.size() / 2;
  return seconds.size() % 2 ? seconds[middle] : (seconds[middle - 1] + seconds[middle]) / 2;
}

// The final box of a transfer, looked for every 5 ms: the default 50 ms between looks
// would add up to 5% to a one-second transfer.
HWND WaitForFinalBox(DWORD processId) {
  driver::WindowQuery query;
  query.caption = "Mission Accomplished";
  query.className = "#32770";
  query.processId = processId;
  HWND box = nullptr;
  driver::WaitUntil([&] {
    const std::vector<HWND> found = driver::FindTopWindows(query);
    box = found.empty() ? nullptr : found.front();
    return box != nullptr;
  }, 3600000, 5);
  return box;
}

}  // namespace

// Both destination folders are empty before either way is timed, and the two take turns in
// going first, so that neither finds files to replace or a cache the other has warmed; the
// median round of each counts.
int main(int argc, char** argv) {
  const int videos = argc > 1 ? std::atoi(argv[1]) : 10;
  const size_t megabytes = argc > 2 ? std::atoi(argv[2]) : 100;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 8;
  const std::string folder = driver::MakeScratchFolder("bench-transfer");
  if (folder.empty() || rounds < 1) return Fail("no folder or no rounds");
  for (int i = 0; i < videos; ++i)
    if (!e2e::WriteSizedFile(folder + "\\clip" + std::to_string(i) + ".mp4",
                             megabytes * 1000 * 1000))
      return Fail("writing the videos");

  e2e::ConsoleDrive console({"MP_ROOT\\100MNV01"});
  const std::string consoleVideos = e2e::ConsoleDrive::PathOf("MP_ROOT\\100MNV01\\");
  const std::string plain = e2e::ConsoleDrive::PathOf("plain-copies\\");
  CreateDirectoryA(plain.c_str(), nullptr);
  e2e::ManagerWindow manager("bench", "[Main]\r\nOutput Path=" + folder + "\r\n");
  if (!manager.Ready() || !manager.Start() || !manager.WaitForMain())
    return Fail("starting Hollimer");
  if (!driver::WaitUntil([&] { return driver::ListViewRowCount(manager.PCList()) == videos; },
                         60000))
    return Fail("the PC list");

  const auto plainCopy = [&] {
    const LARGE_INTEGER start = Now();
    for (int i = 0; i < videos; ++i) {
      const std::string name = "clip" + std::to_string(i) + ".mp4";
      if (!CopyFileA((folder + "\\" + name).c_str(), (plain + name).c_str(), FALSE)) return -1.0;
    }
    return SecondsSince(start);
  };
  const auto transfer = [&] {
    driver::ClickButton(manager.Button("Re&fresh"));
    if (!driver::WaitUntil([&] { return driver::ListViewRowCount(manager.PSPList()) == 0; },
                           60000))
      return -1.0;
    const LARGE_INTEGER start = Now();
    driver::ClickButton(manager.Button("&Copy to PSP -->"));
    const HWND done = WaitForFinalBox(manager.ProcessId());
    const double seconds = SecondsSince(start);
    if (!done) return -1.0;
    const std::string text = driver::MessageBoxText(done);
    driver::PressDialogButton(done, IDOK);
    return text == "The transfer is completed." ? seconds : -1.0;
  };

  std::vector<double> copySeconds, transferSeconds;
  for (int round = 0; round < rounds; ++round) {
    for (int leg = 0; leg < 2; ++leg) {
      EmptyFolder(plain);
      EmptyFolder(consoleVideos);
      const bool transferNow = (leg == 0) == (round % 2 == 1);
      const double seconds = transferNow ? transfer() : plainCopy();
      if (seconds < 0) return Fail(transferNow ? "the transfer" : "the plain copy");
      (transferNow ? transferSeconds : copySeconds).push_back(seconds);
    }
  }
  manager.Close();
  e2e::RemoveFolderTree(plain.substr(0, plain.size() - 1));

  const double copyMedian = Median(copySeconds), transferMedian = Median(transferSeconds);
  std::printf("videos: %d of %u MB, %d rounds\nCopyFileA: median %.3f s, fastest %.3f s\n"
              "through Hollimer: median %.3f s, fastest %.3f s\nratio of the medians: %.3f\n",
              videos, static_cast<unsigned>(megabytes), rounds, copyMedian,
              *std::min_element(copySeconds.begin(), copySeconds.end()), transferMedian,
              *std::min_element(transferSeconds.begin(), transferSeconds.end()),
              transferMedian / copyMedian);
  return 0;
}
