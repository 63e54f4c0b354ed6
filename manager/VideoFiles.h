// The files behind the video lists, read without touching the current directory.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "manager/core/ConsoleDetection.h"
#include "manager/core/TransferPlan.h"
#include "manager/core/VideoListing.h"
#include "manager/core/VideoRows.h"

namespace manager {

// The names directly in the folder (which ends with "\"), files and subfolders, without
// "." and "..". Empty when the folder cannot be listed. With stopRequested, a long folder is
// read in steps, and the listing ends with what it has once that says so.
std::vector<TFolderEntry> ListFolder(const std::string& folder,
                                     const std::function<bool()>& stopRequested = nullptr);

// The file's size and when it was last written; nothing when it cannot be read.
std::optional<TFileStamp> FileStampOf(const std::string& path);

// Draws the first of the thumbnail files that becomes a picture stretched over the canvas's
// rectangle; false when none does. A file larger than kMaxThumbnailBytes, one that does not
// decode, claims a size out of reason or needs a bitmap that cannot be made counts as bad.
bool DrawThumbnail(const std::vector<std::string>& thumbnails, TCanvas* canvas, const RECT& r);

// Gives the file at path the name newPath in the same folder; one whose new name differs only
// in letter case goes through a free temporary name, which not every file system needs.
// Nothing when it worked, else the system's reason; a name that is taken is refused.
std::optional<std::string> RenameFile(const std::string& path, const std::string& newPath);

// The computer's drives as the platform reports them; an empty drive or card reader raises
// no system box.
class TPlatformDriveProbe : public TDriveProbe {
public:
  bool IsRemovable(const std::string& root) override;
  bool FolderExists(const std::string& path) override;
};

// The files a transfer reads and writes, on the computer's drives.
class TPlatformTransferFiles : public TTransferFiles {
public:
  bool Exists(const std::string& path) override;
  bool IsFile(const std::string& path) override;
  std::vector<std::string> Names(const std::string& folder,
                                 const std::function<bool()>& stopRequested) override;
  bool Copy(const std::string& from, const std::string& to) override;
  bool Replace(const std::string& temporary, const std::string& target) override;
  bool Rename(const std::string& from, const std::string& target) override;
  bool Delete(const std::string& path) override;
  bool MakeFolder(const std::string& folder) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  std::string LastError() override;

private:
  // Keeps the system's error code of the call that just failed; always false.
  bool Failed();
  unsigned long FLastError = 0;
};

}  // namespace manager
