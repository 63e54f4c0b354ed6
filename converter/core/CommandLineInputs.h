#pragma once
#include <functional>
#include <string>
#include <vector>

namespace converter {

// Gives the text of a list file; what happens when it cannot be read is the caller's choice.
using ReadListFile = std::function<std::string(const std::string& path)>;

// The candidate inputs of the command line: the arguments in order, or, when the first argument
// has the extension ".tmp" in any letter case, the lines of that file, the other arguments then
// being ignored.
std::vector<std::string> CommandLineInputs(const std::vector<std::string>& arguments, const ReadListFile& readListFile);

}  // namespace converter
