// Message boxes over a skinned form, and the skinners plain child windows get.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "skin/SkinWindowWnd.h"
#include "skin/SkinWndSkinners.h"
#include "skin/tests/pump.h"
#include "skin/tests/skinned_form.h"
#include "testing/driver/fixture.h"
#include "testing/driver/screenshot.h"

namespace {

class TDialogTestForm : public TSkinnedTestForm {
public:
  explicit TDialogTestForm(TComponent* owner)
      : TSkinnedTestForm(owner, 60, 60, 400, 300, "Dialog owner") {}
};

TDialogTestForm* Form() {
  static TDialogTestForm* form = nullptr;
  if (!form) {
    Application->CreateForm(form);
    form->Show();
    PumpUntil([] { return IsWindowVisible(form->Handle()) != 0; });
  }
  return form;
}

// While a message box runs: step(box) every 20 ms until it answers true. After ten seconds
// the box is ended with -1 and the failure recorded.
std::function<bool(HWND)> gStep;
std::chrono::steady_clock::time_point gDeadline;
bool gStepDone = false;

void CALLBACK RunStep(HWND, UINT, UINT_PTR, DWORD) {
  if (gStepDone)
    return;
  HWND box = GetActiveWindow();
  char name[16] = "";
  GetClassNameA(box, name, sizeof name);
  if (std::string(name) != "#32770")
    return;
  if (std::chrono::steady_clock::now() > gDeadline) {
    gStepDone = true;
    ADD_FAILURE() << "the message box step did not finish";
    EndDialog(box, -1);
    return;
  }
  gStepDone = gStep(box);
}

template <class TResult>
TResult RunModal(const std::function<TResult()>& open, std::function<bool(HWND)> step) {
  gStep = std::move(step);
  gStepDone = false;
  gDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunStep);
  const TResult result = open();
  KillTimer(nullptr, timer);
  return result;
}

int RunBox(UINT type, std::function<bool(HWND)> step) {
  return RunModal<int>(
      [type] {
        return MessageBoxA(Form()->Handle(), "A question that is long enough to wrap over "
                           "more than one line in the box?", "Skinned box", type);
      },
      std::move(step));
}

struct BoxLook {
  SIZE Client{};
  bool Skinned = false;
  bool ChildrenInside = true;
};

BoxLook LookOf(HWND box) {
  BoxLook look;
  RECT client;
  GetClientRect(box, &client);
  look.Client = {client.right, client.bottom};
  look.Skinned = IsSkinned(box);
  for (HWND child = GetTopWindow(box); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
      look.ChildrenInside = false;
  }
  return look;
}

void Keys(std::initializer_list<std::pair<WORD, bool>> keys) {
  for (const auto& [key, up] : keys) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
  }
}

TEST(SkinDialogs, AMessageBoxIsSkinnedKeepingItsClientAreaUnlessDialogsAreOff) {
  BoxLook plain, skinned;
  Form()->kivSkinEngine1->SetSkinDialogs(false);
  EXPECT_EQ(RunBox(MB_OKCANCEL, [&](HWND box) {
              plain = LookOf(box);
              PostMessageA(box, WM_COMMAND, IDOK, 0);
              return true;
            }),
            IDOK);
  Form()->kivSkinEngine1->SetSkinDialogs(true);
  EXPECT_EQ(RunBox(MB_OKCANCEL, [&](HWND box) {
              if (!IsSkinned(box))
                return false;
              skinned = LookOf(box);
              PostMessageA(box, WM_COMMAND, IDOK, 0);
              return true;
            }),
            IDOK);
  EXPECT_FALSE(plain.Skinned);
  EXPECT_TRUE(skinned.Skinned);
  // The window grows by both skinned side borders, over the platform's own thinner ones.
  EXPECT_GE(skinned.Client.cx, plain.Client.cx);
  EXPECT_EQ(skinned.Client.cy, plain.Client.cy);
  EXPECT_TRUE(plain.ChildrenInside);
  EXPECT_TRUE(skinned.ChildrenInside) << "text or buttons clipped";
  EXPECT_EQ(Form()->kivSkinEngine1->SkinWindowCount(), 1) << "the box's skinned window outlived it";
}

