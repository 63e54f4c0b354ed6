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

// The first of prefix + 00001 ... 99999 + ".MP4" that is free: no listed name equals it
// without regard to case, and isTaken (asked only for names the list does not show) says
// that neither the video nor its thumbnail lies in the folder. Nothing when all are taken.
std::optional<std::string> NextFreePSPName(int typeIndex, const std::vector<std::string>& listed,
                                           const std::function<bool(const std::string&)>& isTaken);

// Where a copy goes instead of the taken name in the folder (ending with "\"): the name
// without its extension + "_New" + its extension, else "_New2", "_New3" ... the first for
// which isTaken is false.
std::string FreeCopyPath(const std::string& folder, const std::string& name,
                         const std::function<bool(const std::string&)>& isTaken);

// Why a console video named oldName may not be renamed to newName: the box text when the new
// name does not keep the console's form (the old name's first three characters, letter case
// counting, five digits, ".MP4" in any case); nothing when it does.
std::optional<std::string> ConsoleRenameError(const std::string& oldName,
                                              const std::string& newName);

// The name a video is renamed to: as typed when its extension is ".MP4" in any case, else
// with ".MP4" appended ("clip.avi" gives "clip.avi.MP4").
std::string WithVideoExtension(const std::string& name);

// Whether the typed name names a file in the same folder: not empty and none of
// \ / : * ? " < > | in it.
bool IsSafeFileName(const std::string& name);

}  // namespace manager
