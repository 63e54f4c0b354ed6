// Replacing a file on POSIX systems, where rename puts the new file in place in one step.
#include <cstdio>

#include "common/core/ReplaceFile.h"

namespace common {

bool ReplaceFileWith(const std::string& temporary, const std::string& target) {
  return std::rename(temporary.c_str(), target.c_str()) == 0;
}

}  // namespace common
