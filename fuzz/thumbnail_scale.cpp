// A thumbnail's header read for the lists' 80x60 pictures, and what the size check lets
// through decoded at the scale chosen.
#include <vector>

#include "common/core/JpegDecompressor.h"
#include "fuzz/FuzzInput.h"
#include "manager/core/ThumbnailScale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::optional<int> halvings = manager::ThumbnailHalvings(data, size, 80, 60);
  if (!halvings) return 0;
  try {
    common::TJpegDecompressor picture(data, size);
    picture.Start(*halvings);
    // Never more than the largest thumbnail allowed, whatever the data claims.
    if (picture.OutputWidth() > manager::kMaxThumbnailSide ||
        picture.OutputHeight() > manager::kMaxThumbnailSide)
      __builtin_trap();
    std::vector<unsigned char> row(picture.OutputWidth() * 3);
    for (unsigned y = 0; y < picture.OutputHeight(); ++y) picture.ReadRowBGR(row.data());
    picture.Finish();
  } catch (const common::EJpegData&) {
  }
  return 0;
}
