#include "testing/driver/clips.h"

#include <regex>

#include "testing/driver/files.h"
#include "testing/driver/process.h"

namespace driver {

static const DWORD kEncoderTimeoutMs = 60000;

// A picture source (its name and the options before its length) and optionally a 440 Hz tone of
// the same length, then the output options and path.
static bool Encode(const std::string& encoder, const std::string& picture, double seconds,
                   int width, int height, bool withTone, const std::string& output,
                   const std::string& path) {
  const std::string duration = std::to_string(seconds);
  std::string commandLine = " -y -f lavfi -i " + picture + "duration=" + duration + ":size=" +
                            std::to_string(width) + "x" + std::to_string(height) + ":rate=25";
  if (withTone) commandLine += " -f lavfi -i sine=frequency=440:duration=" + duration;
  commandLine += " " + output + " \"" + path + "\"";
  const CapturedRun run = RunCaptured(encoder, commandLine, kEncoderTimeoutMs);
  return run.finished && run.exitCode == 0 && FileExists(path);
}

bool GenerateClip(const std::string& encoder, const std::string& path, double seconds,
                  int width, int height) {
  return Encode(encoder, "testsrc=", seconds, width, height, true, "-shortest", path);
}

bool GenerateSilentClip(const std::string& encoder, const std::string& path, double seconds,
                        int width, int height) {
  return Encode(encoder, "testsrc=", seconds, width, height, false, "-an", path);
}

bool GenerateTitledClip(const std::string& encoder, const std::string& path, double seconds,
                        int width, int height, const std::string& title) {
  return Encode(encoder, "testsrc=", seconds, width, height, true,
                "-shortest -metadata \"title=" + title + "\"", path);
}

bool GenerateColourClip(const std::string& encoder, const std::string& path, double seconds,
                        int width, int height, bool withTone) {
  return Encode(encoder, "color=c=blue:", seconds, width, height, withTone,
                std::string("-c:v rawvideo -pix_fmt bgr24 ") +
                    (withTone ? "-c:a pcm_s16le -shortest" : "-an"),
                path);
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
  const std::regex stream(R"((^|\n) *Stream #0:\d+[^:\r\n]*: (Video|Audio):)");
  for (auto it = std::sregex_iterator(report.begin(), report.end(), stream);
       it != std::sregex_iterator(); ++it)
    ++((*it)[2] == "Video" ? info.videoStreams : info.audioStreams);
  return info;
}

}  // namespace driver
