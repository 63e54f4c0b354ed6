#pragma once
#include <string>
#include <vector>

namespace converter {

// The names of the files in the folder (not its subfolders; hidden and system files included)
// whose extension is the given one (with its dot) in any letter case, in the order the file
// system lists them. A missing folder gives an empty list.
std::vector<std::string> ListFilesWithExtension(const std::string& folder,
                                                const std::string& extension);

}  // namespace converter
