#include "common/core/FileNames.h"

namespace common {

std::string StripExtension(const std::string& text) {
  return text.substr(0, text.rfind('.'));
}

std::string FileNameOf(const std::string& path) {
  const auto delimiter = path.find_last_of("\\/:");
  return delimiter == std::string::npos ? path : path.substr(delimiter + 1);
}

std::string ExtractFileExt(const std::string& path) {
  const std::string name = FileNameOf(path);
  const auto dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot);
}

std::string AddBackslash(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

}  // namespace common
