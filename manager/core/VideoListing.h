// Which files of a folder a video list shows, in which order, and which picture each gets.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace manager {

// One name of a folder as the file system lists it.
struct TFolderEntry {
  std::string Name;
  bool IsFolder = false;
};

// The videos among the entries: files (not folders) whose extension is exactly ".mp4" in any
// letter case ("clip.mp4x" is none), sorted without regard to case.
std::vector<std::string> VideoFileNames(const std::vector<TFolderEntry>& entries);

// The thumbnails to try for a video, best first: its own (same base name with ".THM" in the
// folder, which ends with "\"), else the program's default; only those that exist. Empty
// when neither exists: such a video is not listed.
std::vector<std::string> ThumbnailCandidates(
    const std::string& folder, const std::string& videoName, const std::string& programFolder,
    const std::function<bool(const std::string&)>& fileExists);

// Thumbnails are small pictures; a larger file is not read and counts as a bad thumbnail.
constexpr std::size_t kMaxThumbnailBytes = 1024 * 1024;

}  // namespace manager
