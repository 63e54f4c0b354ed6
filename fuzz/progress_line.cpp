// A chunk of the encoder's output during a conversion, read for its time.
#include <cmath>
#include <cstdlib>

#include "converter/core/ProgressLine.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto time = converter::ProgressTime(fuzz::Text(data, size));
  if (time && !std::isfinite(*time)) std::abort();
  return 0;
}
