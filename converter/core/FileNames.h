#pragma once
#include <string>

namespace converter {

// The file name of a path: the text after its last "\", "/" or ":".
std::string FileNameOf(const std::string& path);

}  // namespace converter
