#pragma once
#include <string>
#include <vector>

namespace converter {

// The lines of a text, broken at CR LF, LF or CR; a final line break ends the last line.
std::vector<std::string> TextLines(const std::string& text);

}  // namespace converter
