#include "skin/core/skin_files.h"

namespace skin {

std::string FirstFreeSkinFileName(const std::string& stem,
                                  const std::function<bool(const std::string&)>& exists) {
  std::string name = stem + ".kiv";
  for (unsigned number = 1; exists(name); ++number)
    name = stem + std::to_string(number) + ".kiv";
  return name;
}

}  // namespace skin
