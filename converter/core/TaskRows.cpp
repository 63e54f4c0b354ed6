#include "converter/core/TaskRows.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "common/core/FileNames.h"
#include "converter/core/TimeText.h"

using common::ExtractFileExt;
using common::FileNameOf;
using common::StripExtension;

namespace converter {

double ltvItemData::Seconds(TaskSubItem item) const {
  return ParseTimeText(SubItems[item]);
}

ltvItemData NewTaskRow(const std::string& inputPath, const ProbeResult& probe, const std::string& profileExt) {
  const std::string start = "00:00:00.0";
  const std::string name = StripExtension(FileNameOf(inputPath));
  return {inputPath,
          {probe.Duration, probe.Size, kStatusOK, name, profileExt, start, probe.Duration, probe.Duration, start,
           probe.Duration, name}};
}

bool HasInput(const std::vector<std::string>& captions, const std::string& path) {
  return std::find(captions.begin(), captions.end(), path) != captions.end();
}

namespace {

// The text of a time: the row's own text of the first of the sub-items that holds this time,
// so that a confirmed value keeps the encoder's hundredths; else a new time text in tenths.
std::string TimeTextOf(const ltvItemData& row, double seconds, std::initializer_list<TaskSubItem> own) {
  for (TaskSubItem item : own)
    if (row.Seconds(item) == seconds) return row.SubItems[item];
  return FormatSeconds(seconds);
}

}  // namespace

void ApplyOutputEdit(ltvItemData& row, const std::string& newFilename, const std::string& startText,
                     const std::string& endText) {
  if (ForbiddenFileNameCharacters(newFilename).empty()) {
    row.SubItems[siOutputName] = StripExtension(newFilename);
    row.SubItems[siOutputExt] = ExtractFileExt(newFilename);
  }

  double start = ParseTimeText(startText);
  double end = ParseTimeText(endText);
  if (start == -1) start = row.Seconds(siStart);
  if (end == -1) end = row.Seconds(siEnd);
  if (!(start >= 0 && start < end && start < row.Seconds(siInitialEnd))) start = row.Seconds(siStart);
  if (!(end > 0 && end > start && end > row.Seconds(siInitialStart))) end = row.Seconds(siEnd);

  const bool whole = start == row.Seconds(siInitialStart) && end == row.Seconds(siInitialEnd);
  row.SubItems[siStart] = TimeTextOf(row, start, {siStart, siInitialStart});
  row.SubItems[siEnd] = TimeTextOf(row, end, {siEnd, siInitialEnd});
  row.SubItems[siConvertLength] = whole ? row.SubItems[siLength] : FormatSeconds(end - start);
}

std::string ForbiddenFileNameCharacters(const std::string& name) {
  std::string found;
  for (char c : name) {
    const bool forbidden = static_cast<unsigned char>(c) < 32 || std::strchr("\\/:*?\"<>|", c);
    if (forbidden && found.find(c) == std::string::npos) found += c;
  }
  return found;
}

std::string RefusedNameMessage(const std::string& name) {
  const std::string forbidden = ForbiddenFileNameCharacters(name);
  if (forbidden.empty()) return "";
  std::string shown;
  bool control = false;
  for (char c : forbidden) {
    if (static_cast<unsigned char>(c) < 32)
      control = true;
    else
      shown += std::string(shown.empty() ? "" : " ") + c;
  }
  if (control) shown += shown.empty() ? "control characters" : " or control characters";
  return "The name \"" + name + "\" cannot be used: a file name cannot contain " + shown +
         ".\nPlease type a name without any of these characters: \\ / : * ? \" < > |";
}

}  // namespace converter
