// Buttons, edits, check and radio buttons, combo and list boxes driven by platform messages.
#include "framework/StdCtrls.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class StdCtrlsTest : public FormTest {
protected:
  template <class T> T* Place(int left, int top) {
    T* c = new T(form);
    c->SetParent(form);
    c->SetBounds(left, top, c->Width(), c->Height());
    return c;
  }
};

TEST_F(StdCtrlsTest, AButtonPressedByThePlatformClicksOnce) {
  auto* button = Place<TButton>(10, 10);
  button->SetCaption("&OK");
  int clicks = 0;
  button->OnClick = [&](TObject* sender) { EXPECT_EQ(sender, button); ++clicks; };
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  char text[16];
  GetWindowTextA(button->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "&OK");
}

TEST_F(StdCtrlsTest, EditTextGoesBothWaysAndTypingFiresOnChange) {
  auto* edit = Place<TEdit>(10, 10);
  std::vector<std::string> seen;
  edit->OnChange = [&](TObject*) { seen.push_back(edit->Text()); };
  edit->SetText("C:\\Videos\\");
  char text[64];
  GetWindowTextA(edit->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "C:\\Videos\\");
  SendMessageA(edit->Handle(), WM_CHAR, 'x', 0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), edit->Text());
  EXPECT_NE(edit->Text().find('x'), std::string::npos);
}

