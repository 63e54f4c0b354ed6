#include "converter/core/CommandLineInputs.h"

#include "converter/core/Paths.h"
#include "converter/core/TextCase.h"
#include "converter/core/TextLines.h"

namespace converter {

std::vector<std::string> CommandLineInputs(const std::vector<std::string>& arguments, const ReadListFile& readListFile) {
  if (arguments.empty() || LowerCase(ExtractFileExt(arguments.front())) != ".tmp") return arguments;
  return TextLines(readListFile(arguments.front()));
}

}  // namespace converter
