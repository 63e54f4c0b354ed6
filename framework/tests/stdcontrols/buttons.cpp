// Glyph layout, bitmap buttons and speed buttons.
#include "framework/Buttons.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

TEST(ButtonLayoutTest, AutomaticMarginAndSpacingShareTheFreeRoom) {
  TButtonGlyphLayout l = CalcButtonLayout(Rect(0, 0, 75, 25), SIZE{16, 16}, SIZE{20, 13}, blGlyphLeft, -1, -1);
  EXPECT_EQ(l.Margin, 13);
  EXPECT_EQ(l.Spacing, 13);
  EXPECT_EQ(l.GlyphPos, TPoint(13, 5));
  EXPECT_EQ(l.TextRect, Bounds(42, 6, 20, 13));
}

TEST(ButtonLayoutTest, AutomaticMarginCentresGlyphAndTextTogether) {
  TButtonGlyphLayout l = CalcButtonLayout(Rect(2, 2, 77, 27), SIZE{16, 16}, SIZE{20, 13}, blGlyphLeft, -1, 4);
  EXPECT_EQ(l.Margin, 18);
  EXPECT_EQ(l.GlyphPos, TPoint(20, 7));
  EXPECT_EQ(l.TextRect.left, 2 + 18 + 16 + 4);
}

TEST(ButtonLayoutTest, GlyphOnTheRightOrAboveTheText) {
  TButtonGlyphLayout right = CalcButtonLayout(Rect(0, 0, 100, 20), SIZE{10, 10}, SIZE{30, 12}, blGlyphRight, 5, 2);
  EXPECT_EQ(right.GlyphPos.x, 100 - 5 - 10);
  EXPECT_EQ(right.TextRect.left, 85 - 2 - 30);
  TButtonGlyphLayout top = CalcButtonLayout(Rect(0, 0, 55, 54), SIZE{32, 32}, SIZE{30, 13}, blGlyphTop, 2, -1);
  EXPECT_EQ(top.GlyphPos, TPoint(12, 2));
  EXPECT_EQ(top.Spacing, (54 - 2 - 32 - 13) / 2);
  EXPECT_EQ(top.TextRect.top, 2 + 32 + top.Spacing);
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
