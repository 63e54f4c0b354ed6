// Images: the five kinds of source, the room they take, where they go and how text aligns.
#include <gtest/gtest.h>

#include "listview/core/tests/HTMLFakeCanvas.h"

namespace listview {
namespace {

std::string Joined(const std::vector<std::string>& items) {
  std::string all;
  for (const std::string& item : items) all += (all.empty() ? "" : "|") + item;
  return all;
}

TEST(ImageSourceTest, TakesTheRoomOfWhatItDraws) {
  struct Case {
    const char* markup;
    int width, height;
    const char* drawn;
  };
  for (const Case& c : {
           Case{"<IMG src=\"idx:2\">", 16, 16, "IDX2@1,0"},
           Case{"<IMG src=\"IDX:4\">", 16, 16, "IDX4@1,0"},  // the last image
           Case{"<IMG src=\"IDX:5\">", 0, 16, ""},           // the count: none
           Case{"<IMG src=\"IDX:-1\">", 0, 16, ""},          // below 0: none, and no room
           Case{"<IMG src=\"ssys:C:\\a.txt\">", 16, 16, "SSYSC:\\a.txt@1,0"},
           Case{"<IMG src=\"LSYS:3\">", 32, 32, "LSYS3@1,0"},
           Case{"<IMG src=\"logo\">", 20, 16, "LOGO@1,0-21,10"},  // container names in any case
           Case{"<IMG src=\"anim\">", 30, 20, "anim@4,4-34,24"},  // at the GIF frame's offset
           Case{"<IMG src=\"logo\" width=\"30\" height=\"5\">", 30, 16, "LOGO@1,0-31,5"},
           Case{"<IMG src=\"logo\" width=\"30\">", 20, 16, "LOGO@1,0-21,10"},  // needs both
           Case{"<IMG src=\"missing\">", 0, 16, ""},
           Case{"<IMG src=\"http://host/a.png\">", 0, 16, ""},  // stays an empty picture
           Case{"ab<IMG src=\"idx:0\">c", 46, 16, "IDX0@21,0"},
       }) {
    TRender r(c.markup);
    r.Images.AddPicture("LOGO", 20, 10);
    r.Images.AddPicture("anim", 30, 20, 3, 4);
    r.Run();
    EXPECT_EQ(r.Output.LaidWidth, c.width) << c.markup;
    EXPECT_EQ(r.Output.LaidHeight, c.height) << c.markup;
    EXPECT_EQ(Joined(r.Images.Drawn), c.drawn) << c.markup;
  }
}

TEST(ImageSourceTest, ScalesToTheDeviceAndForPrinting) {
  TRender device("<IMG src=\"idx:1\">");
  device.Canvas.PixelsPerInch = 120;
  device.Run();
  EXPECT_EQ(device.Output.LaidWidth, 20);
  TRender print("<IMG src=\"idx:1\">");
  print.Params.PrintScaling = true;
  print.Params.PrintScale = 2.5 / 16 * 3;  // 7.5 rounds to 8
  print.Run();
  EXPECT_EQ(Joined(print.Images.Drawn), "IDX1@1,0-9,8");
}

TEST(ImageSourceTest, RecordsARemoteSourceOnceAndNeverDrawsIt) {
  TRender r("<IMG src=\"http://host/a.png\"><IMG src=\"http://host/a.png\">");
  r.Run();
  r.Run();
  ASSERT_EQ(r.Images.Cache.size(), 1u);
  EXPECT_EQ(r.Images.Cache[0].first, "http://host/a.png");
  EXPECT_TRUE(r.Images.Drawn.empty());
}

TEST(ImageLayoutTest, WideImagesWrapOrOverflowAndAlignTheText) {
  struct Case {
    const char* markup;
    const char* drawn;
    const char* textAt;  // where "x" goes: left,bottom
  };
  for (const Case& c : {
           Case{"xaaaaaaa<IMG src=\"wide\">", "wide@1,16-41,26", "1,16"},  // to the next line
           Case{"x<IMG src=\"huge\">", "huge@11,0-161,10", "1,16"},       // wider than any line
           Case{"<IMG src=\"tall\">x", "tall@1,0-11,40", "11,40"},
           Case{"<IMG src=\"tall\" align=\"top\">x", "tall@1,0-11,40", "11,16"},
           Case{"<IMG src=\"tall\" ALIGN=\"middle\">x", "tall@1,0-11,40", "11,28"},
           Case{"x<IMG src=\"tall\" align=\"top\">", "tall@11,0-21,40", "1,16"},  // the whole line
       }) {
    TRender r(c.markup);
    r.Params.Rect = {0, 0, 100, 100};
    r.Images.AddPicture("wide", 40, 10);
    r.Images.AddPicture("huge", 150, 10);
    r.Images.AddPicture("tall", 10, 40);
    r.Run();
    EXPECT_EQ(Joined(r.Images.Drawn), c.drawn) << c.markup;
    ASSERT_FALSE(r.Canvas.Texts.empty()) << c.markup;
    const TRect& x = r.Canvas.Texts[0].Rect;
    EXPECT_EQ(std::to_string(x.Left) + "," + std::to_string(x.Bottom), c.textAt) << c.markup;
  }
}

TEST(ImageHitTest, AnImageInAnAnchorIsHitWhenPaintingAndShowsItsAlt) {
  for (bool onImage : {true, false}) {
    TRender r("<A href=\"h\"><IMG src=\"idx:0\" alt=\"idx:3\"></A>");
    r.Params.HitX = onImage ? 5 : 50;
    r.Params.HitY = 5;
    EXPECT_EQ(r.Run(), onImage);
    EXPECT_EQ(r.Output.HitAnchor, onImage ? "h" : "");
    EXPECT_EQ(Joined(r.Images.Drawn), onImage ? "IDX3@1,0" : "IDX0@1,0");
  }
}

TEST(BodyPictureTest, TilesTheRectangleInsideAClip) {
  TRender r("<BODY background=\"tile\">x");
  r.Params.Rect = {0, 0, 70, 50};
  r.Images.AddPicture("TILE", 30, 40);
  r.Run();
  EXPECT_EQ(Joined(r.Images.Drawn),
            "TILE@0,0-30,40|TILE@30,0-60,40|TILE@60,0-90,40|"
            "TILE@0,40-30,80|TILE@30,40-60,80|TILE@60,40-90,80");
  EXPECT_EQ(r.Canvas.Clips, (std::vector<TRect>{{0, 0, 70, 50}, {}}));
}

}  // namespace
}  // namespace listview
