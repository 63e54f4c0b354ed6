// Glyph layout, bitmap buttons and speed buttons.
#include "framework/Buttons.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// The rules skinned glyph buttons follow too.
TEST(ButtonLayoutTest, AutomaticMarginAndSpacingShareTheFreeRoom) {
  const TRect button = Rect(0, 0, 75, 23);
  const SIZE glyph{16, 16}, text{40, 13};
  struct Case {
    const char* note;
    TRect client;
    SIZE text;
    TButtonLayout layout;
    int margin, spacing;
    TPoint glyphAt;
    TRect textRect;
    int margins, spacings;  // as worked out
  };
  for (const Case& c : {
           Case{"both automatic, glyph left", button, text, blGlyphLeft, -1, -1, {6, 4}, Rect(28, 5, 68, 18), 6, 6},
           Case{"both automatic, glyph right", button, text, blGlyphRight, -1, -1, {53, 4}, Rect(7, 5, 47, 18), 6, 6},
           Case{"margin automatic", button, text, blGlyphLeft, -1, 4, {8, 4}, Rect(28, 5, 68, 18), 8, 4},
           Case{"spacing automatic", button, text, blGlyphLeft, 2, -1, {2, 4}, Rect(26, 5, 66, 18), 2, 8},
           Case{"both set", button, text, blGlyphLeft, 0, 0, {0, 4}, Rect(16, 5, 56, 18), 0, 0},
           Case{"glyph on top", Rect(0, 0, 40, 60), {30, 13}, blGlyphTop, -1, -1, {12, 10}, Rect(5, 36, 35, 49), 10, 10},
           Case{"glyph at the bottom", Rect(0, 0, 40, 60), {30, 13}, blGlyphBottom, -1, -1, {12, 34}, Rect(5, 11, 35, 24), 10, 10},
           Case{"client not at the origin", Rect(2, 3, 77, 26), text, blGlyphLeft, -1, -1, {8, 7}, Rect(30, 8, 70, 21), 6, 6},
           Case{"no caption", button, {0, 0}, blGlyphLeft, -1, -1, {19, 4}, Rect(54, 12, 54, 12), 19, 19},
       }) {
    const TButtonGlyphLayout l = CalcButtonLayout(c.client, glyph, c.text, c.layout, c.margin, c.spacing);
    EXPECT_EQ(l.GlyphPos, c.glyphAt) << c.note;
    EXPECT_EQ(l.TextRect, c.textRect) << c.note;
    EXPECT_EQ(l.Margin, c.margins) << c.note;
    EXPECT_EQ(l.Spacing, c.spacings) << c.note;
  }
}

class ButtonsTest : public FormTest {};

TEST_F(ButtonsTest, BitBtnDrawsItsGlyphAndClicksOnce) {
  auto* button = new TBitBtn(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 90, 30);
  TBitmap glyph;
  glyph.SetSize(16, 16);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  glyph.Canvas()->SetPixels(0, 15, clLime);   // the transparent colour
  button->SetGlyph(&glyph);
  EXPECT_EQ(button->NumGlyphs(), 1);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  HWND wnd = button->Handle();
  EXPECT_EQ(GetWindowLongA(wnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  SendMessageA(wnd, BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  InvalidateRect(wnd, nullptr, TRUE);
  UpdateWindow(wnd);
  TButtonGlyphLayout l = CalcButtonLayout(Rect(2, 2, 88, 28), SIZE{16, 16}, SIZE{0, 0}, blGlyphLeft, -1, 4);
  HDC dc = GetDC(wnd);
  COLORREF inside = GetPixel(dc, l.GlyphPos.x + 8, l.GlyphPos.y + 8);
  COLORREF corner = GetPixel(dc, l.GlyphPos.x, l.GlyphPos.y + 15);
  ReleaseDC(wnd, dc);
  EXPECT_EQ(inside, RGB(255, 0, 0));
  EXPECT_NE(corner, RGB(0, 255, 0));
}

class SpeedButtonTest : public FormTest {
protected:
  TSpeedButton* Add(int left) {
    auto* b = new TSpeedButton(form);
    b->SetParent(form);
    b->SetBounds(left, 10, 39, 22);
    return b;
  }
  // Press and release with the release at (x, y) of the button.
  void Press(TSpeedButton* b, int x = 5, int y = 5) {
    SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(b->Left() + 5, b->Top() + 5));
    SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(b->Left() + x, b->Top() + y));
  }
};

TEST_F(SpeedButtonTest, AReleaseOverTheButtonClicks) {
  TSpeedButton* play = Add(10);
  int clicks = 0;
  play->OnClick = [&](TObject* sender) { EXPECT_EQ(sender, play); ++clicks; };
  Press(play);
  EXPECT_EQ(clicks, 1);
  Press(play, 100, 100);   // released elsewhere
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(play->Down());
}

TEST_F(SpeedButtonTest, ButtonsOfAGroupStayDownOneAtATime) {
  TSpeedButton* a = Add(10);
  TSpeedButton* b = Add(60);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  Press(a);
  EXPECT_TRUE(a->Down());
  Press(b);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  Press(b);   // the group does not allow all up
  EXPECT_TRUE(b->Down());
  b->SetAllowAllUp(true);
  Press(b);
  EXPECT_FALSE(b->Down());
}

}  // namespace
