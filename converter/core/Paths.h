#pragma once
#include <string>
#include <vector>

namespace converter {

// The text before its last "."; the whole text when it has none. Folders are not looked at,
// so a dot in a folder name counts when the file name has none.
std::string StripExtension(const std::string& text);
// The file name of a path: the text after its last "\", "/" or ":".
std::string FileNameOf(const std::string& path);
// The extension of the file name with its dot, empty when the name has none.
std::string ExtractFileExt(const std::string& path);
// The folder with a trailing "\" added when missing.
std::string AddBackslash(const std::string& folder);

// Those of the file names (in their order) whose lower-case extension is the lower-case
// extension given (with its dot).
std::vector<std::string> FilesWithExtension(const std::vector<std::string>& fileNames,
                                            const std::string& extension);
// The names of the ".ovx" files among the file names, without extension, in the order of the
// profile list: without regard to case, so that a stored index picks the same profile
// whatever order the folder lists them in.
std::vector<std::string> ProfileNames(const std::vector<std::string>& fileNames);

}  // namespace converter
