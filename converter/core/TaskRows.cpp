#include "converter/core/TaskRows.h"

#include <algorithm>

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

void ApplyOutputEdit(ltvItemData& row, const std::string& newFilename, const std::string& startText,
                     const std::string& endText) {
  row.SubItems[siOutputName] = StripExtension(newFilename);
  row.SubItems[siOutputExt] = ExtractFileExt(newFilename);

  double start = ParseTimeText(startText);
  double end = ParseTimeText(endText);
  if (start == -1) start = row.Seconds(siStart);
  if (end == -1) end = row.Seconds(siEnd);
  if (!(start >= 0 && start < end && start < row.Seconds(siInitialEnd))) start = row.Seconds(siStart);
  if (!(end > 0 && end > start && end > row.Seconds(siInitialStart))) end = row.Seconds(siEnd);

  row.SubItems[siStart] = FormatSeconds(start);
  row.SubItems[siEnd] = FormatSeconds(end);
  row.SubItems[siConvertLength] = FormatSeconds(end - start);
}

}  // namespace converter