TEST_F(StdCtrlsTest, EditSettingsMadeBeforeTheWindowReachIt) {
  auto* edit = new TEdit(form);
  edit->SetReadOnly(true);
  edit->SetMaxLength(3);
  edit->SetText("abc");
  edit->SetParent(form);
  HWND wnd = edit->Handle();
  EXPECT_TRUE(GetWindowLongA(wnd, GWL_STYLE) & ES_READONLY);
  EXPECT_EQ(SendMessageA(wnd, EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_EQ(edit->Text(), "abc");
  edit->SetReadOnly(false);
  EXPECT_FALSE(GetWindowLongA(wnd, GWL_STYLE) & ES_READONLY);
}

TEST_F(StdCtrlsTest, MemoLinesEditTheText) {
  auto* memo = Place<TMemo>(10, 10);
  memo->Lines()->Add("first");
  memo->Lines()->Add("second");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Get(1), "second");
  memo->Lines()->Put(0, "one");
  memo->Lines()->Delete(1);
  EXPECT_EQ(memo->Text(), "one\r\n");
  memo->SetText("a\r\nb");
  EXPECT_EQ(memo->Lines()->Count(), 2);
}

TEST_F(StdCtrlsTest, CheckBoxFollowsClicksAndKeepsItsStateThroughARecreate) {
  auto* box = Place<TCheckBox>(10, 10);
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  EXPECT_FALSE(box->Checked());
  SendMessageA(box->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(clicks, 1);
  box->RecreateWnd();
  EXPECT_TRUE(box->Checked());
  box->SetChecked(false);
  EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(clicks, 1);   // setting the state is no click
}

TEST_F(StdCtrlsTest, CheckingARadioButtonUnchecksItsSiblingsOnly) {
  auto* group = Place<TGroupBox>(10, 10);
  auto* overwrite = new TRadioButton(form);
  overwrite->SetParent(group);
  auto* rename = new TRadioButton(form);
  rename->SetParent(group);
  rename->SetTop(30);
  auto* outside = Place<TRadioButton>(10, 150);
  outside->SetChecked(true);
  overwrite->SetChecked(true);
  SendMessageA(rename->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(rename->Checked());
  EXPECT_FALSE(overwrite->Checked());
  EXPECT_TRUE(outside->Checked());
  overwrite->SetChecked(true);
  EXPECT_FALSE(rename->Checked());
  // Code that tells controls apart by class (skinning) must not take a radio button for a check box.
  EXPECT_EQ(dynamic_cast<TCustomCheckBox*>(static_cast<TControl*>(rename)), nullptr);
}

TEST_F(StdCtrlsTest, ComboItemsSelectionAndChangeEvent) {
  auto* combo = new TComboBox(form);
  combo->SetStyle(csDropDownList);
  combo->Items()->Add("Auto");   // before the window: kept and handed over
  combo->SetItemIndex(0);
  combo->SetParent(form);
  combo->Items()->Add("Force Mode");
  combo->Items()->Add("Progressive Mode");
  HWND wnd = combo->Handle();
  EXPECT_EQ(SendMessageA(wnd, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(combo->ItemIndex(), 0);
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  combo->SetItemIndex(2);   // by the program: no event
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(combo->Text(), "Progressive Mode");
  SendMessageA(wnd, WM_KEYDOWN, VK_UP, 0);   // by the user
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->RecreateWnd();
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_THROW(combo->Items()->Get(7), EListError);
}

TEST_F(StdCtrlsTest, ComboKeepsItsClosedHeightAndDropsAListOfSeveralItems) {
  auto* combo = Place<TComboBox>(10, 10);
  combo->SetStyle(csDropDownList);
  for (const char* s : {"a", "b", "c", "d"}) combo->Items()->Add(s);
  combo->SetBounds(10, 10, 120, 21);
  HWND wnd = combo->Handle();
  RECT closed;
  GetWindowRect(wnd, &closed);
  EXPECT_EQ(combo->Height(), closed.bottom - closed.top);
  EXPECT_LT(combo->Height(), 30);
  RECT dropped;
  SendMessageA(wnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)&dropped);
  int itemHeight = (int)SendMessageA(wnd, CB_GETITEMHEIGHT, 0, 0);
  EXPECT_GE(dropped.bottom - dropped.top, combo->Height() + 4 * itemHeight);
}

TEST_F(StdCtrlsTest, EditableComboShowsThePickedItemWhenItsEventRuns) {
  auto* combo = Place<TComboBox>(10, 10);
  combo->Items()->Add("mp4");
  combo->Items()->Add("avi");
  std::string shown;
  combo->OnChange = [&](TObject*) { shown = combo->Text(); };
  SendMessageA(combo->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(shown, "mp4");
}

TEST_F(StdCtrlsTest, ListBoxSelectionClicks) {
  auto* list = Place<TListBox>(10, 10);
  list->Items()->Add("a");
  list->Items()->Add("b");
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  SendMessageA(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(StdCtrlsTest, ScrollBarKeepsItsPositionInRangeAndReportsChanges) {
  auto* bar = Place<TScrollBar>(10, 10);
  int changes = 0;
  bar->OnChange = [&](TObject*) { ++changes; };
  bar->SetParams(150, 0, 100);
  EXPECT_EQ(bar->Position(), 100);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 100);
  SendMessageA(form->Handle(), WM_HSCROLL, SB_LINEUP, (LPARAM)bar->Handle());
  EXPECT_EQ(bar->Position(), 99);
  EXPECT_EQ(changes, 2);
  SendMessageA(form->Handle(), WM_HSCROLL, SB_TOP, (LPARAM)bar->Handle());
  EXPECT_EQ(bar->Position(), 0);
}

TEST_F(StdCtrlsTest, AutoSizeLabelFitsItsCaption) {
  auto* label = Place<TLabel>(10, 10);
  label->SetCaption("Output Path:");
  int width = label->Width();
  EXPECT_GT(width, 20);
  label->SetCaption("Output Path: and more words");
  EXPECT_GT(label->Width(), width);
  label->SetAutoSize(false);
  label->SetCaption("x");
  EXPECT_GT(label->Width(), width);
}

TEST_F(StdCtrlsTest, LabelsMadeWhileTheFormLoadsFitTheirCaptionOnceLoaded) {
  form->BeginLoading();
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetCaption("i");
  EXPECT_EQ(label->Width(), 65);
  form->EndLoading();
  EXPECT_LT(label->Width(), 20);
}

}  // namespace
