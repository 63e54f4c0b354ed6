// Drawing on a bitmap's canvas reads back as the expected pixels.
#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/tests/graphics_testing.h"

using namespace graphics_testing;

namespace {
class GraphicsCanvas : public ::testing::Test {
protected:
  void SetUp() override { MakeBitmap(bitmap, 60, 40, clWhite); }
  TCanvas* canvas() { return bitmap.Canvas(); }
  TBitmap bitmap;
};
}  // namespace

TEST_F(GraphicsCanvas, FillRectPaintsOnlyTheRectangle) {
  canvas()->Brush()->SetColor(clRed);
  canvas()->FillRect(TRect(10, 5, 30, 15));
  EXPECT_EQ(CountColor(canvas(), TRect(10, 5, 30, 15), clRed), 200);
  EXPECT_EQ(CountColor(canvas(), TRect(0, 0, 60, 40), clRed), 200);
  // A new brush colour is selected for the next operation.
  canvas()->Brush()->SetColor(clBlue);
  canvas()->FillRect(TRect(0, 0, 5, 5));
  EXPECT_EQ(CountColor(canvas(), TRect(0, 0, 5, 5), clBlue), 25);
}

TEST_F(GraphicsCanvas, RectangleHasAPenBorderAndABrushInside) {
  canvas()->Pen()->SetColor(clBlue);
  canvas()->Brush()->SetColor(clLime);
  canvas()->Rectangle(10, 10, 20, 20);
  EXPECT_EQ(CountColor(canvas(), TRect(10, 10, 20, 20), clBlue), 36);
  EXPECT_EQ(CountColor(canvas(), TRect(11, 11, 19, 19), clLime), 64);
  EXPECT_EQ(CountOther(canvas(), TRect(0, 0, 60, 10), clWhite), 0);
}

TEST_F(GraphicsCanvas, LineStopsBeforeItsEnd) {
  canvas()->Pen()->SetColor(clRed);
  canvas()->MoveTo(5, 20);
  canvas()->LineTo(25, 20);
  EXPECT_EQ(CountColor(canvas(), TRect(5, 20, 25, 21), clRed), 20);
  EXPECT_EQ(canvas()->Pixels(25, 20), clWhite);
  EXPECT_EQ(CountColor(canvas(), TRect(0, 0, 60, 40), clRed), 20);
  canvas()->Pen()->SetWidth(3);
  canvas()->MoveTo(5, 30);
  canvas()->LineTo(25, 30);
  EXPECT_EQ(canvas()->Pixels(15, 29), clRed);
  EXPECT_EQ(canvas()->Pixels(15, 31), clRed);
}

TEST_F(GraphicsCanvas, XorPenModeInverts) {
  canvas()->Pen()->SetColor(clWhite);
  canvas()->Pen()->SetMode(pmXor);
  canvas()->MoveTo(0, 0);
  canvas()->LineTo(10, 0);
  EXPECT_EQ(CountColor(canvas(), TRect(0, 0, 10, 1), clBlack), 10);
}

TEST_F(GraphicsCanvas, PolygonEllipseAndRoundRectFillWithTheBrush) {
  canvas()->Pen()->SetStyle(psClear);
  canvas()->Brush()->SetColor(clRed);
  canvas()->Polygon({TPoint(0, 0), TPoint(20, 0), TPoint(0, 20)});
  EXPECT_EQ(canvas()->Pixels(3, 3), clRed);
  EXPECT_EQ(canvas()->Pixels(18, 18), clWhite);
  canvas()->Ellipse(30, 0, 50, 20);
  EXPECT_EQ(canvas()->Pixels(40, 10), clRed);
  EXPECT_EQ(canvas()->Pixels(31, 1), clWhite);
  canvas()->RoundRect(0, 25, 30, 40, 10, 10);
  EXPECT_EQ(canvas()->Pixels(15, 32), clRed);
  EXPECT_EQ(canvas()->Pixels(0, 25), clWhite);
}

TEST_F(GraphicsCanvas, FrameRectDrawsTheOutlineWithTheBrush) {
  canvas()->Brush()->SetColor(clMaroon);
  canvas()->FrameRect(TRect(10, 10, 20, 20));
  EXPECT_EQ(CountColor(canvas(), TRect(10, 10, 20, 20), clMaroon), 36);
  EXPECT_EQ(canvas()->Pixels(15, 15), clWhite);
}

TEST_F(GraphicsCanvas, TextDrawsInTheFontColourWithinItsExtent) {
  canvas()->Font()->SetName("Arial");
  canvas()->Font()->SetHeight(-20);
  canvas()->Font()->SetColor(clRed);
  canvas()->Brush()->SetStyle(bsClear);
  SIZE extent = canvas()->TextExtent("Hello");
  EXPECT_GT(extent.cx, 20);
  EXPECT_GE(extent.cy, 18);
  EXPECT_EQ(canvas()->TextWidth("Hello"), extent.cx);
  EXPECT_GT(canvas()->TextWidth("Hello, world"), extent.cx);
  canvas()->TextOut(5, 5, "Hello");
  TRect box(5, 5, 5 + extent.cx, 5 + extent.cy);
  EXPECT_GT(CountColor(canvas(), box, clRed), 20);
  EXPECT_EQ(CountOther(canvas(), TRect(5 + extent.cx, 0, 60, 40), clWhite), 0);
  EXPECT_EQ(CountOther(canvas(), TRect(0, 5 + extent.cy, 60, 40), clWhite), 0);
}

