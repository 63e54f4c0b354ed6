#include "testing/driver/clips.h"

#include <regex>

#include "testing/driver/files.h"
#include "testing/driver/process.h"

namespace driver {

static const DWORD kEncoderTimeoutMs = 60000;

bool GenerateClip(const std::string& encoder, const std::string& path, double seconds,
                  int width, int height) {
  const std::string duration = std::to_string(seconds);
  const std::string commandLine =
      " -y -f lavfi -i testsrc=duration=" + duration + ":size=" + std::to_string(width) + "x" +
      std::to_string(height) + ":rate=25 -f lavfi -i sine=frequency=440:duration=" + duration +
      " -shortest \"" + path + "\"";
  const CapturedRun run = RunCaptured(encoder, commandLine, kEncoderTimeoutMs);
  return run.finished && run.exitCode == 0 && FileExists(path);
}

ClipInfo Probe(const std::string& encoder, const std::string& path) {
  return ParseProbeReport(RunCaptured(encoder, " -i \"" + path + "\"", kEncoderTimeoutMs).Text());
}

ClipInfo ParseProbeReport(const std::string& report) {
  ClipInfo info;
  info.report = report;
  std::smatch match;
  if (std::regex_search(report, match, std::regex(R"(Input #0, (.+), from ')")))
    info.container = match[1];
  if (std::regex_search(report, match, std::regex(R"(Duration: (\d+):(\d+):(\d+(\.\d+)?))")))
    info.seconds = std::stoi(match[1]) * 3600 + std::stoi(match[2]) * 60 + std::stod(match[3]);
  // The size is the first WxH on the stream line; "0x..." codec tags do not look like one.
  if (std::regex_search(report, match,
                        std::regex(R"(Video: ([^ ,]+)[^\r\n]*?\b([1-9]\d*)x([1-9]\d*)\b)"))) {
    info.videoCodec = match[1];
    info.width = std::stoi(match[2]);
    info.height = std::stoi(match[3]);
  }
  return info;
}

}  // namespace driver
