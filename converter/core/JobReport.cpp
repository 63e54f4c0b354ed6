#include "converter/core/JobReport.h"

#include <algorithm>
#include <vector>

#include "converter/core/TextLines.h"

namespace converter {
namespace {

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

std::string WithoutIndent(const std::string& line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos ? "" : line.substr(first);
}

// The lines the encoder ends every failed conversion with, after the line that says why.
bool OnlySaysItFailed(const std::string& line) {
  for (const char* closing : {"Conversion failed!", "Error initializing output stream",
                              "Could not write header for output file"})
    if (StartsWith(line, closing)) return true;
  return false;
}

bool IsProgressOrStatistics(const std::string& line) {
  return StartsWith(line, "frame=") || StartsWith(line, "size=") || StartsWith(line, "video:");
}

// "[psp @ 0000000000cbbe00] PSP mode ..." -> "PSP mode ...".
std::string WithoutComponent(const std::string& line) {
  if (!StartsWith(line, "[")) return line;
  const std::size_t close = line.find("] ");
  if (close == std::string::npos || line.find(" @ ") > close) return line;
  return line.substr(close + 2);
}

}  // namespace

bool InputLacksSound(const std::string& output) {
  bool inInput = false, video = false, audio = false;
  for (const std::string& line : TextLines(output)) {
    if (StartsWith(line, "Input #0")) {
      inInput = true;
    } else if (StartsWith(line, "Output #") || StartsWith(line, "Stream mapping:")) {
      break;
    } else if (inInput && StartsWith(WithoutIndent(line), "Stream #0:")) {
      video = video || line.find(": Video:") != std::string::npos;
      audio = audio || line.find(": Audio:") != std::string::npos;
    }
  }
  return video && !audio;
}

std::string FailureReason(const std::string& output) {
  const std::vector<std::string> lines = TextLines(output);
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    const std::string text = WithoutIndent(*line);
    if (!text.empty() && !IsProgressOrStatistics(text) && !OnlySaysItFailed(text))
      return WithoutComponent(text);
  }
  return "";
}

}  // namespace converter
