#include "listview/core/GifFrames.h"

#include <cstddef>

namespace listview {

namespace {
bool IsFrameBoundary(const Bytes& d, std::size_t p) {
  return p + 9 < d.size() && d[p] == 0x21 && d[p + 1] == 0xF9 && d[p + 2] == 0x04 && d[p + 8] == 0x2C;
}

// A little-endian 16-bit value; 0 when the data ends before it does.
int Word(const Bytes& d, std::size_t at) { return at + 1 < d.size() ? d[at] | d[at + 1] << 8 : 0; }
}  // namespace

bool IsGif(const Bytes& data) {
  return data.size() >= 5 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F' && data[3] == '8';
}

int GifFrameCount(const Bytes& data) {
  if (!IsGif(data)) return -1;
  int count = 0;
  for (std::size_t p = 0; p < data.size(); ++p) count += IsFrameBoundary(data, p);
  return count;
}

GifFrameSelection SelectGifFrame(const Bytes& data, int Frame) {
  GifFrameSelection s;
  if (GifFrameCount(data) <= 0) {
    s.Data = data;
    return s;
  }
  s.ScreenWidth = Word(data, 6);
  s.ScreenHeight = Word(data, 8);
  int frame = 1;
  bool copying = true;
  for (std::size_t p = 0; p < data.size(); ++p) {
    if (IsFrameBoundary(data, p)) {
      if (frame == Frame) {
        s.Left = Word(data, p + 9);
        s.Top = Word(data, p + 11);
        s.Width = Word(data, p + 13);
        s.Height = Word(data, p + 15);
      }
      ++frame;
      copying = Frame < frame;
    }
    if (copying) s.Data.push_back(data[p]);
  }
  return s;
}

}  // namespace listview
