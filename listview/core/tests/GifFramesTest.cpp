#include "listview/core/GifFrames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace listview {
namespace {

// "GIF89a", a logical screen of 40x30 and a two-entry colour table.
Bytes Header() { return {'G', 'I', 'F', '8', '9', 'a', 40, 0, 30, 0, 0x80, 0, 0, 1, 2, 3, 4, 5, 6}; }

// A graphic control extension, an image descriptor at (left, top) of 8x4 and a little image data.
void AddFrame(Bytes& gif, std::uint8_t left, std::uint8_t top) {
  const Bytes frame{0x21, 0xF9, 0x04, 0, 0, 0, 0, 0, 0x2C, left, 0, top, 0, 8, 0, 4, 0, 0, 2, 2, 0x4C, 1, 0};
  gif.insert(gif.end(), frame.begin(), frame.end());
}

Bytes Gif(int frames) {
  Bytes gif = Header();
  for (int i = 0; i < frames; ++i) AddFrame(gif, (std::uint8_t)(10 * i), (std::uint8_t)i);
  gif.push_back(0x3B);
  return gif;
}

TEST(GifFrameCountTest, CountsControlExtensionsFollowedByAnImage) {
  Bytes lastByteDescriptor = Header();   // the 2C is the data's last byte: not wholly inside
  lastByteDescriptor.insert(lastByteDescriptor.end(), {0x21, 0xF9, 0x04, 0, 0, 0, 0, 0, 0x2C});
  Bytes oneByteMore = lastByteDescriptor;
  oneByteMore.push_back(0);
  struct Case { const char* note; Bytes data; int count; };
  for (const Case& c : {
           Case{"no GIF", {'B', 'M', 0, 0, 0, 0}, -1},
           Case{"four bytes", {'G', 'I', 'F', '8'}, -1},
           Case{"no extension", Header(), 0},
           Case{"one frame", Gif(1), 1},
           Case{"five frames", Gif(5), 5},
           Case{"descriptor last", lastByteDescriptor, 0},
           Case{"descriptor inside", oneByteMore, 1},
       })
    EXPECT_EQ(GifFrameCount(c.data), c.count) << c.note;
}

TEST(SelectGifFrameTest, KeepsTheHeaderAndTheFramesFromTheChosenOne) {
  const Bytes gif = Gif(5);
  const size_t header = Header().size(), frame = 23;
  struct Case { int frame; size_t size; int left, top, width; };
  for (const Case& c : {
           Case{1, gif.size(), 0, 0, 8},
           Case{3, gif.size() - 2 * frame, 20, 2, 8},
           Case{5, header + frame + 1, 40, 4, 8},
           Case{6, header, 0, 0, 0},   // beyond the last: the header alone
       }) {
    const GifFrameSelection s = SelectGifFrame(gif, c.frame);
    ASSERT_EQ(s.Data.size(), c.size) << "frame " << c.frame;
    EXPECT_EQ(Bytes(s.Data.begin(), s.Data.begin() + header), Header()) << "frame " << c.frame;
    EXPECT_TRUE(std::equal(s.Data.begin() + header, s.Data.end(), gif.end() - (c.size - header)))
        << "frame " << c.frame;
    EXPECT_EQ(s.Left, c.left) << "frame " << c.frame;
    EXPECT_EQ(s.Top, c.top) << "frame " << c.frame;
    EXPECT_EQ(s.Width, c.width) << "frame " << c.frame;
    EXPECT_EQ(s.ScreenWidth, 40);
    EXPECT_EQ(s.ScreenHeight, 30);
  }
}

TEST(SelectGifFrameTest, DataWithoutFramesIsHandedOverWhole) {
  for (const Bytes& data : {Header(), Bytes{'B', 'M', 1, 2, 3}, Bytes{}}) {
    const GifFrameSelection s = SelectGifFrame(data, 2);
    EXPECT_EQ(s.Data, data);
    EXPECT_EQ(s.ScreenWidth, 0);
    EXPECT_EQ(s.Left + s.Top + s.Width + s.Height, 0);
  }
}

TEST(SelectGifFrameTest, AFrameRectangleCutShortReadsZeroForWhatIsMissing) {
  Bytes gif = Header();
  gif.insert(gif.end(), {0x21, 0xF9, 0x04, 0, 0, 0, 0, 0, 0x2C, 7, 0, 9, 0, 5});
  const GifFrameSelection s = SelectGifFrame(gif, 1);
  EXPECT_EQ(s.Left, 7);
  EXPECT_EQ(s.Top, 9);
  EXPECT_EQ(s.Width, 0);    // one byte of two
  EXPECT_EQ(s.Height, 0);
  EXPECT_EQ(s.Data, gif);
}

}  // namespace
}  // namespace listview