TEST(SkinDialogs, AltF4EndsEvenAYesNoBoxAsCancel) {
  bool sent = false;
  EXPECT_EQ(RunBox(MB_YESNO, [&](HWND box) {
              if (!IsSkinned(box))
                return false;
              if (GetForegroundWindow() != box) {
                SetForegroundWindow(box);
                return false;
              }
              if (!sent)
                Keys({{VK_MENU, false}, {VK_F4, false}, {VK_F4, true}, {VK_MENU, true}});
              sent = true;
              return true;
            }),
            IDCANCEL);
}

TEST(SkinDialogs, AMessageBoxUnskinnedWhileOpenGetsItsSystemMenuBack) {
  LONG skinned = 0, unskinned = 0;
  Form()->kivSkinEngine1->SetSkinDialogs(false);
  EXPECT_EQ(RunBox(MB_OK, [&](HWND box) {
              if (GetUpdateRect(box, nullptr, FALSE))
                return false;  // not drawn yet
              // A box already on the screen is skinned; its first background erase in the
              // skin is where the skinned window keeps its style.
              if (!IsSkinned(box)) {
                Form()->kivSkinEngine1->SkinWindow(box, true);
                return false;
              }
              skinned = GetWindowLongA(box, GWL_STYLE);
              Form()->kivSkinEngine1->SetActive(false);
              unskinned = GetWindowLongA(box, GWL_STYLE);
              Form()->kivSkinEngine1->SetActive(true);
              PostMessageA(box, WM_COMMAND, IDOK, 0);
              return true;
            }),
            IDOK);
  Form()->kivSkinEngine1->SetSkinDialogs(true);
  EXPECT_FALSE(skinned & WS_SYSMENU) << "the skinned title has its own close button";
  EXPECT_TRUE(unskinned & WS_SYSMENU) << "the platform's title lost its close button";
}

void MoveMouse(POINT to) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = to.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = to.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void Click() {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, in, sizeof in[0]);
}

POINT CentreOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Every BN_CLICKED of the OK button, whether posted or sent, and the Space keys let go.
HWND gOkButton = nullptr;
int gClicks = 0, gSpaceUps = 0;

void Count(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && HWND(lParam) == gOkButton && gOkButton)
    ++gClicks;
  if (msg == WM_KEYUP && wParam == VK_SPACE)
    ++gSpaceUps;
}

