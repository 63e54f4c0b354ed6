// What filling the PC list costs beyond decoding its thumbnails: a folder of videos, each
// with a 160x120 thumbnail, is listed by Hollimer's Refresh, and the same thumbnails are
// decoded here one after the other.
// Run under Wine: scripts/wine-run.sh <build>/manager/manager_bench.exe [videos]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/Jpeg.h"
#include "manager/bench/bench_timing.h"
#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"

using bench::Fail;
using bench::Now;
using bench::SecondsSince;

int main(int argc, char** argv) {
  const int videos = argc > 1 ? std::atoi(argv[1]) : 500;
  const std::string thumbnail = driver::ReadWholeFile(driver::DistDir() + "\\DefaultPreview.THM");
  const std::string folder = driver::MakeScratchFolder("bench-videos");
  if (thumbnail.empty() || folder.empty()) return Fail("no thumbnail or folder");
  for (int i = 0; i < videos; ++i) {
    const std::string base = folder + "\\clip" + std::to_string(i);
    if (!e2e::WriteSizedFile(base + ".mp4", 1000) ||
        !driver::WriteWholeFile(base + ".THM", thumbnail))
      return Fail("writing the videos");
  }

  const LARGE_INTEGER decodeStart = Now();
  for (int i = 0; i < videos; ++i) {
    const std::string data =
        driver::ReadWholeFile(folder + "\\clip" + std::to_string(i) + ".THM");
    TJPEGImage picture;
    picture.LoadFromMemory(data.data(), data.size());
  }
  const double decodeSeconds = SecondsSince(decodeStart);

  e2e::ConsoleDrive console;  // no question at start-up
  // Started on an empty folder: a refill of the folder a list shows keeps its unchanged rows,
  // so the timed fill is of a folder new to the list.
  const std::string empty = driver::MakeScratchFolder("bench-empty");
  e2e::ManagerWindow manager("bench", "[Main]\r\nOutput Path=" + empty + "\r\n");
  if (empty.empty() || !manager.Ready() || !manager.Start() || !manager.WaitForMain())
    return Fail("starting Hollimer");
  const HWND list = manager.PCList();
  SendMessageA(manager.PathEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  // The fill adds the last row at its end.
  const LARGE_INTEGER fillStart = Now();
  driver::ClickButton(manager.Button("Refr&esh"));
  if (!driver::WaitUntil([&] { return driver::ListViewRowCount(list) == videos; }, 600000, 1))
    return Fail("the fill");
  const double fillSeconds = SecondsSince(fillStart);
  manager.Close();

  std::printf("videos: %d\nfilling the list: %.3f s\ndecoding the thumbnails alone: %.3f s\n"
              "the fill adds: %.3f s\nratio (filling / decoding alone): %.2f\n",
              videos, fillSeconds, decodeSeconds, fillSeconds - decodeSeconds,
              fillSeconds / decodeSeconds);
  return 0;
}
