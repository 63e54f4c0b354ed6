// A skin container (".kiv") as read into its entries: each one lies inside the data.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "skin/core/container.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const auto entries = skin::ReadContainer(bytes);
  if (!entries) return 0;
  for (const skin::ContainerEntry& e : *entries)
    if (e.DataOffset > size || e.DataSize > size - e.DataOffset) std::abort();
  return 0;
}
