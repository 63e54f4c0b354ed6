#pragma once
#include <string>

namespace common {

// The text before its last "."; the whole text when it has none. Folders are not looked at,
// so a dot in a folder name counts when the file name has none.
std::string StripExtension(const std::string& text);
// The file name of a path: the text after its last "\", "/" or ":".
std::string FileNameOf(const std::string& path);
// The extension of the file name with its dot, empty when the name has none.
std::string ExtractFileExt(const std::string& path);
// The folder with a trailing "\" added when missing.
std::string AddBackslash(const std::string& folder);

}  // namespace common
