// Graphic controls paint on their parent where they stand; colours and fonts come from the
// parent until a control gets its own.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class TBlueShape : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  int paints = 0;
protected:
  void Paint() override {
    ++paints;
    Canvas()->Brush()->SetColor(clBlue);
    // More than the control: the canvas is clipped to it.
    Canvas()->FillRect(TRect(-20, -20, Width() + 20, Height() + 20));
  }
};

class PaintingTest : public FormTest {};

TEST_F(PaintingTest, AGraphicControlPaintsOnItsParentInsideItsBounds) {
  form->SetColor(clWhite);
  auto* shape = new TBlueShape(form);
  shape->SetBounds(30, 40, 20, 10);
  shape->SetParent(form);
  form->Repaint();
  EXPECT_GT(shape->paints, 0);
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 30, 40), clBlue);
  EXPECT_EQ(GetPixel(dc, 49, 49), clBlue);
  EXPECT_EQ(GetPixel(dc, 29, 40), clWhite);
  EXPECT_EQ(GetPixel(dc, 50, 45), clWhite);
  ReleaseDC(form->Handle(), dc);

  shape->SetVisible(false);
  form->Update();
  dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 35, 45), clWhite);
  ReleaseDC(form->Handle(), dc);
  form->SetColor(clBtnFace);
}

TEST_F(PaintingTest, AGraphicControlsCanvasOutsidePaintingDrawsAtItsPlaceOnly) {
  form->SetColor(clWhite);
  form->Repaint();
  auto* shape = new TGraphicControl(form);
  shape->SetBounds(60, 20, 10, 10);
  shape->SetParent(form);
  shape->Canvas()->Brush()->SetColor(clRed);
  shape->Canvas()->FillRect(TRect(0, 0, 100, 100));
  TControlCanvas::FreeDeviceContexts();
  EXPECT_FALSE(shape->Canvas()->HandleAllocated());
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 65, 25), clRed);
  EXPECT_EQ(GetPixel(dc, 75, 25), clWhite);
  ReleaseDC(form->Handle(), dc);
  form->SetColor(clBtnFace);
}

TEST_F(PaintingTest, ColourAndFontComeFromTheParentUntilSetOnTheControl) {
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  auto* shape = new TGraphicControl(form);
  shape->SetParent(panel);
  panel->SetColor(clYellow);
  panel->Font()->SetName("Courier New");
  EXPECT_FALSE(panel->ParentFont());
  EXPECT_EQ(shape->Color(), clYellow);
  EXPECT_EQ(shape->Font()->Name(), "Courier New");
  EXPECT_TRUE(shape->ParentColor());
  EXPECT_TRUE(shape->ParentFont());

  shape->SetColor(clRed);
  shape->Font()->SetSize(14);
  panel->SetColor(clGreen);
  panel->Font()->SetName("Arial");
  EXPECT_EQ(shape->Color(), clRed);
  EXPECT_EQ(shape->Font()->Name(), "Courier New");
  EXPECT_FALSE(shape->ParentColor());
  EXPECT_FALSE(shape->ParentFont());

  shape->SetParentColor(true);
  EXPECT_EQ(shape->Color(), clGreen);
}

TEST_F(PaintingTest, ControlAtPosFindsTheTopmostVisibleControl) {
  auto* lower = new TGraphicControl(form);
  lower->SetBounds(0, 0, 50, 50);
  lower->SetParent(form);
  auto* upper = new TGraphicControl(form);
  upper->SetBounds(25, 25, 50, 50);
  upper->SetParent(form);
  EXPECT_EQ(form->ControlAtPos(TPoint(30, 30), false), upper);
  upper->SendToBack();
  EXPECT_EQ(form->ControlAtPos(TPoint(30, 30), false), lower);
  lower->SetEnabled(false);
  EXPECT_EQ(form->ControlAtPos(TPoint(30, 30), false), upper);
  EXPECT_EQ(form->ControlAtPos(TPoint(30, 30), true), lower);
  EXPECT_EQ(form->ControlAtPos(TPoint(90, 90), true), nullptr);
}

}  // namespace
