#include "converter/core/FileNames.h"

namespace converter {

std::string FileNameOf(const std::string& path) {
  const auto delimiter = path.find_last_of("\\/:");
  return delimiter == std::string::npos ? path : path.substr(delimiter + 1);
}

}  // namespace converter