TEST_F(GraphicsCanvas, OpaqueTextPaintsTheBrushBehind) {
  canvas()->Brush()->SetColor(clYellow);
  canvas()->Font()->SetColor(clBlack);
  canvas()->TextOut(0, 0, "Ij");
  EXPECT_EQ(canvas()->Pixels(0, canvas()->TextHeight("Ij") - 1), clYellow);
}

TEST_F(GraphicsCanvas, TextRectClipsToItsRectangle) {
  canvas()->Font()->SetHeight(-16);
  canvas()->Font()->SetColor(clBlack);
  canvas()->Brush()->SetColor(clAqua);
  TRect clip(10, 10, 25, 30);
  canvas()->TextRect(clip, 10, 10, "WWWWWWWWWW");
  EXPECT_GT(CountColor(canvas(), clip, clBlack), 0);
  EXPECT_GT(CountColor(canvas(), clip, clAqua), 0);
  EXPECT_EQ(CountOther(canvas(), TRect(25, 0, 60, 40), clWhite), 0);
}

TEST_F(GraphicsCanvas, PixelsSetAndGet) {
  canvas()->SetPixels(3, 4, clPurple);
  EXPECT_EQ(canvas()->Pixels(3, 4), clPurple);
  canvas()->SetPixels(4, 4, clBtnFace);
  EXPECT_EQ(canvas()->Pixels(4, 4), ColorToRGB(clBtnFace));
  EXPECT_EQ(canvas()->Pixels(100, 100), clNone);
}

TEST_F(GraphicsCanvas, ClipRectIsTheBitmap) {
  TRect clip = canvas()->ClipRect();
  EXPECT_EQ(clip, TRect(0, 0, 60, 40));
}

TEST_F(GraphicsCanvas, CopyRectAndDrawCopyPixelsFromAnotherBitmap) {
  TBitmap source;
  MakeBitmap(source, 10, 10, clBlue);
  canvas()->CopyRect(TRect(0, 0, 20, 20), source.Canvas(), TRect(0, 0, 10, 10));
  EXPECT_EQ(CountColor(canvas(), TRect(0, 0, 20, 20), clBlue), 400);
  canvas()->Draw(30, 5, &source);
  EXPECT_EQ(CountColor(canvas(), TRect(30, 5, 40, 15), clBlue), 100);
  EXPECT_EQ(canvas()->Pixels(40, 5), clWhite);
}

TEST_F(GraphicsCanvas, StretchDrawFillsTheTarget) {
  TBitmap source;
  MakeBitmap(source, 2, 1, clRed);
  source.Canvas()->SetPixels(1, 0, clBlue);
  canvas()->StretchDraw(TRect(0, 0, 40, 20), &source);
  EXPECT_TRUE(Near(canvas()->Pixels(5, 10), clRed, 40));
  EXPECT_TRUE(Near(canvas()->Pixels(35, 10), clBlue, 40));
  EXPECT_EQ(canvas()->Pixels(45, 10), clWhite);
}

TEST_F(GraphicsCanvas, DrawingGoesOnAfterTheHandleIsGivenOut) {
  canvas()->Brush()->SetColor(clRed);
  canvas()->FillRect(TRect(0, 0, 10, 10));
  HBITMAP handle = bitmap.Handle();  // frees the canvas's DC
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_NE(SelectObject(dc, handle), nullptr);  // selectable elsewhere now
  EXPECT_EQ(GetPixel(dc, 5, 5), clRed);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DeleteDC(dc);
  canvas()->FillRect(TRect(10, 0, 20, 10));
  EXPECT_EQ(CountColor(canvas(), TRect(0, 0, 20, 10), clRed), 200);
}

TEST(GraphicsWindowCanvas, GetsTheWindowDCWhenDrawingStarts) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  UpdateWindow(window);
  int asked = 0;
  {
    TWindowCanvas canvas([&] { ++asked; return window; });
    EXPECT_EQ(asked, 0);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect(TRect(0, 0, 10, 10));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(canvas.Pixels(5, 5), clRed);
    canvas.FreeHandle();
    EXPECT_FALSE(canvas.HandleAllocated());
    canvas.FillRect(TRect(0, 0, 10, 10));
    EXPECT_EQ(asked, 2);
    // A DC handed in is used and left to its giver.
    HDC given = GetDC(window);
    canvas.SetHandle(given);
    canvas.FreeHandle();
    EXPECT_EQ(canvas.Handle(), given);
    canvas.SetHandle(nullptr);
    ReleaseDC(window, given);
  }
  TWindowCanvas noWindow([] { return HWND(nullptr); });
  EXPECT_THROW(noWindow.FillRect(TRect(0, 0, 1, 1)), EInvalidOperation);
  DestroyWindow(window);
}
