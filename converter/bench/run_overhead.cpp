// How much a conversion run through the converter costs beyond the encoder's own work: the same
// clips are converted once through the converter's window and once by running the converter's
// command lines (thumbnail, then conversion, for each clip) directly, one after the other.
// Run under Wine: scripts/wine-run.sh <build>/converter/converter_bench.exe [clips] [seconds]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "converter/core/EncoderCommands.h"
#include "converter/core/Profiles.h"
#include "converter/tests/e2e_converter_window.h"
#include "manager/bench/bench_timing.h"
#include "testing/driver/clips.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/process.h"

namespace {

constexpr DWORD kRunTimeoutMs = 600000;

}  // namespace

using bench::Fail;
using bench::Now;
using bench::SecondsSince;

int main(int argc, char** argv) {
  const int clips = argc > 1 ? std::atoi(argv[1]) : 4;
  const double clipSeconds = argc > 2 ? std::atof(argv[2]) : 3.0;

  const std::string folder = driver::MakeProgramFolder("converter_bench");
  const std::string encoder = folder + "\\vodivi.dll";
  if (folder.empty() || !CopyFileA(driver::RealEncoderPath().c_str(), encoder.c_str(), FALSE))
    return Fail("program folder");
  const std::string viaWindow = folder + "\\window\\", direct = folder + "\\direct\\";
  CreateDirectoryA(viaWindow.c_str(), nullptr);
  CreateDirectoryA(direct.c_str(), nullptr);
  std::vector<std::string> inputs;
  std::string arguments;
  for (int i = 0; i < clips; ++i) {
    inputs.push_back(folder + "\\clip" + std::to_string(i) + ".avi");
    if (!driver::GenerateClip(encoder, inputs.back(), clipSeconds, 320, 240))
      return Fail("clip generation");
    arguments += " \"" + inputs.back() + "\"";
  }
  if (!driver::WriteWholeFile(folder + "\\Preferences.ini",
                              "[Main]\r\nOverwrite=1\r\nAuto Open Dir=0\r\nOutput Path=" +
                                  viaWindow + "\r\nProfile=0\r\n"))
    return Fail("preferences");

  // Through the converter: from Start to the completion question.
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder, arguments);
  if (!converter.Main()) return Fail("converter start");
  // The rows of the command line arrive after the window shows.
  if (!converter.WaitForInputs()) return Fail("the clips' rows");
  const LARGE_INTEGER windowStart = Now();
  converter.Press(static_cast<e2e::ToolbarCommand>(9));  // Start
  const HWND question = driver::WaitForMessageBox("Complete", kRunTimeoutMs, converter.ProcessId());
  const double windowSeconds = SecondsSince(windowStart);
  if (!question) return Fail("run through the converter");
  driver::PressDialogButton(question, IDNO);
  converter.Close();

  // The same jobs run directly.
  const std::string profile = folder + "\\Profiles\\PSP H.264 480x272.ovx";
  const std::string options =
      converter::BuildEncoderParameters(profile, converter::LoadProfile(profile)->Editors);
  const LARGE_INTEGER directStart = Now();
  for (int i = 0; i < clips; ++i) {
    const std::string output = direct + "clip" + std::to_string(i) + ".mp4";
    driver::RunCaptured(encoder, converter::ThumbnailCommandLine(inputs[i], output), kRunTimeoutMs);
    driver::RunCaptured(encoder, converter::ConversionCommandLine(inputs[i], options, output),
                        kRunTimeoutMs);
  }
  const double directSeconds = SecondsSince(directStart);

  std::printf("%d clips of %.1f s: through the converter %.2f s, directly %.2f s, ratio %.3f\n",
              clips, clipSeconds, windowSeconds, directSeconds, windowSeconds / directSeconds);
  return 0;
}
