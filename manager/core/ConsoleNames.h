// The names videos carry: the console's own naming form, the free names a transfer takes and
// the names a user may give.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace manager {

// The first three letters of a console video's name for the index of the video type combo:
// 0 "M4V", any other "MAQ".
std::string ConsoleNamePrefix(int typeIndex);

// The video's thumbnail: the path without its extension, then ".THM".
std::string ThumbnailOf(const std::string& videoPath);

// The free console names of one folder, from its entries read once: each name is prefix +
// 00001 ... 99999 + ".MP4" of the type, and it is free when the folder holds neither it nor
// its ".THM" (any letter case, file or folder) and it was not taken since. Names are given in
// order, and the search goes on from the last one, so a whole transfer costs one pass over
// the numbers however full the folder is.
class TFreePSPNames {
public:
  TFreePSPNames(int typeIndex, const std::vector<std::string>& folderEntries);
  // The first free name; nothing when all are taken.
  std::optional<std::string> NextFreePSPName();
  // The name NextFreePSPName gave last is taken now (its video arrived).
  void TakeLast();

private:
  std::string FPrefix;
  std::vector<bool> FTaken;  // by number
  int FNext = 1;             // every number before it is taken
};

// Where a copy goes instead of the taken name in the folder (ending with "\"): the name
// without its extension + "_New" + its extension, else "_New2", "_New3" ... the first for
// which isTaken is false.
std::string FreeCopyPath(const std::string& folder, const std::string& name,
                         const std::function<bool(const std::string&)>& isTaken);

// A name beside the path for its new content while that is written: the path + ".tmp", else
// + ".2.tmp", ".3.tmp" ... the first for which isTaken is false. Never a name the lists show.
std::string TemporaryPath(const std::string& path,
                          const std::function<bool(const std::string&)>& isTaken);

// Why a console video named oldName may not be renamed to newName: the box text when the new
// name does not keep the console's form (the old name's first three characters, letter case
// counting, five digits, ".MP4" in any case); nothing when it does.
std::optional<std::string> ConsoleRenameError(const std::string& oldName,
                                              const std::string& newName);

// The name a video is renamed to: as typed when its extension is ".MP4" in any case, else
// with ".MP4" appended ("clip.avi" gives "clip.avi.MP4").
std::string WithVideoExtension(const std::string& name);

// Why the typed name cannot be a video's new name in its folder: the box text when it is
// empty, holds any of \ / : * ? " < > |, or is one of the system's device names (CON, PRN,
// AUX, NUL, COM1 ... COM9, LPT1 ... LPT9, with or without an extension, in any letter
// case), which name no file; nothing when it can.
std::optional<std::string> FileNameError(const std::string& name);

}  // namespace manager
