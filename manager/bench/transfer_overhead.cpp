// What a transfer costs beyond copying its files: videos of the PC folder are copied to an
// empty console folder by Hollimer's "Copy to PSP", and the same files by CopyFileA to the
// same drive.
// Run under Wine: scripts/wine-run.sh <build>/manager/manager_transfer_bench.exe [videos] [MB]
#include <windows.h>

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

int main(int argc, char** argv) {
  const int videos = argc > 1 ? std::atoi(argv[1]) : 10;
  const size_t megabytes = argc > 2 ? std::atoi(argv[2]) : 100;
  const std::string folder = driver::MakeScratchFolder("bench-transfer");
  if (folder.empty()) return Fail("no folder");
  for (int i = 0; i < videos; ++i)
    if (!e2e::WriteSizedFile(folder + "\\clip" + std::to_string(i) + ".mp4",
                             megabytes * 1000 * 1000))
      return Fail("writing the videos");

  const std::string plain = e2e::ConsoleDrive::PathOf("plain-copies\\");
  CreateDirectoryA(plain.c_str(), nullptr);
  const LARGE_INTEGER copyStart = Now();
  for (int i = 0; i < videos; ++i) {
    const std::string name = "clip" + std::to_string(i) + ".mp4";
    if (!CopyFileA((folder + "\\" + name).c_str(), (plain + name).c_str(), FALSE))
      return Fail("the plain copy");
  }
  const double copySeconds = SecondsSince(copyStart);
  e2e::RemoveFolderTree(plain.substr(0, plain.size() - 1));

  e2e::ConsoleDrive console({"MP_ROOT\\100MNV01"});
  e2e::ManagerWindow manager("bench", "[Main]\r\nOutput Path=" + folder + "\r\n");
  if (!manager.Ready() || !manager.Start() || !manager.WaitForMain())
    return Fail("starting Hollimer");
  if (!driver::WaitUntil([&] { return driver::ListViewRowCount(manager.PCList()) == videos; },
                         60000))
    return Fail("the PC list");
  const LARGE_INTEGER transferStart = Now();
  driver::ClickButton(manager.Button("&Copy to PSP -->"));
  const HWND done = driver::WaitForMessageBox("Mission Accomplished", 3600000, manager.ProcessId());
  const double transferSeconds = SecondsSince(transferStart);
  if (!done) return Fail("the transfer");
  const std::string text = driver::MessageBoxText(done);
  driver::PressDialogButton(done, IDOK);
  manager.Close();
  if (text != "The transfer is completed.") return Fail(text.c_str());

  std::printf("videos: %d of %u MB\nCopyFileA: %.3f s\nthrough Hollimer: %.3f s\nratio: %.3f\n",
              videos, static_cast<unsigned>(megabytes), copySeconds, transferSeconds,
              transferSeconds / copySeconds);
  return 0;
}
