// A transfer of videos with their thumbnails between the PC folder and the console's video
// folder, step by step, over the files and the user it works with.
#pragma once
#include <string>
#include <vector>

namespace manager {

// The four kinds, numbered as the main window's buttons start them.
enum class TTransferKind { MoveToPSP = 0, CopyToPSP = 1, MoveToPC = 2, CopyToPC = 3 };

// One of the two video lists.
enum class TVideoSide { PC, PSP };

// What a transfer does to files. Paths are whole; each answers whether it worked.
class TTransferFiles {
public:
  virtual ~TTransferFiles() = default;
  virtual bool Exists(const std::string& path) = 0;
  // Replaces a file that is there.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
  // Puts the complete file temporary in target's place in one step, replacing target when it
  // is there; false leaves both as they were.
  virtual bool Replace(const std::string& temporary, const std::string& target) = 0;
  virtual bool Delete(const std::string& path) = 0;
  // Makes the folder and those above it that are missing; true when it is there.
  virtual bool MakeFolder(const std::string& folder) = 0;
  // Whether the two names lead to one file, as the file system decides (so ".", "..", letter
  // case and other spellings of one path count).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
};

// What a transfer asks of the window and the user.
class TTransferUser {
public:
  virtual ~TTransferUser() = default;
  // Nothing was selected in the source list: every row is now.
  virtual void SelectAll() = 0;
  virtual bool StopRequested() = 0;
  // The video about to be copied, shown before the copy.
  virtual void ShowStep(const std::string& source, const std::string& destination) = 0;
  // The destination exists: true to overwrite it, false to copy beside it.
  virtual bool AskOverwrite() = 0;
  virtual void Refresh(TVideoSide side) = 0;
  // The rows of the console list as it shows them now.
  virtual std::vector<std::string> ConsoleNames() = 0;
  virtual void Progress(int percent) = 0;
};

// One row of the source list.
struct TSourceRow {
  std::string Caption;
  bool Selected = false;
};

struct TTransferRequest {
  TTransferKind Kind = TTransferKind::CopyToPSP;
  std::string PCFolder;   // both with a trailing "\"
  std::string PSPFolder;
  int TypeIndex = 0;      // of the video type combo: names the console's videos
  std::string DefaultThumbnail;  // the thumbnail of a video that has none
  std::vector<TSourceRow> Rows;
};

struct TTransferResult {
  bool Canceled = false;
  int Failed = 0;      // selected videos that did not arrive
  int OwnSource = 0;   // of those, videos whose destination is the video itself
};

// Transfers the selected rows (every row when none is selected) in list order. Stop is looked
// at before each video. A move deletes a source only after its copy worked; a video whose
// destination is its source (by the file system, before anything is asked or deleted), or
// whose destination folder cannot be made, is left alone and counts as failed. A video that
// overwrites one of its name is written whole under a temporary name beside it first: until
// then the old video and its thumbnail stay as they were, and they stay so when it fails.
// Both lists are refreshed when the transfer is stopped.
TTransferResult TransferVideos(const TTransferRequest& request, TTransferFiles& files,
                               TTransferUser& user);

// The final box's text: exactly "The transfer is completed." when nothing failed, else a line
// more that tells how many videos did not arrive, and one that tells why for those whose
// destination is their source.
std::string CompletedMessage(const TTransferResult& result);
// The final box's caption: "Mission Accomplished" only when every video arrived.
std::string CompletedCaption(const TTransferResult& result);

}  // namespace manager
