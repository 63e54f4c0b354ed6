// A BMP file from a skin container.
#include "fuzz/FuzzInput.h"
#include "skin/core/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::ReadBmp(data, size);
  return 0;
}
