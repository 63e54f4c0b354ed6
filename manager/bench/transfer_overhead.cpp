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

#include "manager/bench/bench_timing.h"
#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/files.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"

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

}  // namespace

// Rounds of the two take turns, so that the machine's load and the file cache weigh on both
// alike; the fastest round of each counts.
int main(int argc, char** argv) {
  const int videos = argc > 1 ? std::atoi(argv[1]) : 10;
  const size_t megabytes = argc > 2 ? std::atoi(argv[2]) : 100;
  const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
  const std::string folder = driver::MakeScratchFolder("bench-transfer");
  if (folder.empty()) return Fail("no folder");
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

  double copySeconds = 1e9, transferSeconds = 1e9;
  for (int round = 0; round < rounds; ++round) {
    const LARGE_INTEGER copyStart = Now();
    for (int i = 0; i < videos; ++i) {
      const std::string name = "clip" + std::to_string(i) + ".mp4";
      if (!CopyFileA((folder + "\\" + name).c_str(), (plain + name).c_str(), FALSE))
        return Fail("the plain copy");
    }
    copySeconds = std::min(copySeconds, SecondsSince(copyStart));
    EmptyFolder(plain);

    EmptyFolder(consoleVideos);
    driver::ClickButton(manager.Button("Re&fresh"));
    if (!driver::WaitUntil([&] { return driver::ListViewRowCount(manager.PSPList()) == 0; },
                           60000))
      return Fail("emptying the console list");
    const LARGE_INTEGER transferStart = Now();
    driver::ClickButton(manager.Button("&Copy to PSP -->"));
    const HWND done =
        driver::WaitForMessageBox("Mission Accomplished", 3600000, manager.ProcessId());
    transferSeconds = std::min(transferSeconds, SecondsSince(transferStart));
    if (!done) return Fail("the transfer");
    const std::string text = driver::MessageBoxText(done);
    driver::PressDialogButton(done, IDOK);
    if (text != "The transfer is completed.") return Fail(text.c_str());
  }
  manager.Close();
  e2e::RemoveFolderTree(plain.substr(0, plain.size() - 1));

  std::printf("videos: %d of %u MB, fastest of %d rounds\nCopyFileA: %.3f s\n"
              "through Hollimer: %.3f s\nratio: %.3f\n",
              videos, static_cast<unsigned>(megabytes), rounds, copySeconds, transferSeconds,
              transferSeconds / copySeconds);
  return 0;
}
