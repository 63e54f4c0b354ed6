#include "converter/core/ProbeReport.h"

namespace converter {
namespace {

using Pos = std::string::size_type;
constexpr Pos npos = std::string::npos;

Pos LineEnd(const std::string& text, Pos from) {
  const Pos end = text.find_first_of("\r\n", from);
  return end == npos ? text.size() : end;
}

// The next comma before end that is not inside parentheses: newer encoders print pixel formats
// such as "yuv420p(tv, bt709)".
Pos NextItem(const std::string& text, Pos from, Pos end) {
  int depth = 0;
  for (Pos i = from; i < end; ++i) {
    if (text[i] == '(') ++depth;
    else if (text[i] == ')' && depth > 0) --depth;
    else if (text[i] == ',' && depth == 0) return i;
  }
  return npos;
}

// "  Duration: 00:01:02.34, start: ...": the text between ": " and the first comma. Sets next to
// the position after that comma.
std::string ReadDuration(const std::string& output, Pos from, Pos& next) {
  const Pos marker = output.find("Duration", from);
  if (marker == npos) return {};
  const Pos end = LineEnd(output, marker);
  const Pos colon = output.find(':', marker);
  if (colon == npos || colon + 2 > end) return {};
  const Pos comma = output.find(',', colon + 2);
  if (comma == npos || comma > end) return {};
  next = comma + 1;
  return output.substr(colon + 2, comma - colon - 2);
}

// "Video: codec, pixel format, 320x240 [SAR 1:1 DAR 4:3], ...": the third item up to the blank
// after its first word, which leaves out the aspect note that newer encoders add.
std::string ReadSize(const std::string& output, Pos from) {
  const Pos marker = output.find("Video", from);
  if (marker == npos) return {};
  const Pos end = LineEnd(output, marker);
  const Pos first = NextItem(output, marker, end);
  if (first == npos) return {};
  const Pos second = NextItem(output, first + 1, end);
  if (second == npos) return {};
  const Pos third = NextItem(output, second + 1, end);
  const std::string item = output.substr(second + 1, (third == npos ? end : third) - second - 1);
  return item.substr(0, item.find(' ', 1));
}

}  // namespace

ProbeResult ParseProbeReport(const std::string& output, const std::string& inputPath) {
  const Pos path = inputPath.empty() ? npos : output.find(inputPath);
  Pos from = path == npos ? 0 : path + inputPath.size();
  ProbeResult result;
  result.Duration = ReadDuration(output, from, from);
  result.Size = ReadSize(output, from);
  return result;
}

}  // namespace converter
