#pragma once
#include <string>
#include <vector>

namespace converter {

// Those of the file names (in their order) whose lower-case extension is the lower-case
// extension given (with its dot).
std::vector<std::string> FilesWithExtension(const std::vector<std::string>& fileNames,
                                            const std::string& extension);
// The names of the ".ovx" files among the file names, without extension, in the order of the
// profile list: without regard to case, so that a stored index picks the same profile
// whatever order the folder lists them in.
std::vector<std::string> ProfileNames(const std::vector<std::string>& fileNames);

}  // namespace converter
