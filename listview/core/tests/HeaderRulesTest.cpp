#include "listview/core/HeaderRules.h"

#include <gtest/gtest.h>

#include <sstream>

namespace listview {
namespace {

TEST(HeaderNoticeOfTest, AnsiAndWideFormsMeanTheSame) {
  struct Case { int ansi, wide; HeaderNotice notice; };
  for (const Case& c : {
           Case{-301, -321, HeaderNotice::ItemChanged},
           Case{-305, -325, HeaderNotice::DividerDblClick},
           Case{-306, -326, HeaderNotice::BeginTrack},
           Case{-307, -327, HeaderNotice::EndTrack},
           Case{-312, -312, HeaderNotice::FilterChange},
           Case{-313, -313, HeaderNotice::FilterBtnClick},
           Case{-5, -5, HeaderNotice::RightClick},
           Case{-300, -320, HeaderNotice::None},   // item changing
           Case{-308, -328, HeaderNotice::None},   // track
       }) {
    EXPECT_EQ(HeaderNoticeOf(c.ansi), c.notice) << c.ansi;
    EXPECT_EQ(HeaderNoticeOf(c.wide), c.notice) << c.wide;
  }
}

TEST(HeaderItemFormatTest, OwnerDrawnIsExactOtherwiseTextAndTheSortImage) {
  const int left = 0, right = 1;
  struct Case { const char* note; int present; bool ownerDrawn, images, sortShow, sortColumn; int format; };
  for (const Case& c : {
           Case{"owner-drawn drops the rest", kHdfString | right, true, true, true, true, kHdfOwnerDraw},
           Case{"text added", left, false, false, false, false, kHdfString},
           Case{"alignment kept", right, false, false, false, false, kHdfString | right},
           Case{"sort image", kHdfString, false, true, true, true, kHdfString | kHdfImage},
           Case{"image off the sorted column", kHdfImage, false, true, true, false, kHdfString},
           Case{"image without sorting", kHdfImage, false, true, false, true, kHdfString},
           Case{"image without images", kHdfImage, false, false, true, true, kHdfString},
           Case{"owner-draw bit stays until owner-drawn again", kHdfOwnerDraw, false, false, false, false,
                kHdfOwnerDraw | kHdfString},
       })
    EXPECT_EQ(HeaderItemFormat(c.present, c.ownerDrawn, c.images, c.sortShow, c.sortColumn), c.format)
        << c.note;
}

TEST(CaptionKindOfTest, MarkupBeforeLineBreaks) {
  EXPECT_EQ(CaptionKindOf("<b>Size</b>\r2"), CaptionKind::Markup);
  EXPECT_EQ(CaptionKindOf("Size\rin MB"), CaptionKind::MultiLine);
  EXPECT_EQ(CaptionKindOf("Size\nin MB"), CaptionKind::SingleLine);
  EXPECT_EQ(CaptionKindOf("a < b"), CaptionKind::SingleLine);
}

// Writes down what is drawn, one line per call.
class RecordingCanvas : public HeaderCanvas {
public:
  std::ostringstream Log;
  int CaptionWidth = 30;
  void Fill(const TRect& r, TColor c) override { Log << "fill " << Text(r) << " " << std::hex << c << std::dec << "\n"; }
  void Line(int x1, int y1, int x2, int y2, TColor c) override {
    Log << "line " << x1 << "," << y1 << "-" << x2 << "," << y2 << " " << std::hex << c << std::dec << "\n";
  }
  void HeaderImage(int index, int x, int y) override { Log << "image " << index << " " << x << "," << y << "\n"; }
  void SortGlyph(bool up, int x, int y) override { Log << (up ? "up " : "down ") << x << "," << y << "\n"; }
  int Caption(const std::string& text, CaptionKind kind, TextAlign align, const TRect& r) override {
    static const char* kinds[] = {"markup", "lines", "line"};
    static const char* aligns[] = {"left", "right", "center"};
    Log << kinds[(int)kind] << " " << aligns[(int)align] << " " << Text(r) << " " << text << "\n";
    return CaptionWidth;
  }
  static std::string Text(const TRect& r) {
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
  }
};

HeaderLook ConverterLook() {
  HeaderLook look;
  look.ColumnCount = 4;
  look.RightmostItem = 3;
  look.Color = 0xEFEFEF;
  look.ControlWidth = 600;
  return look;
}

std::string Draw(const HeaderLook& look, int id, const HeaderColumn& column, int width = 30) {
  RecordingCanvas canvas;
  canvas.CaptionWidth = width;
  DrawHeaderItem(canvas, look, id, column, {100, 0, 200, 17});
  return canvas.Log.str();
}

TEST(DrawHeaderItemTest, FillsDividesAndCaptionsInsideTheMargins) {
  EXPECT_EQ(Draw(ConverterLook(), 1, {"Length"}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 102,1,198,16 Length\n");
}

TEST(DrawHeaderItemTest, TheLastColumnCarriesTheColourToTheControlsEdge) {
  EXPECT_EQ(Draw(ConverterLook(), 3, {"Status", TextAlign::Right}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "fill 198,1,600,16 efefef\n"
            "line right 102,1,198,16 Status\n");
  HeaderLook noColour = ConverterLook();
  noColour.Color = clNone;
  EXPECT_EQ(Draw(noColour, 3, {"Status"}),
            "fill 100,0,200,17 ff00000f\n"
            "line 199,0-199,17 808080\n"
            "line left 102,1,198,16 Status\n");
}

// Columns dragged to a new order: item 3 in the middle, item 1 at the right end.
TEST(DrawHeaderItemTest, TheItemShownLastCarriesTheColourWhicheverColumnItIs) {
  HeaderLook look = ConverterLook();
  look.RightmostItem = 1;
  EXPECT_EQ(Draw(look, 3, {"Status"}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 102,1,198,16 Status\n");
  EXPECT_EQ(Draw(look, 1, {"Length"}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "fill 198,1,600,16 efefef\n"
            "line left 102,1,198,16 Length\n");
}

TEST(DrawHeaderItemTest, AnItemBeyondTheColumnsIsNotDrawn) {
  EXPECT_EQ(Draw(ConverterLook(), 4, {"x"}), "");
}

TEST(DrawHeaderItemTest, ColumnImagesOnlyWhileNotSorting) {
  HeaderLook look = ConverterLook();
  look.HeaderImages = true;
  EXPECT_EQ(Draw(look, 0, {"In", TextAlign::Center, 2}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "image 2 102,1\n"
            "line center 118,1,198,16 In\n");
  look.SortShow = true;
  EXPECT_EQ(Draw(look, 0, {"In", TextAlign::Center, 2}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line center 102,1,198,16 In\n");
}

TEST(DrawHeaderItemTest, SortMarkBesideTheCaption) {
  HeaderLook look = ConverterLook();
  look.SortShow = true;
  look.SortColumn = 0;
  look.SortGlyphs = true;
  look.SortGlyphHeight = 9;   // (13 - 9) / 2 below the top
  EXPECT_EQ(Draw(look, 0, {"In"}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 118,1,198,16 In\n"
            "down 102,3\n");
  look.SortIndicator = siRight;
  look.SortDirection = sdDescending;
  EXPECT_EQ(Draw(look, 0, {"In"}, 30),   // right after the caption's 30 pixels
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 102,1,182,16 In\n"
            "up 132,3\n");
  EXPECT_EQ(Draw(look, 0, {"In"}, 500),   // a caption too wide: at the right end
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 102,1,182,16 In\n"
            "up 182,3\n");
}

TEST(DrawHeaderItemTest, HeaderImagesStandInForMissingGlyphs) {
  HeaderLook look = ConverterLook();
  look.SortShow = true;
  look.SortColumn = 1;
  look.SortDirection = sdDescending;
  look.HeaderImages = true;
  look.HeaderImageHeight = 16;   // taller than the header: no offset
  EXPECT_EQ(Draw(look, 1, {"Len"}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 118,1,198,16 Len\n"
            "image 1 102,1\n");
  look.HeaderImages = false;
  EXPECT_EQ(Draw(look, 1, {"Len"}),
            "fill 100,0,200,17 efefef\n"
            "line 199,0-199,17 808080\n"
            "line left 118,1,198,16 Len\n");
}

}  // namespace
}  // namespace listview
