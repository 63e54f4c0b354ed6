// Aligned controls share the client area in side order; anchored ones follow the sides they
// are anchored to when the parent is resized.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class AlignmentTest : public FormTest {
protected:
  TControl* Add(TAlign align, int width, int height, bool windowed = false) {
    TControl* c = windowed ? static_cast<TControl*>(new TPlatformControl(form, "STATIC"))
                           : new TGraphicControl(form);
    c->SetBounds(0, 0, width, height);
    c->SetAlign(align);
    c->SetParent(form);
    return c;
  }
};

TEST_F(AlignmentTest, SidesTakeTheirStripsAndClientGetsTheRest) {
  form->SetClientSize(300, 200);
  TControl* top = Add(alTop, 10, 30, true);
  TControl* bottom = Add(alBottom, 10, 20);
  TControl* left = Add(alLeft, 50, 10);
  TControl* client = Add(alClient, 10, 10, true);
  EXPECT_EQ(top->BoundsRect(), TRect(0, 0, 300, 30));
  EXPECT_EQ(bottom->BoundsRect(), TRect(0, 180, 300, 200));
  EXPECT_EQ(left->BoundsRect(), TRect(0, 30, 50, 180));
  EXPECT_EQ(client->BoundsRect(), TRect(50, 30, 300, 180));

  form->SetClientSize(400, 260);
  EXPECT_EQ(bottom->BoundsRect(), TRect(0, 240, 400, 260));
  EXPECT_EQ(client->BoundsRect(), TRect(50, 30, 400, 240));

  top->SetVisible(false);   // a hidden control gives its strip back
  EXPECT_EQ(left->BoundsRect(), TRect(0, 0, 50, 240));
  top->SetHeight(40);
  top->SetVisible(true);
  EXPECT_EQ(client->BoundsRect(), TRect(50, 40, 400, 240));
}

TEST_F(AlignmentTest, ControlsOfOneSideStandInTheOrderOfTheirPositions) {
  form->SetClientSize(300, 200);
  TControl* first = Add(alTop, 10, 30);
  TControl* second = new TGraphicControl(form);
  second->SetBounds(0, 50, 10, 20);
  second->SetAlign(alTop);
  second->SetParent(form);
  EXPECT_EQ(second->Top(), 30);
  second->SetTop(0);   // moved onto the first one: the moved control goes first
  EXPECT_EQ(second->Top(), 0);
  EXPECT_EQ(first->Top(), 20);
}

TEST_F(AlignmentTest, AnchoredControlsKeepTheirDistancesToTheAnchoredSides) {
  form->SetClientSize(300, 200);
  TControl* corner = Add(alNone, 40, 20);
  corner->SetBounds(250, 170, 40, 20);
  corner->SetAnchors(akRight | akBottom);
  TControl* stretched = Add(alNone, 100, 20, true);
  stretched->SetBounds(10, 10, 280, 20);
  stretched->SetAnchors(akLeft | akTop | akRight);
  TControl* plain = Add(alNone, 30, 30);
  plain->SetBounds(5, 50, 30, 30);

  form->SetClientSize(400, 250);
  EXPECT_EQ(corner->BoundsRect(), TRect(350, 220, 390, 240));
  EXPECT_EQ(stretched->BoundsRect(), TRect(10, 10, 390, 30));
  EXPECT_EQ(plain->BoundsRect(), TRect(5, 50, 35, 80));
}

TEST(FormConstraints, LimitBothTheProgramsAndTheUsersSizing) {
  auto* form = New<TForm>(nullptr);
  form->Constraints()->SetMinWidth(200);
  form->Constraints()->SetMaxHeight(300);
  form->SetBounds(0, 0, 100, 500);
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->Height(), 300);
  MINMAXINFO info{};
  SendMessageA(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMaxTrackSize.y, 300);
  form->Free();
}

TEST(ControlSizing, CanResizeMayRefuseOrChangeAndConstrainedResizeMovesTheLimits) {
  TGraphicControl shape(nullptr);
  shape.SetBounds(0, 0, 50, 50);
  shape.Constraints()->SetMaxWidth(100);
  shape.OnCanResize = [](TObject*, int& width, int&, bool& resize) {
    resize = width != 77;
    width += width % 2;   // even widths only
  };
  shape.OnConstrainedResize = [](TObject*, int&, int&, int& maxWidth, int&) { maxWidth = 120; };
  shape.SetBounds(5, 5, 77, 60);
  EXPECT_EQ(shape.BoundsRect(), TRect(0, 0, 50, 50));   // refused: nothing moves
  shape.SetBounds(5, 5, 61, 60);
  EXPECT_EQ(shape.BoundsRect(), TRect(5, 5, 67, 65));
  shape.SetWidth(500);
  EXPECT_EQ(shape.Width(), 120);
}

TEST(FormClientSize, IsKnownBeforeTheWindowExists) {
  auto* form = New<TForm>(nullptr);
  form->SetClientSize(300, 200);
  EXPECT_FALSE(form->HandleAllocated());
  form->HandleNeeded();
  RECT client;
  GetClientRect(form->Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);
  form->Free();
}

}  // namespace
