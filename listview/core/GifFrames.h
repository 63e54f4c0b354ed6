#pragma once
// Choosing one frame of a multi-frame GIF for a picture loader that shows only a file's first
// image: the frames before it are left out of the bytes handed to the loader.
#include <cstdint>
#include <vector>

namespace listview {

using Bytes = std::vector<std::uint8_t>;

// At least five bytes starting "GIF8".
bool IsGif(const Bytes& data);

// The number of frames: places where a graphic control extension (21 F9 04) is followed by an
// image descriptor (2C) five bytes later, wholly inside the data. -1 when the data is no GIF.
int GifFrameCount(const Bytes& data);

struct GifFrameSelection {
  Bytes Data;  // what the loader gets, and all of it
  // The shown frame within the logical screen, and the logical screen's size; 0 when the data
  // is no multi-frame GIF, or too short to hold the value.
  int Left = 0, Top = 0, Width = 0, Height = 0;
  int ScreenWidth = 0, ScreenHeight = 0;
};

// The header and colour table, then the frames from Frame (counted from 1) on, when the data
// is a GIF with frames; otherwise the data unchanged. A Frame beyond the last leaves only the
// header, which no loader reads.
GifFrameSelection SelectGifFrame(const Bytes& data, int Frame);

}  // namespace listview
