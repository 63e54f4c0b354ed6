// Replacing a file on Windows: rename refuses an existing target there, the platform's move
// replaces it in one step (and returns only once the move is on the disk).
#include <windows.h>

#include "common/core/ReplaceFile.h"

namespace common {

bool ReplaceFileWith(const std::string& temporary, const std::string& target) {
  return MoveFileExA(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace common
