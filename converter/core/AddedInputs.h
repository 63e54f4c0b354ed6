#pragma once
#include <string>
#include <vector>

namespace converter {

// Why an input path cannot go into the task list, in the words the user is told; empty when it
// can. A path longer than kLongestPath is one the system's file calls cannot open. A "?" (past a
// leading "\\?\") stands where the system's code page had no character for one of the name's:
// no file name holds a "?", and the file cannot be reached under that name.
std::string InputProblem(const std::string& path);

// The message about the inputs that were not added, given as "path: problem" lines: the first
// few, then how many more.
std::string InputsNotAddedText(const std::vector<std::string>& lines);

}  // namespace converter
