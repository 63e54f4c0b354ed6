#include "converter/core/ProbeReport.h"

#include <cctype>

#include "converter/core/TimeText.h"

namespace converter {
namespace {

using Pos = std::string::size_type;
constexpr Pos npos = std::string::npos;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// The next comma that is not inside parentheses: newer encoders print pixel formats such as
// "yuv420p(tv, bt709)".
Pos NextItem(const std::string& line, Pos from) {
  int depth = 0;
  for (Pos i = from; i < line.size(); ++i) {
    if (line[i] == '(') ++depth;
    else if (line[i] == ')' && depth > 0) --depth;
    else if (line[i] == ',' && depth == 0) return i;
  }
  return npos;
}

// "Duration: 00:01:02.34, start: ...": the text up to the first comma, when it is a time text.
std::string ReadDuration(const std::string& line) {
  const Pos from = sizeof "Duration: " - 1;
  const Pos comma = line.find(',', from);
  if (comma == npos) return {};
  const std::string value = line.substr(from, comma - from);
  return ParseTimeText(value) >= 0 ? value : "";
}

// Whether text is digits, "x", digits, each number of one to five digits.
bool IsFrameSize(const std::string& text) {
  const Pos x = text.find('x');
  auto isNumber = [&text](Pos from, Pos end) {
    if (end <= from || end - from > 5) return false;
    for (Pos i = from; i < end; ++i)
      if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
  };
  return x != npos && isNumber(0, x) && isNumber(x + 1, text.size());
}

// Where the items of a stream's line begin when it is a video stream's: "Stream #0:0(und): Video: "
// is followed by "codec, pixel format, 320x240 [SAR 1:1 DAR 4:3], ...". npos for another stream.
Pos VideoItems(const std::string& line) {
  const Pos name = line.find(": ");
  return name != npos && line.compare(name + 2, 7, "Video: ") == 0 ? name + 9 : npos;
}

// The third item of a video stream's line up to the blank after its first word, which leaves
// out the aspect note that newer encoders add.
std::string ReadSize(const std::string& line, Pos items) {
  const Pos first = NextItem(line, items);
  if (first == npos) return {};
  const Pos second = NextItem(line, first + 1);
  if (second == npos) return {};
  const Pos third = NextItem(line, second + 1);
  const std::string item = line.substr(second + 1, third == npos ? npos : third - second - 1);
  const std::string size = item.substr(0, item.find(' ', 1));
  return size.size() > 1 && size[0] == ' ' && IsFrameSize(size.substr(1)) ? size : "";
}

}  // namespace

// The report of an input: its metadata, whose values come from the file and may read like
// anything, then the encoder's own duration line and its streams' lines. Only lines that begin
// (after their indent) as the encoder's own do are read.
ProbeResult ParseProbeReport(const std::string& output, const std::string& inputPath) {
  const Pos path = inputPath.empty() ? npos : output.find(inputPath);
  ProbeResult result;
  bool durationRead = false, sizeRead = false;
  for (Pos from = path == npos ? 0 : path + inputPath.size(); from < output.size();) {
    const Pos end = output.find_first_of("\r\n", from);
    const Pos indent = output.find_first_not_of(' ', from);
    const std::string line =
        indent < end ? output.substr(indent, end == npos ? npos : end - indent) : "";
    if (!durationRead && StartsWith(line, "Duration: ")) {
      durationRead = true;
      result.Duration = ReadDuration(line);
    } else if (!sizeRead && StartsWith(line, "Stream #") && VideoItems(line) != npos) {
      sizeRead = true;
      result.Size = ReadSize(line, VideoItems(line));
    }
    if (end == npos) break;
    from = end + 1;
  }
  return result;
}

}  // namespace converter
