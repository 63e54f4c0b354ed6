// Form, control and menu helpers on real forms.
#include "skin/SkinForms.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

// A form that answers the skinned window's active query with a given number (0: not skinned).
struct QueriedForm {
  QueriedForm() : Form(New<TForm>(Application)) {
    TWndMethod inherited = Form->WindowProc;
    Form->WindowProc = [this, inherited](TMessage& m) {
      if (m.Msg == 0x2AAB)
        m.Result = Answer;
      else
        inherited(m);
    };
  }
  ~QueriedForm() { Form->Free(); }
  TForm* Form;
  LRESULT Answer = 0;
};

TEST(SkinForms, FindsFormsByTheirWindows) {
  QueriedForm first, second;
  EXPECT_EQ(FindFormByHandle(second.Form->Handle()), second.Form);
  EXPECT_EQ(FindFormByHandle(first.Form->Handle()), first.Form);
  EXPECT_EQ(FindFormByHandle(GetDesktopWindow()), nullptr);
}

TEST(SkinForms, TheSkinnedWindowDecidesWhetherItsFormIsActive) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  QueriedForm form;
  EXPECT_FALSE(IsFormActive(form.Form));  // hidden, not the active window
  form.Answer = 1;
  EXPECT_TRUE(IsFormActive(form.Form));
  form.Answer = 2;
  EXPECT_FALSE(IsFormActive(form.Form));
}

TEST(SkinForms, SetsBoundsAndTheWorkArea) {
  QueriedForm form;
  SetControlBounds(form.Form, TRect(10, 20, 210, 170));
  EXPECT_EQ(form.Form->Left(), 10);
  EXPECT_EQ(form.Form->Top(), 20);
  EXPECT_EQ(form.Form->Width(), 200);
  EXPECT_EQ(form.Form->Height(), 150);

  RECT desktop;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &desktop, 0));
  TRect area;
  GetWorkArea(area);
  EXPECT_EQ(area, TRect(desktop.left, desktop.top, desktop.right, desktop.bottom - 1));
}

TEST(SkinForms, GivesEveryMenuItemTheOwnerDrawHandlers) {
  TMenuItem root(nullptr);
  TMenuItem* file = New<TMenuItem>(nullptr);
  root.Add(file);
  TMenuItem* open = New<TMenuItem>(nullptr);
  file->Add(open);
  int measured = 0, drawn = 0;
  SetMenuItemsOwnerDraw(
      &root, [&](TObject*, TCanvas*, int&, int&) { ++measured; },
      [&](TObject*, TCanvas*, TRect, bool) { ++drawn; });
  for (TMenuItem* item : {&root, file, open}) {
    int width = 0, height = 0;
    ASSERT_TRUE(item->OnMeasureItem && item->OnDrawItem);
    item->OnMeasureItem(item, nullptr, width, height);
    item->OnDrawItem(item, nullptr, TRect(), false);
  }
  EXPECT_EQ(measured, 3);
  EXPECT_EQ(drawn, 3);

  SetMenuItemsOwnerDraw(&root, nullptr, nullptr);
  EXPECT_FALSE(open->OnMeasureItem || open->OnDrawItem);
}

}  // namespace
}  // namespace skin
