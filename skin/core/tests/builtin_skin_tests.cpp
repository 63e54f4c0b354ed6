// The built-in skin as the build writes it: every entry the skinners read, in container order,
// at the sizes and frame counts they cut it into.
#include <gtest/gtest.h>

#include "skin/core/bitmap_ops.h"
#include "skin/core/container.h"
#include "skin/core/little_endian.h"
#include "skin/core/skin_reader.h"
#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

struct ExpectedBitmap {
  const char* Name;
  int Width;
  int Height;
  int Frames;
  int Bits;
};

const ExpectedBitmap kBitmaps[] = {
    {"ButtonImage", 219, 19, 3, 24},
    {"CheckBoxImage", 48, 12, 4, 24},
    {"RadioButtonImage", 48, 12, 4, 24},
    {"TitleBarButtonImage", 468, 14, 18, 24},
    {"TitleBarLeftImage", 42, 28, 1, 24},
    {"TitleBarClientImage", 42, 28, 1, 24},
    {"TitleBarRightImage", 42, 28, 1, 24},
    {"ProgressBarImage", 230, 17, 1, 24},
    {"TrackBarBarImage", 50, 4, 1, 24},
    {"TrackBarSliderImage", 10, 18, 1, 24},
    {"TrackBarSliderVImage", 22, 11, 1, 24},
    {"ScrollBarButtonImage", 90, 16, 6, 24},
    {"ScrollBarSliderImage", 57, 15, 1, 24},
    {"CheckListBoxImage", 48, 12, 1, 24},
    {"ScrollButtonImage", 64, 16, 1, 8},
    {"TabControlTabImage", 56, 19, 2, 24},
    {"TabControlBarImage", 12, 2, 1, 24},
    {"SideChannelHandleImage", 8, 86, 1, 8},
    {"SideChannelBarImage", 1, 25, 1, 24},
    {"TitleBarMinimizedImage", 200, 25, 1, 24},
    {"FormLeftBorderImage", 4, 18, 1, 24},
};

struct ValueSpec {
  const char* Name;
  std::int32_t Value;
};

const ValueSpec kIntegers[] = {
    {"TitleBarButtonLeftOffsetInt", 5},
    {"TitleBarButtonRightOffsetInt", -5},
    {"TitleBarButtonTopInt", 2},
    {"FormMinWidthInt", 200},
    {"FormRoundCornerInt", 11},
    {"FormBackgroundColor", 0x00EFEFEF},
    {"FormBorderColor", 0x005F544F},
    {"FormBorderWidthInt", 0},
    {"MenuSelectedBorderColor", 0x00D9D9D9},
    {"MenuSelectedBackgroundColor", 0x00F3EFD7},
    {"MenuSelectedFontColor", 0x00FF0000},
    {"MenuBackgroundColor", 0x00F0F0F0},
    {"MenuFontColor", 0x00000000},
    {"MenuBarColor", 0x00E8E6EA},
    {"ControlBorderColor", 0x007B7B7B},
    {"ControlBackgroundColor", 0x00FFFFFF},
    {"ControlFontColor", 0x00585858},
    {"ScrollBarBackgroundColor", 0x00F3F3F3},
    {"ToolBarButtonBorderColor", 0x00B17F3C},
    {"ToolBarButtonBackgroundColor", 0x00FCEFD7},
    {"ToolBarButtonDownBackgroundColor", 0x00F7D291},
    {"TitleBarFontColor", 0x00FFFFFF},
    {"FormBottomRoundCornerInt", 0},
    {"MenuMenuBarColor", 0x00DBDBDB},
};

const ValueSpec kFlags[] = {{"ButtonTransparentBool", 1}, {"TitleBarButtonTransparentBool", 1}};

class BuiltInSkin : public ::testing::Test {
protected:
  static void SetUpTestSuite() { Data = new test::Bytes(test::ReadFile(BUILTIN_SKIN_FILE)); }
  static void TearDownTestSuite() { delete Data; }
  static test::Bytes* Data;
};

test::Bytes* BuiltInSkin::Data = nullptr;

