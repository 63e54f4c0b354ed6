// Notifications that a platform control sends to its parent come back to the control as CN_*.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// Records the reflected notifications it gets.
class TRecordingControl : public TPlatformControl {
public:
  using TPlatformControl::TPlatformControl;
  void WndProc(TMessage& m) override {
    if (m.Msg == CN_NOTIFY) notifyCodes.push_back(reinterpret_cast<NMHDR*>(m.LParam)->code);
    if (m.Msg == CN_COMMAND) commandCodes.push_back(HIWORD(m.WParam));
    if (m.Msg == CN_CTLCOLOREDIT || m.Msg == CN_CTLCOLORSTATIC) ++colorRequests;
    TPlatformControl::WndProc(m);
  }
  std::vector<UINT> notifyCodes;
  std::vector<WORD> commandCodes;
  int colorRequests = 0;
};

class ReflectionTest : public FormTest {};

TEST_F(ReflectionTest, AListViewGetsItsListViewNotificationsAsCN_NOTIFY) {
  auto* list = new TRecordingControl(form, WC_LISTVIEWA, LVS_REPORT);
  list->SetParent(form);
  HWND wnd = list->Handle();
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 80;
  column.pszText = const_cast<char*>("Name");
  ListView_InsertColumn(wnd, 0, &column);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<char*>("first");
  ListView_InsertItem(wnd, &item);
  ListView_SetItemState(wnd, 0, LVIS_SELECTED, LVIS_SELECTED);
  ListView_DeleteAllItems(wnd);

  auto has = [&](UINT code) {
    return std::find(list->notifyCodes.begin(), list->notifyCodes.end(), code) != list->notifyCodes.end();
  };
  EXPECT_TRUE(has(LVN_INSERTITEM));
  EXPECT_TRUE(has(LVN_ITEMCHANGED));
  EXPECT_TRUE(has(LVN_DELETEALLITEMS));
}

TEST_F(ReflectionTest, AButtonGetsItsClickAsCN_COMMAND) {
  auto* button = new TRecordingControl(form, "BUTTON", BS_PUSHBUTTON);
  button->SetParent(form);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(button->commandCodes.size(), 1u);
  EXPECT_EQ(button->commandCodes[0], BN_CLICKED);
}

TEST_F(ReflectionTest, ControlsOnPanelsGetTheirNotificationsFromTheirOwnParent) {
  auto* panel = new TCustomControl(form);
  panel->SetBounds(0, 0, 200, 200);
  panel->SetParent(form);
  auto* button = new TRecordingControl(form, "BUTTON", BS_PUSHBUTTON);
  button->SetParent(panel);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(button->commandCodes.size(), 1u);
}

TEST_F(ReflectionTest, AnEditAsksItsOwnColoursThroughTheReflection) {
  auto* edit = new TRecordingControl(form, "EDIT");
  edit->SetParent(form);
  edit->SetColor(clYellow);
  edit->SetText("yellow");
  UpdateWindow(edit->Handle());
  RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_GT(edit->colorRequests, 0);
  HDC dc = GetDC(edit->Handle());
  RECT client;
  GetClientRect(edit->Handle(), &client);
  EXPECT_EQ(GetPixel(dc, client.right - 3, client.bottom - 3), clYellow);
  ReleaseDC(edit->Handle(), dc);
}

}  // namespace
