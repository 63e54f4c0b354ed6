// A GIF from the list's pictures, cut to one frame; the first byte is the frame wanted.
#include <cstdlib>

#include "fuzz/FuzzInput.h"
#include "listview/core/GifFrames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const listview::Bytes gif(data + 1, data + size);
  const int count = listview::GifFrameCount(gif);
  const listview::GifFrameSelection s = listview::SelectGifFrame(gif, data[0] % 8);
  if (s.Data.size() > gif.size() || (count <= 0 && s.Data != gif)) std::abort();
  return 0;
}
