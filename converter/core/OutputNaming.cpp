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
  const auto held = [&](const std::string& path) {
    return settings.SameFile(path, row.Caption) || IsOneOf(path, kept, settings.SameFile) ||
           (!settings.Overwrite && settings.Exists(path));
  };
  const auto taken = [&](const std::string& path) { return held(path) || held(ThumbnailPath(path)); };
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
  const std::string name = FileNameOf(outputPath);
  const std::string folder = outputPath.substr(0, outputPath.size() - name.size());
  const std::string ext = ExtractFileExt(name);
  const std::string stem = name.substr(0, name.size() - ext.size());
  for (int number = 1;; ++number) {
    const std::string ending = "~" + std::to_string(number) + ".tmp";
    // The thumbnail's ".THM" may be longer than the output's extension.
    const std::size_t longest = folder.size() + ending.size() + std::max<std::size_t>(ext.size(), 4);
    if (longest > kLongestPath) return "";
    const std::string temporary =
        folder + stem.substr(0, std::min(stem.size(), kLongestPath - longest)) + ending + ext;
    if (!taken(temporary) && !taken(ThumbnailPath(temporary))) return temporary;
  }
}

bool OutputFits(const std::string& outputPath) {
  return outputPath.size() <= kLongestPath && ThumbnailPath(outputPath).size() <= kLongestPath;
}

std::string ThumbnailPath(const std::string& outputPath) {
  const std::string name = FileNameOf(outputPath);
  return outputPath.substr(0, outputPath.size() - name.size()) + StripExtension(name) + ".THM";
}

}  // namespace converter
