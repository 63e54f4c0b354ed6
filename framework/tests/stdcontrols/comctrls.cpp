// Page control, bars, tool bar, up-down and date-time picker driven by platform messages.
#include "framework/ComCtrls.h"
#include "framework/ImgList.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class ComCtrlsTest : public FormTest {};

// Clicks the client point of a window as the user would.
void ClickAt(HWND wnd, int x, int y) {
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

TEST_F(ComCtrlsTest, PageControlShowsThePageOfTheChosenTab) {
  auto* pages = new TPageControl(form);
  pages->SetParent(form);
  pages->SetBounds(10, 10, 300, 200);
  auto* general = new TTabSheet(form);
  general->SetPageControl(pages);
  general->SetCaption("     General     ");
  auto* profiles = new TTabSheet(form);
  profiles->SetPageControl(pages);
  profiles->SetCaption("     Profiles     ");
  HWND tabs = pages->Handle();
  EXPECT_EQ(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), 2);
  char text[64];
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(tabs, TCM_GETITEMA, 1, (LPARAM)&item);
  EXPECT_STREQ(text, "     Profiles     ");
  EXPECT_EQ(pages->ActivePage(), general);
  EXPECT_TRUE(IsWindowVisible(general->Handle()));
  // The page fills the area below the tabs.
  RECT display;
  GetClientRect(tabs, &display);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, (LPARAM)&display);
  EXPECT_EQ(general->BoundsRect(), TRect(display));

  int changes = 0;
  pages->OnChange = [&](TObject*) { ++changes; };
  RECT second;
  SendMessageA(tabs, TCM_GETITEMRECT, 1, (LPARAM)&second);
  ClickAt(tabs, second.left + 5, second.top + 5);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(pages->ActivePage(), profiles);
  EXPECT_EQ(pages->ActivePageIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(profiles->Handle()));
  EXPECT_FALSE(IsWindowVisible(general->Handle()));

  pages->SetActivePageIndex(0);   // by the program: no event
  EXPECT_EQ(SendMessageA(tabs, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(changes, 1);
  pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
  ClickAt(tabs, second.left + 5, second.top + 5);
  EXPECT_EQ(pages->ActivePage(), general);
}

TEST_F(ComCtrlsTest, RemovingTheActivePageActivatesAnother) {
  auto* pages = new TPageControl(form);
  pages->SetParent(form);
  auto* a = new TTabSheet(form);
  a->SetPageControl(pages);
  auto* b = new TTabSheet(form);
  b->SetPageControl(pages);
  delete a;
  EXPECT_EQ(pages->PageCount(), 1);
  EXPECT_EQ(pages->ActivePage(), b);
  EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

TEST_F(ComCtrlsTest, ProgressBarPositionStaysInItsRange) {
  auto* bar = new TProgressBar(form);
  bar->SetPosition(40);
  bar->SetParent(form);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 40);
  bar->SetPosition(250);
  EXPECT_EQ(bar->Position(), 100);
  bar->SetPosition(-5);
  EXPECT_EQ(bar->Position(), 0);
  bar->SetStep(10);
  bar->StepIt();
  EXPECT_EQ(bar->Position(), 10);
  bar->SetMax(5);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, FALSE, 0), 5);
}

