#include "converter/core/FileTypes.h"

#include "common/core/FileNames.h"
#include "common/core/TextCase.h"

#include <algorithm>

using common::ExtractFileExt;
using common::LowerCase;
using common::UpperCase;

namespace converter {
const std::vector<std::string>& InputExtensions() {
  static const std::vector<std::string> extensions{".avi", ".mpg", ".mpeg", ".mp4",
                                                   ".wmv", ".mov", ".vob",  ".asf"};
  return extensions;
}

std::string InputMask() {
  std::string mask;
  for (const std::string& extension : InputExtensions()) mask += "*" + extension + ";";
  return mask;
}

std::string InputFilter() {
  const std::string mask = InputMask();
  std::string filter = "All Support Files(" + mask + ")|" + mask + "|";
  for (const std::string& extension : InputExtensions())
    filter += UpperCase(extension.substr(1)) + " Files (*" + extension + ")|*" + extension + "|";
  return filter + "All Files (*.*)|*.*";
}

bool HasSupportedExtension(const std::string& path) {
  const auto& extensions = InputExtensions();
  return std::find(extensions.begin(), extensions.end(), LowerCase(ExtractFileExt(path))) !=
         extensions.end();
}

}  // namespace converter
