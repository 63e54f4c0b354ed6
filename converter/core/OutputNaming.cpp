#include "converter/core/OutputNaming.h"

#include <algorithm>

#include "converter/core/Paths.h"

namespace converter {

std::string OutputPath(const ltvItemData& row, int rowIndex, const OutputSettings& settings,
                       const std::vector<std::string>& kept) {
  const std::string base = AddBackslash(settings.Folder) + row.SubItems[siOutputName];
  const auto taken = [&](const std::string& path) {
    const auto samePath = [&](const std::string& other) { return settings.SameFile(path, other); };
    return samePath(row.Caption) ||
           std::any_of(kept.begin(), kept.end(), samePath) ||
           (!settings.Overwrite && settings.Exists(path));
  };
  const std::string path = base + settings.ProfileExt;
  if (!taken(path)) return path;

  // Rows added before a profile was loaded have no extension of their own.
  const std::string& ext = row.SubItems[siOutputExt].empty() ? settings.ProfileExt : row.SubItems[siOutputExt];
  for (int number = rowIndex + 1;; ++number) {
    const std::string renamed = base + "_" + std::to_string(number) + ext;
    if (!taken(renamed)) return renamed;
  }
}

std::string ThumbnailPath(const std::string& outputPath) {
  const std::string name = FileNameOf(outputPath);
  return outputPath.substr(0, outputPath.size() - name.size()) + StripExtension(name) + ".THM";
}

}  // namespace converter
