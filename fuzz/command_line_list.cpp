// The ".tmp" list file named on the command line: one input per line.
#include "converter/core/CommandLineInputs.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Text(data, size);
  converter::CommandLineInputs({"C:\\list.TMP", "ignored.avi"},
                               [&text](const std::string&) { return text; });
  return 0;
}
