#include "converter/core/CommandLineInputs.h"

#include "common/core/FileNames.h"
#include "common/core/TextCase.h"
#include "converter/core/TextLines.h"

using common::ExtractFileExt;
using common::LowerCase;

namespace converter {

std::vector<std::string> CommandLineInputs(const std::vector<std::string>& arguments, const ReadListFile& readListFile) {
  if (arguments.empty() || LowerCase(ExtractFileExt(arguments.front())) != ".tmp") return arguments;
  return TextLines(readListFile(arguments.front()));
}

}  // namespace converter
