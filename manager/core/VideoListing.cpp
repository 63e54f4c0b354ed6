#include "manager/core/VideoListing.h"

#include <algorithm>

#include "common/core/FileNames.h"
#include "common/core/TextCase.h"

namespace manager {

std::vector<std::string> VideoFileNames(const std::vector<TFolderEntry>& entries) {
  std::vector<std::string> names;
  for (const TFolderEntry& entry : entries)
    if (!entry.IsFolder && common::SameText(common::ExtractFileExt(entry.Name), ".mp4"))
      names.push_back(entry.Name);
  std::sort(names.begin(), names.end(), common::LessText);
  return names;
}

std::vector<std::string> ThumbnailCandidates(
    const std::string& folder, const std::string& videoName, const std::string& programFolder,
    const std::function<bool(const std::string&)>& fileExists) {
  std::vector<std::string> candidates;
  const std::string own = folder + common::StripExtension(videoName) + ".THM";
  if (fileExists(own)) candidates.push_back(own);
  const std::string fallback = programFolder + "DefaultPreview.THM";
  if (fileExists(fallback)) candidates.push_back(fallback);
  return candidates;
}

}  // namespace manager