TEST_F(BuiltInSkin, HoldsEveryEntryInOrderLaidOutAsTheSystemWritesContainers) {
  const auto entries = ReadContainer(*Data);
  ASSERT_TRUE(entries);
  std::vector<std::pair<std::string, EntryType>> expected;
  for (const ExpectedBitmap& b : kBitmaps)
    expected.emplace_back(b.Name, EntryType::Bitmap);
  for (const ValueSpec& i : kIntegers)
    expected.emplace_back(i.Name, EntryType::Integer);
  for (const ValueSpec& f : kFlags)
    expected.emplace_back(f.Name, EntryType::Flag);
  ASSERT_EQ(entries->size(), expected.size());

  // Header, then each record followed by its data, then the all-zero flag terminator.
  EXPECT_EQ(std::string(Data->begin(), Data->begin() + 12), std::string("Kivlane_TB\0\0", 12));
  EXPECT_EQ(ReadU32(Data->data() + 12), 24u);
  EXPECT_EQ(ReadU32(Data->data() + 16), 1u);
  std::size_t record = 24;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const ContainerEntry& e = (*entries)[i];
    EXPECT_EQ(e.Name, expected[i].first);
    EXPECT_EQ(e.Type, expected[i].second) << e.Name;
    EXPECT_EQ(e.DataOffset, record + test::kRecordSize) << e.Name;
    if (e.Type != EntryType::Bitmap)
      EXPECT_EQ(e.DataSize, e.Type == EntryType::Integer ? 4u : 1u) << e.Name;
    record = e.DataOffset + e.DataSize;
  }
  ASSERT_EQ(Data->size(), record + test::kRecordSize);
  const test::Bytes terminator(Data->begin() + record, Data->end());
  test::Bytes expectedTerminator(test::kRecordSize);
  expectedTerminator[64] = 2;
  EXPECT_EQ(terminator, expectedTerminator);
}

TEST_F(BuiltInSkin, BitmapsHaveTheirSizesDepthsAndWholeFrames) {
  TkivSkinReader reader;
  ASSERT_TRUE(reader.LoadFromMemory(*Data));
  const auto entries = ReadContainer(*Data);
  ASSERT_TRUE(entries);
  for (std::size_t i = 0; i < std::size(kBitmaps); ++i) {
    const ExpectedBitmap& expected = kBitmaps[i];
    Image image;
    ASSERT_TRUE(reader.GetBitmap(expected.Name, image)) << expected.Name;
    EXPECT_EQ(image.Width(), expected.Width) << expected.Name;
    EXPECT_EQ(image.Height(), expected.Height) << expected.Name;
    EXPECT_EQ(image.Width() % expected.Frames, 0) << expected.Name;
    EXPECT_EQ(ReadU16(Data->data() + (*entries)[i].DataOffset + 28), expected.Bits) << expected.Name;
  }
}

TEST_F(BuiltInSkin, FramesAreCutAsTheSkinnersCutThem) {
  TkivSkinReader reader;
  ASSERT_TRUE(reader.LoadFromMemory(*Data));
  Image strip, frame;
  ASSERT_TRUE(reader.GetBitmap("TitleBarButtonImage", strip));
  ASSERT_TRUE(reader.GetFrameBitmap("TitleBarButtonImage", frame, 18, 16));
  ASSERT_EQ(frame.Width(), 26);
  ASSERT_EQ(frame.Height(), 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 26; ++x)
      ASSERT_EQ(frame.Pixel(x, y), strip.Pixel(390 + x, y)) << x << "," << y;

  // Transparent bitmaps leave magenta around their shapes; the opaque check box does not.
  Image radio, check;
  ASSERT_TRUE(reader.GetBitmap("RadioButtonImage", radio));
  ASSERT_TRUE(reader.GetBitmap("CheckBoxImage", check));
  EXPECT_EQ(radio.Pixel(0, 0), kTransparentColor);
  EXPECT_NE(check.Pixel(0, 0), kTransparentColor);
}

TEST_F(BuiltInSkin, IntegersAndFlagsHaveTheirValues) {
  TkivSkinReader reader;
  ASSERT_TRUE(reader.LoadFromMemory(*Data));
  for (const ValueSpec& i : kIntegers)
    EXPECT_EQ(reader.GetInt(i.Name), i.Value) << i.Name;
  for (const ValueSpec& f : kFlags)
    EXPECT_EQ(reader.GetBool(f.Name), f.Value != 0) << f.Name;
  Image none;
  EXPECT_FALSE(reader.GetBitmap("FormBottomBorderImage", none));
}

}  // namespace
}  // namespace skin
