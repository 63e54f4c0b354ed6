#include "tools/encoder-standin/script.h"

#include <windows.h>

#include <fstream>
#include <sstream>

static const char* SectionHeader(JobKind kind) {
  switch (kind) {
    case JobKind::Probe: return "[probe]";
    case JobKind::Thumbnail: return "[thumbnail]";
    case JobKind::Convert: return "[convert]";
  }
  return "";
}

// Whether a section header names the job: its kind, and the input's file name when it gives one.
static bool HeaderNames(const std::string& header, const Job& job) {
  const std::string kind = SectionHeader(job.kind);
  if (header == kind) return true;
  const std::string named = kind.substr(0, kind.size() - 1) + " ";
  if (header.compare(0, named.size(), named) != 0) return false;
  const std::string name = header.substr(named.size(), header.size() - named.size() - 1);
  const size_t slash = job.input.find_last_of("\\/");
  return job.input.substr(slash == std::string::npos ? 0 : slash + 1) == name;
}

std::vector<std::string> ScriptLines(const std::string& script, const Job& job) {
  std::vector<std::string> lines;
  std::istringstream in(script);
  std::string line;
  bool mine = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      mine = HeaderNames(line, job);
    } else if (mine) {
      lines.push_back(line);
    }
  }
  return lines;
}

static void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

static void Write(std::string& pending) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_ERROR_HANDLE), pending.data(), static_cast<DWORD>(pending.size()),
            &written, nullptr);
  pending.clear();
}

int RunScript(const std::vector<std::string>& lines, const Job& job) {
  std::string pending;
  for (std::string line : lines) {
    ReplaceAll(line, "{input}", job.input);
    ReplaceAll(line, "{output}", job.output);
    const size_t blank = line.find(' ');
    const std::string command = line.substr(0, blank);
    const std::string argument = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (command == "say") {
      pending += argument + "\r\n";
      continue;
    }
    Write(pending);
    if (command == "pause") {
      Sleep(std::stoul(argument));
    } else if (command == "gate") {
      while (GetFileAttributesA(argument.c_str()) == INVALID_FILE_ATTRIBUTES) Sleep(20);
    } else if (command == "write") {
      std::ofstream(job.output, std::ios::binary) << argument;
    } else if (command == "exit") {
      return std::stoi(argument);
    } else if (command == "hang") {
      for (;;) Sleep(INFINITE);
    }
  }
  Write(pending);
  return 0;
}

// Modelled on the real encoder's report of a 62.34 s clip.
static const std::string kInputReport =
    "say Input #0, avi, from '{input}':\n"
    "say   Duration: 00:01:02.34, start: 0.000000, bitrate: 1000 kb/s\n"
    "say     Stream #0:0: Video: mpeg4 (Simple Profile) (XVID / 0x44495658), yuv420p, "
    "320x240 [SAR 1:1 DAR 4:3], 25 fps, 25 tbr, 25 tbn, 25 tbc\n"
    "say     Stream #0:1: Audio: mp3 (U[0][0][0] / 0x0055), 44100 Hz, stereo, fltp, 128 kb/s\n";

// The conversion pauses between its pieces long enough for a reader on a busy machine to
// get each as a chunk of its own.
const std::string kBuiltInScript =
    "[probe]\n" + kInputReport +
    "say At least one output file must be specified\n"
    "exit 1\n"
    "[thumbnail]\n" + kInputReport +
    "say Output #0, image2, to '{output}':\n"
    "say     Stream #0:0: Video: mjpeg, yuvj420p(pc), 160x120 [SAR 1:1 DAR 4:3], 25 fps\n"
    "say frame=    1 fps=0.0 q=3.9 Lsize=N/A time=00:00:00.04 bitrate=N/A speed=1.1x\n"
    "[convert]\n" + kInputReport +
    "pause 150\n"
    "say Output #0, psp, to '{output}':\n"
    "say     Stream #0:0: Video: mpeg4, yuv420p, 320x240, q=2-31, 768 kb/s, 29.97 fps\n"
    "pause 150\n"
    "say frame=  468 fps=0.0 q=2.0 size=  1024kB time=00:00:15.60 bitrate= 537.7kbits/s\n"
    "pause 150\n"
    "say frame=  935 fps=935 q=2.0 size=  2048kB time=00:00:31.20 bitrate= 537.7kbits/s\n"
    "pause 150\n"
    "say frame= 1403 fps=935 q=2.0 size=  3072kB time=00:00:46.80 bitrate= 537.7kbits/s\n"
    "pause 150\n"
    "say frame= 1868 fps=934 q=2.0 Lsize=  4090kB time=00:01:02.34 bitrate= 537.5kbits/s\n";
