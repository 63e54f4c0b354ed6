// The mark-up renderer on a real device context: colours and places read back from the
// pixels, hits tested with real fonts. Widths depend on the fonts, so they come from measuring.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/ImgList.h"
#include "framework/tests/graphics_testing.h"
#include "listview/HTMLDraw.h"
#include "listview/HTMLGDI.h"
#include "listview/PictureContainer.h"
#include "listview/core/HTMLDrawText.h"

#include <sstream>

namespace {

using graphics_testing::CountColor;
using graphics_testing::MakeBitmap;
using graphics_testing::Near;

struct TDrawn {
  bool Hit = false;
  std::string Anchor;
  std::string Plain;
  int Width = 0;
  int Height = 0;
};

class HTMLDrawTest : public ::testing::Test {
protected:
  void SetUp() override {
    MakeBitmap(FBitmap, 200, 40, clWhite);
    Canvas()->Font()->SetColor(clBlack);
  }
  TCanvas* Canvas() { return FBitmap.Canvas(); }
  TDrawn Draw(const std::string& text, TImageList* images = nullptr, int x = -1, int y = -1,
              bool hitTestOnly = false, bool measureOnly = false) {
    TDrawn d;
    d.Hit = DrawHTML(Canvas(), text, TRect(0, 0, 200, 40), images, x, y, hitTestOnly,
                     measureOnly, false, false, true, 1.0, clBlue, d.Anchor, d.Plain, d.Width,
                     d.Height);
    return d;
  }
  TBitmap FBitmap;
};

TEST_F(HTMLDrawTest, ABackgroundColourRunShowsItsColourAndPlainTextStaysTransparent) {
  const TDrawn d = Draw("ab<FONT BGCOLOR=\"clyellow\">MMMM</FONT>cd");
  EXPECT_GT(d.Width, 0);
  EXPECT_GT(CountColor(Canvas(), TRect(0, 0, 200, d.Height), clYellow), 0);
  EXPECT_EQ(CountColor(Canvas(), TRect(0, d.Height, 200, 40), clYellow), 0);
  const TDrawn plain = Draw("ab", nullptr, -1, -1, false, true);
  // Left of the coloured run the background stays white (the run starts after "ab").
  EXPECT_EQ(CountColor(Canvas(), TRect(0, 0, plain.Width, d.Height), clYellow), 0);
}

TEST_F(HTMLDrawTest, AParagraphGradientGoesFromLeftToRight) {
  Draw("<P BGCOLOR=\"clred\" BGCOLORTO=\"clblue\">x</P>");
  EXPECT_TRUE(Near(Canvas()->Pixels(1, 1), clRed, 8)) << std::hex << Canvas()->Pixels(1, 1);
  EXPECT_TRUE(Near(Canvas()->Pixels(198, 1), clBlue, 8)) << std::hex << Canvas()->Pixels(198, 1);
  const TColor middle = Canvas()->Pixels(100, 1);
  EXPECT_TRUE(Near(middle, 0x800080, 12)) << std::hex << middle;
}

TEST_F(HTMLDrawTest, AnImageListImageSitsAtItsPlaceInTheLine) {
  TImageList images(nullptr);
  TBitmap green;
  MakeBitmap(green, 16, 16, clLime);
  ASSERT_EQ(images.Add(&green, nullptr), 0);
  const TDrawn measured = Draw("ab", nullptr, -1, -1, false, true);
  const TDrawn d = Draw("ab<IMG src=\"idx:0\">", &images);
  const int left = 1 + measured.Width;
  EXPECT_EQ(d.Width, measured.Width + 16);
  EXPECT_EQ(CountColor(Canvas(), TRect(left, 0, left + 16, 16), clLime), 16 * 16);
  EXPECT_EQ(CountColor(Canvas(), TRect(left + 16, 0, 200, 40), clLime), 0);
  EXPECT_EQ(CountColor(Canvas(), TRect(0, 0, left, 40), clLime), 0);
}

// Cells draw with the list's picture container: a picture named in IMG sits after the text, at
// its own size or, with WIDTH and HEIGHT, stretched to fill the room they give it.
TEST_F(HTMLDrawTest, AContainerPictureSitsInTheLineAtItsOwnOrItsGivenSize) {
  TBitmap red;
  MakeBitmap(red, 12, 10, clRed);
  std::ostringstream bytes;
  red.SaveToStream(bytes);
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items()->Add();
  item->Name = "Stop";
  std::istringstream in(bytes.str());
  item->Picture()->LoadFromStream(in);

  const TDrawn measured = Draw("ab", nullptr, -1, -1, false, true);
  struct Case { const char* text; int textWidth, width, height; };
  for (const Case& c : {Case{"ab<IMG src=\"stop\">", measured.Width, 12, 10},
                        Case{"<IMG src=\"stop\" WIDTH=\"24\" HEIGHT=\"20\">", 0, 24, 20}}) {
    MakeBitmap(FBitmap, 200, 40, clWhite);
    THTMLGDICanvas canvas(Canvas());
    THTMLGDIImages images(Canvas(), nullptr, &container);
    listview::THTMLDrawParams params;
    params.Text = c.text;
    params.Rect = {0, 0, 200, 40};
    params.Images = &images;
    listview::THTMLDrawOutput output;
    listview::DrawHTMLText(canvas, params, output);
    EXPECT_EQ(output.LaidWidth, c.textWidth + c.width) << c.text;
    const int left = 1 + c.textWidth;
    EXPECT_EQ(CountColor(Canvas(), TRect(0, 0, 200, 40), clRed), c.width * c.height) << c.text;
    EXPECT_EQ(CountColor(Canvas(), TRect(left, 0, left + c.width, 40), clRed), c.width * c.height) << c.text;
  }
  EXPECT_FALSE(item->Picture()->Stretch()) << "the picture's own setting stays";
}

TEST_F(HTMLDrawTest, AnAnchorIsHitOnItsRealText) {
  const std::string text = "go <A href=\"target\">here</A>";
  const TDrawn whole = Draw(text, nullptr, -1, -1, false, true);
  const int y = whole.Height / 2;
  struct Case {
    int x;
    bool hit;
  };
  for (const Case& c : {Case{whole.Width - 2, true}, Case{3, false}, Case{whole.Width + 20, false}}) {
    const TDrawn d = Draw(text, nullptr, c.x, y, true);
    EXPECT_EQ(d.Hit, c.hit) << c.x;
    EXPECT_EQ(d.Anchor, c.hit ? "target" : "") << c.x;
  }
}

TEST_F(HTMLDrawTest, RotatedTextLeavesTheCanvasFontSelected) {
  Canvas()->TextHeight("gh");
  HDC dc = Canvas()->Handle();
  HGDIOBJ before = GetCurrentObject(dc, OBJ_FONT);
  for (const char* text : {"<R a=\"90\">MMMM", "<R a=\"90\">MM<R a=\"45\">MM", "<R a=\"90\">MM</R>MM"}) {
    Draw(text);
    HGDIOBJ after = GetCurrentObject(dc, OBJ_FONT);
    EXPECT_EQ(after, before) << text;
    LOGFONTA lf = {};
    ASSERT_NE(GetObjectA(after, sizeof lf, &lf), 0) << text;
    EXPECT_EQ(lf.lfEscapement, 0) << text;
  }
}

}  // namespace
