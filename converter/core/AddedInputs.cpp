#include "converter/core/AddedInputs.h"

#include "converter/core/OutputNaming.h"
#include "converter/core/ShownText.h"

namespace converter {

std::string InputProblem(const std::string& path) {
  const std::string::size_type prefix = path.rfind(R"(\\?\)", 0) == 0 ? 4 : 0;
  if (path.find('?', prefix) != std::string::npos)
    return "The name has characters that the system's code page cannot hold.";
  if (path.size() > kLongestPath)
    return "The path is longer than " + std::to_string(kLongestPath) + " characters.";
  return "";
}

std::string InputsNotAddedText(const std::vector<std::string>& lines) {
  return "These files cannot be added to the Task List:\n\n" + FirstFewLines(lines);
}

}  // namespace converter
