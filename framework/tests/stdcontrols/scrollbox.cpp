// TScrollBox scrolls children that reach below it, with the platform's vertical bar.
#include "framework/ExtCtrls.h"
#include "framework/ScrollBox.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class ScrollBoxTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    box = new TScrollBox(form);
    box->SetBorderStyle(bsNone);
    box->SetBounds(10, 10, 200, 100);
    box->SetParent(form);
    for (int i = 0; i < 3; ++i) {
      panels[i] = new TPanel(form);
      panels[i]->SetBounds(0, 100 * i, 200, 60);
      panels[i]->SetAlign(alTop);
      panels[i]->SetParent(box);
    }
  }
  SCROLLINFO Bar() const {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL;
    GetScrollInfo(box->Handle(), SB_VERT, &si);
    return si;
  }
  bool BarShown() const { return GetWindowLongA(box->Handle(), GWL_STYLE) & WS_VSCROLL; }
  void Scroll(int code) { SendMessageA(box->Handle(), WM_VSCROLL, code, 0); }
  TScrollBox* box = nullptr;
  TPanel* panels[3] = {};
};

// Before, children below the box could not be reached.
TEST_F(ScrollBoxTest, ChildrenBelowTheBoxScrollIntoViewAndTheBarFollows) {
  ASSERT_TRUE(BarShown());
  EXPECT_EQ(box->ContentHeight(), 180);
  EXPECT_EQ(Bar().nMax + 1, 180);
  EXPECT_EQ(Bar().nPage, 100u);
  EXPECT_EQ(panels[0]->Width(), box->ClientWidth()) << "the children make room for the bar";
  EXPECT_LT(box->ClientWidth(), 200);

  Scroll(SB_BOTTOM);
  EXPECT_EQ(box->VertPosition(), 80);
  EXPECT_EQ(panels[2]->Top() + panels[2]->Height(), 100) << "the last child's bottom shows";
  EXPECT_EQ(panels[0]->Top(), -80);
  EXPECT_EQ(Bar().nPos, 80);
  Scroll(SB_LINEUP);
  EXPECT_EQ(box->VertPosition(), 62);
  Scroll(SB_PAGEUP);
  EXPECT_EQ(box->VertPosition(), 0);
  EXPECT_EQ(panels[0]->Top(), 0);
}

TEST_F(ScrollBoxTest, ChildrenThatShrinkComeDownAndTheBarGoesWhenAllFit) {
  Scroll(SB_BOTTOM);
  panels[2]->SetHeight(1);  // 121 pixels tall now
  EXPECT_EQ(box->VertPosition(), 21);
  EXPECT_EQ(panels[2]->Top() + 1, 100);
  for (TPanel* panel : panels) panel->SetHeight(10);
  EXPECT_EQ(box->VertPosition(), 0);
  EXPECT_EQ(panels[0]->Top(), 0);
  EXPECT_FALSE(BarShown());
  EXPECT_EQ(panels[0]->Width(), 200);
}

}  // namespace