TEST_F(ComCtrlsTest, TrackBarMovedByTheUserReportsItsNewPosition) {
  auto* bar = new TTrackBar(form);
  bar->SetMax(90);
  bar->SetPosition(30);
  bar->SetThumbLength(10);
  bar->SetTickMarks(tmTopLeft);
  bar->SetParent(form);
  HWND wnd = bar->Handle();
  EXPECT_EQ(SendMessageA(wnd, TBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(SendMessageA(wnd, TBM_GETRANGEMAX, 0, 0), 90);
  EXPECT_EQ(SendMessageA(wnd, TBM_GETTHUMBLENGTH, 0, 0), 10);
  EXPECT_TRUE(GetWindowLongA(wnd, GWL_STYLE) & TBS_TOP);
  std::vector<int> seen;
  bar->OnChange = [&](TObject*) { seen.push_back(bar->Position()); };
  SendMessageA(wnd, WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 31);
  bar->SetPosition(200);
  EXPECT_EQ(bar->Position(), 90);
}

TEST_F(ComCtrlsTest, StatusBarPanelsShowTheirTexts) {
  auto* bar = new TStatusBar(form);
  bar->SetParent(form);
  for (int i = 0; i < 4; ++i) bar->Panels()->Add()->SetWidth(100);
  bar->Panels()->Items(2)->SetText("2 Selected.  3.50MB Total.");
  HWND wnd = bar->Handle();
  EXPECT_EQ(SendMessageA(wnd, SB_GETPARTS, 0, 0), 4);
  char text[128];
  SendMessageA(wnd, SB_GETTEXTA, 2, (LPARAM)text);
  EXPECT_STREQ(text, "2 Selected.  3.50MB Total.");
  EXPECT_EQ(bar->Align(), alBottom);
  EXPECT_EQ(bar->Top() + bar->Height(), form->ClientHeight());
}

TEST_F(ComCtrlsTest, ToolButtonsClickAndFollowTheirEnabledState) {
  auto* bar = new TToolBar(form);
  bar->SetShowCaptions(true);
  bar->SetFlat(true);
  bar->SetButtonWidth(55);
  bar->SetButtonHeight(54);
  bar->SetParent(form);
  auto* start = new TToolButton(form);
  start->SetCaption("Start");
  start->SetToolBar(bar);
  auto* stop = new TToolButton(form);
  stop->SetCaption("Stop");
  stop->SetEnabled(false);
  stop->SetToolBar(bar);
  HWND wnd = bar->Handle();
  EXPECT_EQ(SendMessageA(wnd, TB_BUTTONCOUNT, 0, 0), 2);
  EXPECT_FALSE(SendMessageA(wnd, TB_ISBUTTONENABLED, stop->Command(), 0));
  int clicks = 0;
  start->OnClick = [&](TObject* sender) { EXPECT_EQ(sender, start); ++clicks; };
  TRect r = start->BoundsRect();
  EXPECT_EQ(r.Width(), 55);
  ClickAt(wnd, r.left + 10, r.top + 10);
  EXPECT_EQ(clicks, 1);
  stop->SetEnabled(true);
  EXPECT_TRUE(SendMessageA(wnd, TB_ISBUTTONENABLED, stop->Command(), 0));
  start->SetCaption("Go");
  char text[32] = "";
  SendMessageA(wnd, TB_GETBUTTONTEXTA, start->Command(), (LPARAM)text);
  EXPECT_STREQ(text, "Go");
  delete stop;
  EXPECT_EQ(SendMessageA(wnd, TB_BUTTONCOUNT, 0, 0), 1);
}

// The old behaviour kept the bar at the height asked, which cut the captions off.
TEST_F(ComCtrlsTest, ToolButtonsShowTheirPictureAboveTheCaptionGreyedWhenDisabled) {
  auto list = [this](TColor color) {
    auto* images = new TImageList(form);
    images->SetWidth(48);
    images->SetHeight(48);
    TBitmap picture;
    picture.SetSize(48, 48);
    picture.Canvas()->Brush()->SetColor(color);
    picture.Canvas()->FillRect(TRect(0, 0, 48, 48));
    images->AddMasked(&picture, clFuchsia);
    return images;
  };
  auto* bar = new TToolBar(form);
  bar->SetAlign(alTop);
  bar->SetFlat(true);
  bar->SetShowCaptions(true);
  bar->SetImages(list(clRed));
  bar->SetDisabledImages(list(clBlue));
  bar->SetButtonWidth(55);
  bar->SetButtonHeight(54);
  bar->SetHeight(58);
  TToolButton* buttons[2];
  for (TToolButton*& b : buttons) {
    b = new TToolButton(form);
    b->SetCaption("Start");
    b->SetImageIndex(0);
    b->SetToolBar(bar);
  }
  buttons[1]->SetEnabled(false);
  bar->SetParent(form);
  Pump();
  const TRect r = buttons[0]->BoundsRect();
  EXPECT_GT(r.Height(), 54);  // the caption's row below the picture
  EXPECT_EQ(bar->ClientHeight(), r.bottom);
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(bar->Handle());
  for (int i = 0; i < 2; ++i) {
    const TRect b = buttons[i]->BoundsRect();
    EXPECT_EQ(GetPixel(dc, (b.left + b.right) / 2, b.top + 24), i == 0 ? RGB(255, 0, 0) : RGB(0, 0, 255))
        << "button " << i;
  }
  ReleaseDC(bar->Handle(), dc);
}

TEST_F(ComCtrlsTest, ToolButtonHintsAreTheTooltipTexts) {
  auto* bar = new TToolBar(form);
  bar->SetParent(form);
  auto* add = new TToolButton(form);
  add->SetHint("Add Video Files|Adds files to the list");
  add->SetToolBar(bar);
  form->SetShowHint(true);   // the bar shows its parent's choice
  HWND tip = (HWND)SendMessageA(bar->Handle(), TB_GETTOOLTIPS, 0, 0);
  ASSERT_NE(tip, nullptr);
  NMTTDISPINFOA info{};
  info.hdr.hwndFrom = tip;
  info.hdr.idFrom = add->Command();
  info.hdr.code = TTN_GETDISPINFOA;
  SendMessageA(bar->Handle(), WM_NOTIFY, info.hdr.idFrom, (LPARAM)&info);
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_STREQ(info.lpszText, "Add Video Files");
  NMTTDISPINFOW wide{};
  wide.hdr = info.hdr;
  wide.hdr.code = TTN_GETDISPINFOW;
  SendMessageA(bar->Handle(), WM_NOTIFY, info.hdr.idFrom, (LPARAM)&wide);
  ASSERT_NE(wide.lpszText, nullptr);
  EXPECT_STREQ(wide.lpszText, L"Add Video Files");
  form->SetShowHint(false);
  SendMessageA(bar->Handle(), WM_NOTIFY, info.hdr.idFrom, (LPARAM)&info);
  EXPECT_STREQ(info.lpszText, "");
}

TEST_F(ComCtrlsTest, UpDownMovesItsAssociatedEdit) {
  auto* buddy = new TPlatformControl(form, "EDIT");
  buddy->SetParent(form);
  auto* updown = new TUpDown(form);
  updown->SetMax(10);
  updown->SetPosition(3);
  updown->SetAssociate(buddy);
  updown->SetParent(form);
  EXPECT_EQ(SendMessageA(updown->Handle(), UDM_GETBUDDY, 0, 0), (LRESULT)buddy->Handle());
  EXPECT_EQ(buddy->Text(), "3");
  updown->SetPosition(20);
  EXPECT_EQ(updown->Position(), 10);
}

TEST_F(ComCtrlsTest, DateTimePickerHoldsTheDateItIsGiven) {
  auto* picker = new TDateTimePicker(form);
  picker->SetParent(form);
  SYSTEMTIME t{};
  t.wYear = 2006;
  t.wMonth = 4;
  t.wDay = 12;
  picker->SetDateTime(t);
  SYSTEMTIME back{};
  SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, (LPARAM)&back);
  EXPECT_EQ(back.wYear, 2006);
  EXPECT_EQ(picker->DateTime().wDay, 12);
  picker->SetDateMode(dmUpDown);
  EXPECT_TRUE(GetWindowLongA(picker->Handle(), GWL_STYLE) & DTS_UPDOWN);
  EXPECT_EQ(picker->DateTime().wMonth, 4);
}

}  // namespace
