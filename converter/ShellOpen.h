#pragma once
#include <string>

namespace converter {

// Opens the file, folder or address with the shell's "open" verb in a normal window, handing
// the program the parameters (as they stand, unquoted) when there are any. False when the shell
// could not open it.
bool OpenWithShell(const std::string& path, const std::string& parameters = "");

}  // namespace converter