LRESULT CALLBACK CountPosted(int code, WPARAM wParam, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE)
    Count(msg->message, msg->wParam, msg->lParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK CountSent(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* msg = reinterpret_cast<CWPSTRUCT*>(lParam);
  if (code == HC_ACTION)
    Count(msg->message, msg->wParam, msg->lParam);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(SkinDialogs, ASkinnedPushButtonClicksOncePerPressNotForSpaceAndLosesItsHoverLook) {
  const HHOOK posted = SetWindowsHookExA(WH_GETMESSAGE, CountPosted, nullptr, GetCurrentThreadId());
  const HHOOK sent = SetWindowsHookExA(WH_CALLWNDPROC, CountSent, nullptr, GetCurrentThreadId());
  gClicks = gSpaceUps = 0;
  enum Step { kFocus, kSpace, kHover, kLeave, kGone, kClick, kDone } step = kFocus;
  std::chrono::steady_clock::time_point left;
  long long hoverGoneMs = -1;
  TkivSkinControl* skinner = nullptr;
  const int result = RunBox(MB_OKCANCEL, [&](HWND box) {
    if (!IsSkinned(box))
      return false;
    if (GetForegroundWindow() != box) {
      SetForegroundWindow(box);
      return false;
    }
    gOkButton = GetDlgItem(box, IDOK);
    skinner = static_cast<TkivSkinWindowWnd*>(Form()->kivSkinEngine1->FindSkinWindow(box))->SkinnerOf(gOkButton);
    if (!skinner) {
      ADD_FAILURE() << "the OK button has no skinner";
      EndDialog(box, -1);
      return true;
    }
    switch (step) {
      case kFocus:
        SetFocus(gOkButton);
        Keys({{VK_SPACE, false}, {VK_SPACE, true}});
        step = kSpace;
        break;
      case kSpace:  // the release has been handled when the next tick comes
        if (gSpaceUps > 0) {
          MoveMouse(CentreOf(gOkButton));
          step = kHover;
        }
        break;
      case kHover:
        if (skinner->State().Hot) {
          RECT r;
          GetWindowRect(box, &r);
          MoveMouse({r.left + 5, r.bottom + 40});  // off the box, on the form below
          step = kLeave;
        }
        break;
      case kLeave: {
        POINT at;
        GetCursorPos(&at);
        RECT r;
        GetWindowRect(gOkButton, &r);
        if (PtInRect(&r, at))
          break;
        left = std::chrono::steady_clock::now();
        step = kGone;
        [[fallthrough]];
      }
      case kGone:
        if (skinner->State().Hot)
          break;
        hoverGoneMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now() - left).count();
        MoveMouse(CentreOf(gOkButton));
        step = kClick;
        break;
      case kClick:
        if (!skinner->State().Hot)
          break;
        Click();
        step = kDone;
        return true;
      case kDone:
        return true;
    }
    return false;
  });
  PumpUntil([] {
    MSG msg;
    return !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
  });
  UnhookWindowsHookEx(posted);
  UnhookWindowsHookEx(sent);
  gOkButton = nullptr;
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(gClicks, 1) << "BN_CLICKED of OK, Space included";
  EXPECT_GE(hoverGoneMs, 0);
  EXPECT_LE(hoverGoneMs, 200) << "the hover look stayed after the mouse left";
}

TEST(SkinDialogs, TheFolderPickerIsSkinnedAndWorksEachOfTenTimes) {
  for (int i = 0; i < 10; ++i) {
    bool skinned = false;
    const bool picked = RunModal<bool>(
        [] {
          BROWSEINFOA info{};
          info.hwndOwner = Form()->Handle();
          info.lpszTitle = "Pick a folder";
          LPITEMIDLIST item = SHBrowseForFolderA(&info);
          if (item)
            CoTaskMemFree(item);
          return item != nullptr;
        },
        [&](HWND picker) {
          if (!IsSkinned(picker))
            return false;
          skinned = true;
          PostMessageA(GetDlgItem(picker, IDOK), BM_CLICK, 0, 0);
          return true;
        });
    EXPECT_TRUE(skinned) << "time " << i;
    EXPECT_TRUE(picked) << "time " << i;
    EXPECT_EQ(Form()->kivSkinEngine1->SkinWindowCount(), 1) << "time " << i;
  }
}

int gDialogDestroys = 0;
INT_PTR CALLBACK CountDestroy(HWND, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_DESTROY)
    ++gDialogDestroys;
  return msg == WM_INITDIALOG;
}

TEST(SkinDialogs, ASkinnedDialogStillGetsItsOwnDestroyAndLeavesTheEngine) {
  struct {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } dialog{{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 10, 10, 200, 100}, 0, 0, 0};
  const HWND window =
      CreateDialogIndirectA(nullptr, &dialog.Template, Form()->Handle(), CountDestroy);
  ASSERT_TRUE(window);
  Form()->kivSkinEngine1->SkinWindow(window, true);
  ASSERT_TRUE(IsSkinned(window));
  gDialogDestroys = 0;
  DestroyWindow(window);
  EXPECT_EQ(gDialogDestroys, 1);
  EXPECT_EQ(Form()->kivSkinEngine1->SkinWindowCount(), 1);
}

