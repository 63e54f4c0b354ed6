// A transfer of videos with their thumbnails between the PC folder and the console's video
// folder, step by step, over the files and the user it works with.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace manager {

// The four kinds, numbered as the main window's buttons start them.
enum class TTransferKind { MoveToPSP = 0, CopyToPSP = 1, MoveToPC = 2, CopyToPC = 3 };

// The videos go from the PC to the console.
bool ToConsole(TTransferKind kind);

// One of the two video lists.
enum class TVideoSide { PC, PSP };

// What a transfer does to files. Paths are whole; each answers whether it worked, and
// LastError tells why the last one that did not failed.
class TTransferFiles {
public:
  virtual ~TTransferFiles() = default;
  // A file or a folder of that name.
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsFile(const std::string& path) = 0;
  // The names of the files and folders directly in the folder (which ends with "\"). A long
  // folder is read in steps, and the reading ends early once stopRequested says so.
  virtual std::vector<std::string> Names(const std::string& folder,
                                         const std::function<bool()>& stopRequested) = 0;
  // Replaces a file that is there.
  virtual bool Copy(const std::string& from, const std::string& to) = 0;
  // Puts the complete file temporary in target's place in one step, replacing target when it
  // is there; false leaves both as they were.
  virtual bool Replace(const std::string& temporary, const std::string& target) = 0;
  // Gives the file the name target, which nothing may have; false leaves both as they were.
  virtual bool Rename(const std::string& from, const std::string& target) = 0;
  virtual bool Delete(const std::string& path) = 0;
  // Makes the folder and those above it that are missing; true when it is there.
  virtual bool MakeFolder(const std::string& folder) = 0;
  // Whether the two names lead to one file, as the file system decides (so ".", "..", letter
  // case and other spellings of one path count).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
  // The system's words for why the last call that answered false failed.
  virtual std::string LastError() = 0;
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
  // A video did not arrive: whether the console is there, the user asked to connect it again
  // when it is not; false ends the transfer.
  virtual bool ConsoleConnected() = 0;
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
  int Failed = 0;      // selected videos that did not arrive, or whose moved source stayed
  int OwnSource = 0;   // of those, videos whose destination is the video itself
  std::vector<std::string> Problems;  // what went wrong, in the system's words where it has some

  // Every selected video arrived, and nothing went wrong.
  bool Accomplished() const { return Failed == 0 && Problems.empty(); }
};

// Transfers the selected rows (every row when none is selected) in list order. Stop is looked
// at before each video and while the console's names are read. Every video and thumbnail is
// written whole under a temporary name beside its destination and takes the destination's
// name only then: a copy that fails leaves nothing of itself, and a video it was to overwrite
// stays with its thumbnail as it was. A move deletes a source only after its copy arrived; a
// source that cannot be deleted makes the video count as failed. A video whose destination is
// its source (by the file system, before anything is asked or deleted) is left alone and
// counts as failed. Console names come from one reading of the console folder. The transfer
// ends early, the rest counted as failed, when the destination folder cannot be made, when
// no console name is free, or when a video failed and the console is not connected. Both
// lists are refreshed when the transfer is stopped.
TTransferResult TransferVideos(const TTransferRequest& request, TTransferFiles& files,
                               TTransferUser& user);

// The final box's text: exactly "The transfer is completed." when accomplished; else a line
// more that tells how many videos did not arrive (when any did not), one that tells why for
// those whose destination is their source, and the problems (ProblemLines).
std::string CompletedMessage(const TTransferResult& result);
// The problems, each after a line break: the first kShownProblems of them, then how many more.
std::string ProblemLines(const std::vector<std::string>& problems);
constexpr std::size_t kShownProblems = 8;
// The final box's caption: "Mission Accomplished" only when the transfer was accomplished.
std::string CompletedCaption(const TTransferResult& result);

}  // namespace manager
