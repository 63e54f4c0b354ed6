#include "converter/core/Paths.h"

#include <algorithm>

#include "common/core/FileNames.h"
#include "common/core/TextCase.h"

using common::ExtractFileExt;
using common::LessText;
using common::LowerCase;
using common::StripExtension;

namespace converter {

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