// The colours of one column of a frame of "TabControlTabImage" (1 the selected tab, 2 the
// others), the form colour standing in for the transparent ones.
std::vector<TColor> TabImageColumn(int frame, int x) {
  TBitmap image;
  EXPECT_TRUE(Form()->kivSkinEngine1->GetSkinBitmap("TabControlTabImage", &image, 2, frame));
  std::vector<TColor> column;
  for (int y = 0; y < image.Height(); ++y) {
    const TColor pixel = image.Canvas()->Pixels(x, y);
    column.push_back(pixel == TColor(0xFF00FF) ? Form()->kivSkinEngine1->GetFormColor() : pixel);
  }
  return column;
}

// A dialog that makes a tab control of three tabs as it starts, as a dialog's own controls are
// made before it first becomes active.
INT_PTR CALLBACK MakeTabs(HWND dialog, UINT msg, WPARAM, LPARAM) {
  if (msg != WM_INITDIALOG)
    return FALSE;
  INITCOMMONCONTROLSEX init{sizeof init, ICC_TAB_CLASSES};
  InitCommonControlsEx(&init);
  const HWND tabs = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, 10, 10, 280,
                                    140, dialog, nullptr, nullptr, nullptr);
  for (const char* caption : {"General", "Video", "Audio"}) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(caption);
    SendMessageA(tabs, TCM_INSERTITEMA, SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0), LPARAM(&item));
  }
  return TRUE;
}

// A dialog's tab control gets the skin's tab strip: the selected tab in the selected-tab
// image, the others in theirs, also after the selection moves; and the page frame in the
// border colour.
TEST(SkinDialogs, ATabControlOfAPlainDialogDrawsItsTabStripInTheSkin) {
  struct {
    DLGTEMPLATE Template;
    WORD Menu, Class, Title;
  } dialog{{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 0, 0, 30, 30, 200, 100}, 0, 0, 0};
  const HWND window = CreateDialogIndirectA(nullptr, &dialog.Template, Form()->Handle(), MakeTabs);
  ASSERT_TRUE(window);
  const HWND tabs = GetTopWindow(window);
  ASSERT_TRUE(PumpUntil([window] { return IsSkinned(window); }));
  auto* skinned = static_cast<TkivSkinWindowWnd*>(Form()->kivSkinEngine1->FindSkinWindow(window));
  ASSERT_TRUE(skinned);
  ASSERT_TRUE(dynamic_cast<TkivSkinWndTabControl*>(skinned->SkinnerOf(tabs)));
  // A column of the left cap, left of any caption and clear of the cap's rounded border.
  constexpr int kCapColumn = 5;
  const std::vector<TColor> looks[] = {TabImageColumn(2, kCapColumn), TabImageColumn(1, kCapColumn)};
  const auto pixel = [tabs](int x, int y) {
    const HDC dc = GetDC(tabs);
    const TColor seen = TColor(GetPixel(dc, x, y));
    ReleaseDC(tabs, dc);
    return seen;
  };
  const auto tabPixel = [&](int tab) {
    RECT r{};
    SendMessageA(tabs, TCM_GETITEMRECT, tab, LPARAM(&r));
    return pixel(r.left + kCapColumn, (r.top + r.bottom) / 2);
  };
  const auto shows = [](const std::vector<TColor>& look, TColor seen) {
    return std::find(look.begin(), look.end(), seen) != look.end();
  };
  // The page frame's left edge: two pixels out of the display area.
  RECT page{};
  GetClientRect(tabs, &page);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&page));
  const TColor border = TColor(Form()->kivSkinEngine1->GetSkinInt("ControlBorderColor"));
  for (const int selected : {0, 2}) {
    SendMessageA(tabs, TCM_SETCURSEL, selected, 0);
    std::string seen;
    EXPECT_TRUE(PumpUntil([&] {
      // The dialog's own first paint in the skin may still come over the control.
      const TColor frame = pixel(page.left - 2, (page.top + page.bottom) / 2);
      seen = "frame " + std::to_string(frame) + ", tabs";
      bool all = frame == border;
      for (int tab = 0; tab < 3; ++tab) {
        const TColor at = tabPixel(tab);
        seen += " " + std::to_string(at);
        all = all && shows(looks[tab == selected], at);
      }
      return all;
    })) << "selected " << selected << ": " << seen;
  }
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const char* root = std::getenv("WINE_TEST_ROOT");
  const std::string picture = driver::WindowsPath(std::string(root ? root : "/tmp") + "/skinned-dialog-tabs.png");
  EXPECT_TRUE(driver::TakeScreenshot(picture));
  std::cout << "tabs: " << picture << "\n";
  DestroyWindow(window);
}

