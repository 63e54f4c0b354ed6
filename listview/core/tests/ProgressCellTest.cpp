#include "listview/core/ProgressCell.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace listview {
namespace {

// Records each call as one line; every character is 7 pixels wide and 13 high.
class TRecordingCanvas : public TProgressCanvas {
public:
  void SetColors(TColor brush, TColor font) override { FBrush = brush, FFont = font; }
  int TextWidth(const std::string& text) override { return 7 * static_cast<int>(text.size()); }
  int TextHeight(const std::string&) override { return 13; }
  void TextRect(const TRect& r, int x, int y, const std::string& text) override {
    std::ostringstream s;
    s << "text " << Rect(r) << " at " << x << "," << y << " '" << text << "' " << std::hex << FBrush << "/" << FFont;
    Calls.push_back(s.str());
  }
  void FrameRect(const TRect& r) override {
    std::ostringstream s;
    s << "frame " << Rect(r) << " " << std::hex << FBrush;
    Calls.push_back(s.str());
  }
  std::vector<std::string> Calls;

private:
  static std::string Rect(const TRect& r) {
    std::ostringstream s;
    s << r.Left << "," << r.Top << "-" << r.Right << "," << r.Bottom;
    return s.str();
  }
  TColor FBrush = 0, FFont = 0;
};

TEST(PaintProgressCellTest, DoneAndRestAroundOneLabelInAGreyFrame) {
  // Cell 0,0-105,21: the inner rectangle is 2,2-103,19, 101 pixels wide, 17 high.
  struct Case { int percent; std::vector<std::string> calls; const char* note; };
  for (const Case& c : {
           Case{50, {"text 2,2-52,19 at 42,4 '50%' a/1", "text 52,2-103,19 at 42,4 '50%' b/2", "frame 1,1-104,20 808080"},
                "50.5 rounds to the even 50"},
           Case{0, {"text 2,2-2,19 at 45,4 '0%' a/1", "text 2,2-103,19 at 45,4 '0%' b/2", "frame 1,1-104,20 808080"},
                "all rest"},
           Case{100, {"text 2,2-103,19 at 38,4 '100%' a/1", "text 103,2-103,19 at 38,4 '100%' b/2",
                      "frame 1,1-104,20 808080"}, "all done"},
           Case{150, {"text 2,2-154,19 at 38,4 '150%' a/1", "text 154,2-103,19 at 38,4 '150%' b/2",
                      "frame 1,1-104,20 808080"}, "not clamped above"},
           Case{-10, {"text 2,2--8,19 at 38,4 '-10%' a/1", "text -8,2-103,19 at 38,4 '-10%' b/2",
                      "frame 1,1-104,20 808080"}, "not clamped below"},
       }) {
    TRecordingCanvas canvas;
    PaintProgressCell(canvas, {0, 0, 105, 21}, 0xa, 0x1, 0xb, 0x2, c.percent);
    EXPECT_EQ(canvas.Calls, c.calls) << c.note;
  }
}

TEST(ProgressPercentOfTest, AWholeNumberAfterTheMarkElseZero) {
  struct Case { const char* text; int percent; };
  for (const Case& c : {Case{"{|40", 40}, Case{"{|-5", -5}, Case{"{|100", 100}, Case{"{|", 0},
                        Case{"{|4x", 0}, Case{"{|half", 0}, Case{"{| 4", 0}, Case{"{|99999999999", 0}})
    EXPECT_EQ(ProgressPercentOf(c.text), c.percent) << c.text;
}

}  // namespace
}  // namespace listview
