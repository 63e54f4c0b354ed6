#include "listview/core/PictureSources.h"

#include <gtest/gtest.h>

namespace listview {
namespace {

TEST(RouteSourceTest, PrefixInAnyCaseNamesResourceOrFile) {
  struct Case { const char* source; SourceKind kind; const char* name; };
  for (const Case& c : {
           Case{"res://Logo", SourceKind::Resource, "Logo"},   // the name keeps its case
           Case{"RES://", SourceKind::Resource, ""},
           Case{"File://C:\\a b.bmp", SourceKind::File, "C:\\a b.bmp"},
           Case{"http://host/a.gif", SourceKind::Remote, "http://host/a.gif"},
           Case{"res:/Logo", SourceKind::Remote, "res:/Logo"},
           Case{"", SourceKind::Remote, ""},
       }) {
    const SourceRoute r = RouteSource(c.source);
    EXPECT_EQ(r.Kind, c.kind) << c.source;
    EXPECT_EQ(r.Name, c.name) << c.source;
  }
}

TEST(HimetricToPixelsTest, RoundsToTheNearestPixelHalvesAwayFromZero) {
  struct Case { int himetric, ppi, pixels; };
  for (const Case& c : {
           Case{2540, 96, 96},   // an inch
           Case{0, 96, 0},
           Case{13, 96, 0},      // 0.49 pixel
           Case{14, 96, 1},      // 0.53
           Case{1270, 1, 1},     // exactly a half
           Case{-1270, 1, -1},
           Case{1269, 1, 0},
       })
    EXPECT_EQ(HimetricToPixels(c.himetric, c.ppi), c.pixels) << c.himetric << " at " << c.ppi;
}

TEST(SameNameIgnoringCaseTest, ComparesWholeNames) {
  EXPECT_TRUE(SameNameIgnoringCase("MyPicture", "MYPICTURE"));
  EXPECT_TRUE(SameNameIgnoringCase("", ""));
  EXPECT_FALSE(SameNameIgnoringCase("MyPicture", "MYPICTURE2"));
  EXPECT_FALSE(SameNameIgnoringCase("MyPicture2", "MYPICTURE"));
}

TEST(VersionTextTest, FourBytesMostSignificantFirst) {
  EXPECT_EQ(PackVersion(1, 6, 2, 2), 0x01060202u);
  EXPECT_EQ(VersionText(PackVersion(1, 6, 2, 2)), "1.6.2.2");
  EXPECT_EQ(VersionText(PackVersion(1, 0, 0, 0)), "1.0.0.0");
  EXPECT_EQ(VersionText(PackVersion(255, 0, 255, 10)), "255.0.255.10");
}

}  // namespace
}  // namespace listview
