#include "converter/core/OutputNaming.h"

#include <algorithm>

#include "common/core/FileNames.h"

using common::AddBackslash;
using common::ExtractFileExt;
using common::FileNameOf;
using common::StripExtension;

namespace converter {
namespace {

bool IsOneOf(const std::string& path, const std::vector<std::string>& paths,
             const SameFileTest& sameFile) {
  return std::any_of(paths.begin(), paths.end(),
                     [&](const std::string& other) { return sameFile(path, other); });
}

}  // namespace

std::string OutputPath(const ltvItemData& row, int rowIndex, const OutputSettings& settings,
                       const std::vector<std::string>& kept) {
  const std::string base = AddBackslash(settings.Folder) + row.SubItems[siOutputName];
  const auto taken = [&](const std::string& path) {
    return settings.SameFile(path, row.Caption) || IsOneOf(path, kept, settings.SameFile) ||
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

std::string TemporaryOutputPath(const std::string& outputPath, const OutputSettings& settings,
                                const std::vector<std::string>& kept) {
  const auto taken = [&](const std::string& path) {
    return settings.Exists(path) || IsOneOf(path, kept, settings.SameFile);
  };
  const std::string ext = ExtractFileExt(outputPath);
  const std::string base = outputPath.substr(0, outputPath.size() - ext.size()) + "~";
  for (int number = 1;; ++number) {
    const std::string temporary = base + std::to_string(number) + ".tmp" + ext;
    if (!taken(temporary) && !taken(ThumbnailPath(temporary))) return temporary;
  }
}

std::string ThumbnailPath(const std::string& outputPath) {
  const std::string name = FileNameOf(outputPath);
  return outputPath.substr(0, outputPath.size() - name.size()) + StripExtension(name) + ".THM";
}

}  // namespace converter
