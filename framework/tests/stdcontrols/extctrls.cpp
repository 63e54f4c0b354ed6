// Panels, splitters, images and the labelled edit.
#include "framework/ExtCtrls.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class ExtCtrlsTest : public FormTest {};

TEST_F(ExtCtrlsTest, PanelBordersShrinkTheRoomOfItsAlignedControls) {
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  panel->SetBounds(10, 10, 200, 100);
  panel->SetBorderWidth(2);
  auto* inner = new TPanel(form);
  inner->SetParent(panel);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->BoundsRect(), Rect(3, 3, 197, 97));
  panel->SetBevelOuter(bvNone);
  EXPECT_EQ(inner->BoundsRect(), Rect(2, 2, 198, 98));
}

TEST_F(ExtCtrlsTest, DraggingASplitterResizesTheControlBesideIt) {
  auto* profile = new TPanel(form);
  profile->SetParent(form);
  profile->SetAlign(alRight);
  profile->SetWidth(200);
  auto* splitter = new TSplitter(form);
  splitter->SetParent(form);
  splitter->SetAlign(alRight);
  splitter->SetLeft(profile->Left() - 3);
  ASSERT_EQ(splitter->Left() + splitter->Width(), profile->Left());
  int moved = 0;
  splitter->OnMoved = [&](TObject*) { ++moved; };
  POINT start = {splitter->Left() + 1, 50};
  ClientToScreen(form->Handle(), &start);
  SetCursorPos(start.x, start.y);
  POINT p = {splitter->Left() + 1, 50};
  SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
  SetCursorPos(start.x - 40, start.y);
  SendMessageA(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x - 40, p.y));
  SendMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(p.x - 40, p.y));
  EXPECT_EQ(profile->Width(), 240);
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(splitter->Cursor(), crHSplit);
}

TEST_F(ExtCtrlsTest, ImageCanvasDrawsOnAPictureOfTheControlsSize) {
  auto* image = new TImage(form);
  image->SetParent(form);
  image->SetBounds(0, 0, 80, 60);
  image->Canvas()->Brush()->SetColor(clBlue);
  image->Canvas()->FillRect(Rect(0, 0, 80, 60));
  EXPECT_EQ(image->Picture()->Width(), 80);
  EXPECT_EQ(image->Picture()->Bitmap()->Canvas()->Pixels(40, 30), clBlue);
  image->SetAutoSize(true);
  image->Picture()->Bitmap()->SetSize(20, 10);
  EXPECT_EQ(image->Width(), 20);
}

TEST_F(ExtCtrlsTest, LabelledEditKeepsItsLabelBeside) {
  auto* edit = new TLabeledEdit(form);
  edit->SetParent(form);
  edit->SetLabelPosition(lpLeft);
  edit->SetBounds(150, 20, 100, 21);
  edit->EditLabel()->SetCaption("Default Output Path:");
  TLabel* label = edit->EditLabel();
  EXPECT_EQ(label->Parent(), form);
  EXPECT_EQ(label->Left() + label->Width() + edit->LabelSpacing(), 150);
  edit->SetLeft(200);
  EXPECT_EQ(label->Left() + label->Width() + 3, 200);
  edit->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  label->SetCaption("Path:");   // a narrower caption keeps the label's right edge at the edit
  EXPECT_EQ(label->Left() + label->Width() + 3, 200);
}

}  // namespace
