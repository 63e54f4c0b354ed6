#include "manager/core/ThumbnailScale.h"

#include <gtest/gtest.h>

#include "common/core/tests/JpegTesting.h"

namespace manager {
namespace {

// The lists' pictures are 80x60.
constexpr unsigned kWidth = 80, kHeight = 60;

TEST(ThumbnailScaleTest, HalvedAsOftenAsThePictureStillCoversTheList) {
  struct Case {
    unsigned width, height;
    std::optional<int> halvings;
  };
  for (const Case& c : {
           Case{160, 120, 1},   // the encoder's thumbnails
           Case{159, 119, 1},   // halves round up
           Case{158, 120, 0},   // a half is too narrow
           Case{320, 240, 2},
           Case{640, 480, 3},
           Case{1280, 960, 3},  // an eighth is as small as libjpeg goes
           Case{960, 1280, 3},  // standing
           Case{80, 60, 0},
           Case{8, 6, 0},       // stretched
           Case{1, 1, 0},
       })
    EXPECT_EQ(ThumbnailHalvings(c.width, c.height, kWidth, kHeight), c.halvings)
        << c.width << "x" << c.height;
}

TEST(ThumbnailScaleTest, SizesOutOfReasonAreRefused) {
  struct Case {
    unsigned width, height;
  };
  for (const Case& c : {
           Case{65000, 65000},  // what a 2 KB file can claim
           Case{1281, 10},      // a side too long
           Case{10, 1281},
           Case{1280, 1280},    // too many pixels
           Case{0, 120},
           Case{160, 0},
           Case{~0u, ~0u},
       })
    EXPECT_EQ(ThumbnailHalvings(c.width, c.height, kWidth, kHeight), std::nullopt)
        << c.width << "x" << c.height;
}

TEST(ThumbnailScaleTest, ReadFromTheHeaderOfTheData) {
  const std::string thumbnail = jpeg_testing::Encode(160, 120, {200, 100, 0});
  EXPECT_EQ(ThumbnailHalvings(thumbnail.data(), thumbnail.size(), kWidth, kHeight), 1);
  const std::string grey = jpeg_testing::Encode(640, 480, {128}, jpeg_testing::Scans::kProgressive);
  EXPECT_EQ(ThumbnailHalvings(grey.data(), grey.size(), kWidth, kHeight), 3);

  struct Case {
    const char* note;
    std::string data;
  };
  for (const Case& c : {
           Case{"claims 65000x65000", jpeg_testing::WithClaimedSize(thumbnail, 65000, 65000)},
           Case{"claims 0x120", jpeg_testing::WithClaimedSize(thumbnail, 0, 120)},
           Case{"empty", ""},
           Case{"no picture", "no picture"},
           Case{"cut in the header", thumbnail.substr(0, 30)},
       })
    EXPECT_EQ(ThumbnailHalvings(c.data.data(), c.data.size(), kWidth, kHeight), std::nullopt)
        << c.note;
}

}  // namespace
}  // namespace manager