// Children of one plain window, and the skinner each gets.
TEST(SkinDialogs, ChildWindowsGetTheSkinnerOfTheirClassAndButtonType) {
  Form();
  const HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr,
                                      nullptr, nullptr, nullptr);
  ASSERT_TRUE(parent);
  INITCOMMONCONTROLSEX init{sizeof init, ICC_USEREX_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&init);
  enum Kind { kNone, kCombo, kButton, kCheck, kRadio, kTab, kToolBar };
  struct Case {
    const char* ClassName;
    DWORD Style;
    Kind Expected;
  };
  for (const Case& c : {
           Case{"BUTTON", BS_PUSHBUTTON, kButton},
           Case{"Button", BS_DEFPUSHBUTTON | WS_TABSTOP, kButton},
           Case{"BUTTON", BS_AUTOCHECKBOX, kCheck},
           Case{"BUTTON", BS_AUTO3STATE, kCheck},
           Case{"BUTTON", BS_AUTORADIOBUTTON, kRadio},
           Case{"BUTTON", BS_GROUPBOX, kNone},
           Case{"BUTTON", BS_OWNERDRAW, kNone},  // took the check-box skinner by bit tests
           Case{"COMBOBOX", CBS_DROPDOWNLIST, kCombo},
           Case{"COMBOBOX", CBS_SIMPLE, kNone},
           Case{"SysTabControl32", 0, kTab},
           Case{"ToolbarWindow32", 0, kToolBar},
           Case{"EDIT", 0, kNone},
       }) {
    const HWND child = CreateWindowExA(0, c.ClassName, "x", WS_CHILD | c.Style, 0, 0, 100, 24,
                                       parent, nullptr, nullptr, nullptr);
    ASSERT_TRUE(child) << c.ClassName;
    auto skinner = FindWndSkinner(child, Form()->kivSkinEngine1);
    TkivSkinControl* s = skinner.get();
    const Kind got = !s ? kNone
                     : dynamic_cast<TkivSkinWndRadioButton*>(s)     ? kRadio
                     : dynamic_cast<TkivSkinWndCheckBox*>(s)        ? kCheck
                     : dynamic_cast<TkivSkinWndButton*>(s)          ? kButton
                     : dynamic_cast<TkivSkinWndComboBox*>(s)        ? kCombo
                     : dynamic_cast<TkivSkinWndTabControl*>(s)      ? kTab
                     : dynamic_cast<TkivSkinWndToolbarWindow32*>(s) ? kToolBar
                                                                    : kNone;
    EXPECT_EQ(got, c.Expected) << c.ClassName << " " << std::hex << c.Style;
    skinner.reset();
    DestroyWindow(child);
  }
  const HWND ex = CreateWindowExA(0, WC_COMBOBOXEXA, "", WS_CHILD | CBS_DROPDOWN, 0, 0, 100, 200,
                                  parent, nullptr, nullptr, nullptr);
  ASSERT_TRUE(ex);
  auto inner = FindWndSkinner(ex, Form()->kivSkinEngine1);
  ASSERT_TRUE(inner);
  EXPECT_EQ(inner->GetHandle(), GetTopWindow(ex));
  inner.reset();
  DestroyWindow(parent);
}

}  // namespace
