#include "converter/core/Paths.h"

#include "converter/core/TextCase.h"

#include <algorithm>

namespace converter {

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

std::vector<std::string> FilesWithExtension(const std::vector<std::string>& fileNames,
                                            const std::string& extension) {
  std::vector<std::string> matching;
  for (const std::string& name : fileNames)
    if (LowerCase(ExtractFileExt(name)) == LowerCase(extension)) matching.push_back(name);
  return matching;
}

std::vector<std::string> ProfileNames(const std::vector<std::string>& fileNames) {
  std::vector<std::string> names;
  for (const std::string& file : FilesWithExtension(fileNames, ".ovx"))
    names.push_back(StripExtension(file));
  std::sort(names.begin(), names.end(), LessText);
  return names;
}

}  // namespace converter
