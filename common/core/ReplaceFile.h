#pragma once
#include <string>

namespace common {

// Puts the complete file temporary in the place of target in one step, replacing target when
// it exists; false leaves both as they were. The standard library's rename does this on POSIX
// but refuses an existing target on Windows, so each platform links its own.
bool ReplaceFileWith(const std::string& temporary, const std::string& target);

}  // namespace common
