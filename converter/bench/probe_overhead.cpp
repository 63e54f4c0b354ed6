// How much a row costs beyond its probe: the converter is started with N clips on its command
// line and timed until the last row is listed, less the time it takes to show its window without
// inputs; the same N probe command lines are run directly with CreateProcessA, a pipe and reads
// until it breaks (the bare platform), before and after it, in the same run.
// Run under Wine: scripts/wine-run.sh <build>/converter/converter_probe_bench.exe [clips] [program]
// where program is another build's Tessark.exe to time instead of this build's.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "converter/core/EncoderCommands.h"
#include "converter/tests/e2e_converter_window.h"
#include "manager/bench/bench_timing.h"
#include "testing/driver/clips.h"
#include "testing/driver/fixture.h"
#include "testing/driver/remote_block.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_search.h"

using bench::Fail;
using bench::Now;
using bench::SecondsSince;

namespace {

constexpr DWORD kRowsTimeoutMs = 600000;

// One probe as the platform offers it: the encoder started with the command line, its output
// read until the pipe breaks, then ended.
bool BareProbe(const std::string& encoder, const std::string& input) {
  GetDesktopWindow();  // as the converter does before its pipe
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return false;
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  std::string commandLine = converter::ProbeCommandLine(input);
  PROCESS_INFORMATION started{};
  const bool ok = CreateProcessA(encoder.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0,
                                 nullptr, nullptr, &startup, &started);
  CloseHandle(writeEnd);
  if (ok) {
    char buffer[4095];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr)) {
    }
    TerminateProcess(started.hProcess, 4);
    CloseHandle(started.hProcess);
    CloseHandle(started.hThread);
  }
  CloseHandle(readEnd);
  return ok;
}

double BareProbes(const std::string& encoder, const std::vector<std::string>& inputs) {
  const LARGE_INTEGER start = Now();
  for (const std::string& input : inputs)
    if (!BareProbe(encoder, input)) return -1;
  return SecondsSince(start);
}

int RowCount(HWND main) {
  for (HWND child : driver::FindChildren(main, {}))
    if (driver::ClassName(child).find("ListView") != std::string::npos)
      return static_cast<int>(driver::Ask(child, LVM_GETITEMCOUNT, 0, 0));
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const int clips = argc > 1 ? std::atoi(argv[1]) : 100;
  if (clips < 1) return Fail("clips");

  const std::string folder = driver::MakeProgramFolder("converter_probe_bench");
  const std::string encoder = folder + "\\vodivi.dll";
  if (folder.empty() || !CopyFileA(driver::RealEncoderPath().c_str(), encoder.c_str(), FALSE))
    return Fail("program folder");
  if (argc > 2 && !CopyFileA(argv[2], (folder + "\\Tessark.exe").c_str(), FALSE))
    return Fail("program");
  std::vector<std::string> inputs;
  std::string arguments;
  for (int i = 0; i < clips; ++i) {
    inputs.push_back(folder + "\\clip" + std::to_string(1000 + i) + ".avi");
    arguments += " \"" + inputs.back() + "\"";
    const bool made = i == 0 ? driver::GenerateClip(encoder, inputs[0], 1, 320, 240)
                             : CopyFileA(inputs[0].c_str(), inputs.back().c_str(), FALSE);
    if (!made) return Fail("clips");
  }

  const double bareBefore = BareProbes(encoder, inputs);
  if (bareBefore < 0) return Fail("bare probe");

  const LARGE_INTEGER startedEmpty = Now();
  e2e::ConverterWindow empty(folder, e2e::ConverterWindow::kExistingFolder);
  if (!empty.Main()) return Fail("converter start");
  const double startUp = SecondsSince(startedEmpty);
  empty.Close();

  const LARGE_INTEGER started = Now();
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder, arguments);
  if (!converter.Main()) return Fail("converter start");
  const double shown = SecondsSince(started);
  const bool listed = driver::WaitUntil([&] { return RowCount(converter.Main()) == clips; },
                                        kRowsTimeoutMs, 2);
  const double last = SecondsSince(started);
  if (!listed) return Fail("rows");
  converter.Close();

  const double bareAfter = BareProbes(encoder, inputs);
  if (bareAfter < 0) return Fail("bare probe");
  // A build that probes before its window shows lists its rows with the window.
  const double bare = (bareBefore + bareAfter) / 2, rows = last - startUp;
  std::printf(
      "%d clips: window after %.2f s (%.2f s without inputs), last row after %.2f s: %.1f ms a "
      "row; bare probes %.2f s and %.2f s: %.1f ms a probe; ratio %.3f\n",
      clips, shown, startUp, last, rows / clips * 1000, bareBefore, bareAfter,
      bare / clips * 1000, rows / bare);
  return 0;
}
