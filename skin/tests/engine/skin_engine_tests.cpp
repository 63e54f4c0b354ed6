// The engine on real forms: the program's main form with a main menu and controls, and
// further forms that the engine skins by itself.
#include "skin/SkinEngine.h"

#include <gtest/gtest.h>

#include <functional>

#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/SkinWindowForm.h"
#include "skin/core/tests/skin_test_data.h"
#include "skin/tests/pump.h"
#include "skin/tests/skinned_form.h"

namespace {

constexpr int kTitle = 28, kBorder = 4;

// The offset of the client area within the window.
POINT ClientOffset(HWND window) {
  RECT frame;
  GetWindowRect(window, &frame);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - frame.left, origin.y - frame.top};
}

// A main form as the programs build theirs: the engine first, with the built-in skin.
class TTestMainForm : public TSkinnedTestForm {
public:
  explicit TTestMainForm(TComponent* owner)
      : TSkinnedTestForm(owner, 40, 40, 420, 320, "Skinned main form") {
    mnuMain = new TMainMenu(this);
    for (const char* caption : {"&File", "&Help"}) {
      TMenuItem* item = new TMenuItem(this);
      item->SetCaption(caption);
      mnuMain->Items()->Add(item);
    }
    mniOpen = new TMenuItem(this);
    mniOpen->SetCaption("&Open");
    mniOpen->SetShortCut(ShortCut('O', ssCtrl));
    mniOpen->OnClick = [this](TObject*) { ++FOpened; };
    mnuMain->Items()->Items(0)->Add(mniOpen);
    mniExit = new TMenuItem(this);
    mniExit->SetCaption("E&xit");
    mniExit->SetShortCut(ShortCut('X', ssAlt));
    mniExit->OnClick = [this](TObject*) { ++FExited; };
    mnuMain->Items()->Items(0)->Add(mniExit);
    mnuMain->Items()->Items(1)->OnClick = [this](TObject*) { ++FHelped; };
    SetMenu(mnuMain);
    btnTop = new TButton(this);
    btnTop->SetParent(this);
    btnTop->SetBounds(10, 10, 80, 24);
    memStretch = new TMemo(this);
    memStretch->SetParent(this);
    memStretch->SetBounds(100, 10, 100, 200);
    memStretch->SetAnchors(akLeft | akTop | akBottom);
    panBottom = new TPanel(this);
    panBottom->SetParent(this);
    panBottom->SetBounds(210, 200, 100, 30);
    panBottom->SetAnchors(akLeft | akBottom);
  }
  TMainMenu* mnuMain;
  TMenuItem* mniOpen;
  TMenuItem* mniExit;
  TButton* btnTop;
  TMemo* memStretch;
  TPanel* panBottom;
  int FOpened = 0, FExited = 0, FHelped = 0;
};

// The one main form of the test program, made when first needed and shown by the first
// test that wants it shown.
TTestMainForm* MainForm() {
  static TTestMainForm* form = nullptr;
  if (!form)
    Application->CreateForm(form);
  return form;
}

void ShowMainForm() {
  MainForm()->Show();
  ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(MainForm()->Handle()) != 0; }));
}

// Closes a drop-down menu of this thread once it shows, counting it.
int gMenusClosed = 0;
void CALLBACK CloseShownMenu(HWND, UINT, UINT_PTR, DWORD) {
  const HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu)) {
    ++gMenusClosed;
    EndMenu();
  }
}

TkivSkinWindowVCL* SkinWindowOf(TCustomForm* form) {
  return static_cast<TkivSkinWindowVCL*>(MainForm()->kivSkinEngine1->FindSkinWindow(form->Handle()));
}

// Runs check while a popup menu of this thread is open, then closes it.
std::function<void()> gMenuCheck;

void CALLBACK CheckOpenMenu(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gMenuCheck();
  EndMenu();
}

void WhileMenuIsOpen(const std::function<void()>& open, std::function<void()> check) {
  gMenuCheck = std::move(check);
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, CheckOpenMenu);
  open();
  KillTimer(nullptr, timer);
}

TEST(SkinEngine, SkinsTheOtherFormsAtTheMainFormsFirstShowButNotOneTagged9999) {
  ASSERT_FALSE(IsWindowVisible(MainForm()->Handle())) << "this test must run first";
  TForm* other = New<TForm>(Application);
  TForm* tagged = New<TForm>(Application);
  tagged->SetTag(9999);
  other->HandleNeeded();
  tagged->HandleNeeded();
  EXPECT_FALSE(IsSkinned(other->Handle()));
  ShowMainForm();
  EXPECT_TRUE(IsSkinned(MainForm()->Handle()));
  EXPECT_TRUE(IsSkinned(other->Handle()));
  EXPECT_FALSE(IsSkinned(tagged->Handle()));
  other->Free();
  tagged->Free();
  EXPECT_EQ(MainForm()->kivSkinEngine1->SkinWindowCount(), 1);  // the freed form's went with it
}

TEST(SkinEngine, ASkinnedWindowAnswersTheEnginesMessages) {
  ShowMainForm();
  const HWND window = MainForm()->Handle();
  EXPECT_EQ(SendMessageA(window, KM_ISSKINNED, 0, 0), 1);
  SetActiveWindow(window);
  ASSERT_TRUE(PumpUntil([&] { return SendMessageA(window, KM_ISACTIVE, 0, 0) == 1; }));
  TForm* other = New<TForm>(Application);
  other->Show();  // the hook skins a plain form when it is activated
  ASSERT_TRUE(PumpUntil([&] { return IsSkinned(other->Handle()); }));
  SetActiveWindow(other->Handle());
  EXPECT_TRUE(PumpUntil([&] { return SendMessageA(window, KM_ISACTIVE, 0, 0) == 2; }));
  EXPECT_EQ(SendMessageA(window, KM_MENUBARHEIGHT, 0, 0), SkinWindowOf(MainForm())->MenuBar()->Height());
  other->Free();
}

TEST(SkinEngine, ActiveOffGivesThePlatformFrameBackAndOnSkinsAgain) {
  ShowMainForm();
  TTestMainForm* form = MainForm();
  const HWND window = form->Handle();
  const auto skinnedLooks = [&] {
    const POINT offset = ClientOffset(window);
    EXPECT_EQ(offset.x, kBorder);
    EXPECT_EQ(offset.y, kTitle);
    EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(GetMenu(window), nullptr);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
  };
  skinnedLooks();
  const int clientHeight = form->ClientHeight();
  form->kivSkinEngine1->SetActive(false);
  EXPECT_FALSE(IsSkinned(window));
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU);
  EXPECT_EQ(GetMenu(window), form->mnuMain->Handle());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
  EXPECT_NE(ClientOffset(window).y, kTitle);
  form->kivSkinEngine1->SetActive(true);
  EXPECT_TRUE(IsSkinned(window));
  skinnedLooks();
  EXPECT_EQ(form->ClientHeight(), clientHeight);
}

TEST(SkinEngine, AMainMenuBecomesABarThatMovesTheControlsAndKeepsItsShortcuts) {
  ShowMainForm();
  TTestMainForm* form = MainForm();
  TkivSkinMenuBar* bar = SkinWindowOf(form)->MenuBar();
  ASSERT_TRUE(bar->Visible());
  ASSERT_EQ(bar->ButtonCount(), 2);
  EXPECT_EQ(bar->Buttons(0)->Caption(), "&File");
  EXPECT_EQ(bar->Buttons(1)->Caption(), "&Help");
  EXPECT_EQ(bar->Buttons(0)->MenuItem(), form->mnuMain->Items()->Items(0));
  const int h = bar->Height();
  ASSERT_GT(h, 0);
  EXPECT_EQ(bar->Top(), 0);
  EXPECT_EQ(form->btnTop->Top(), 10 + h);
  EXPECT_EQ(form->memStretch->Top(), 10 + h);
  EXPECT_EQ(form->memStretch->Height(), 200);  // shorter by the bar, longer with the form
  EXPECT_EQ(form->panBottom->Top(), 200 + h);  // as far from the bottom as before

  form->kivSkinEngine1->SetActive(false);
  EXPECT_FALSE(bar->Visible());
  EXPECT_EQ(form->btnTop->Top(), 10);
  EXPECT_EQ(form->memStretch->Top(), 10);
  EXPECT_EQ(form->memStretch->Height(), 200);
  form->kivSkinEngine1->SetActive(true);
  EXPECT_EQ(form->btnTop->Top(), 10 + h);

  // The hidden menu's shortcuts and the bar's Alt letters work while the form is active: a
  // top-level item with a submenu drops it down (closed again here once it shows), one
  // without is clicked.
  SetActiveWindow(form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return form->Active(); }));
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, CloseShownMenu);
  constexpr LPARAM kAlt = 1 | (1 << 29);
  const struct {
    const char* keys;
    UINT message;
    WPARAM key;
    LPARAM data;
    BYTE control;
    const int& count;
  } cases[] = {
      {"Ctrl+O", WM_KEYDOWN, 'O', 1, 0x80, form->FOpened},
      {"Alt+X", WM_SYSKEYDOWN, 'X', kAlt, 0, form->FExited},
      {"Alt+F", WM_SYSCHAR, 'f', kAlt, 0, gMenusClosed},
      {"Alt+H", WM_SYSCHAR, 'H', kAlt, 0, form->FHelped},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keys);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = c.control;
    SetKeyboardState(keys);
    const int before = c.count;
    PostMessageA(form->btnTop->Handle(), c.message, c.key, c.data);
    EXPECT_TRUE(PumpUntil([&] { return c.count == before + 1; }));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
  }
  KillTimer(nullptr, timer);
}

TEST(SkinEngine, ASkinnedFormKeepsTheSkinsMinimumSizeAndItsOwnLargerOne) {
  ShowMainForm();
  TTestMainForm* form = MainForm();
  const TRect before = form->BoundsRect();
  form->SetBounds(before.left, before.top, 50, 20);
  EXPECT_EQ(form->Width(), 200);
  EXPECT_EQ(form->Height(), 66);
  form->SetBoundsRect(before);

  TForm* own = New<TForm>(Application);
  own->Constraints()->SetMinWidth(300);
  own->Constraints()->SetMinHeight(40);
  own->Show();
  ASSERT_TRUE(PumpUntil([&] { return IsSkinned(own->Handle()); }));
  own->SetBounds(0, 0, 50, 20);
  EXPECT_EQ(own->Width(), 300);
  EXPECT_EQ(own->Height(), 66);
  MainForm()->kivSkinEngine1->UnskinWindow(own->Handle());
  EXPECT_EQ(own->Constraints()->MinWidth(), 300);  // its own limits, given back
  EXPECT_EQ(own->Constraints()->MinHeight(), 40);
  own->Free();
}

TEST(SkinEngine, TheSystemMenuOfADialogFormHasMaximizeDisabled) {
  ShowMainForm();
  TForm* dialog = New<TForm>(Application);
  dialog->SetBorderStyle(bsDialog);
  dialog->Show();
  ASSERT_TRUE(PumpUntil([&] { return IsSkinned(dialog->Handle()); }));
  SendMessageA(dialog->Handle(), WM_NCPAINT, 1, 0);  // the title shows its buttons
  TkivSkinEngine* engine = MainForm()->kivSkinEngine1;
  TkivSkinWindow* window = engine->FindSkinWindow(dialog->Handle());
  UINT maxState = 0, closeState = 0;
  std::string maxText;
  WhileMenuIsOpen([&] { window->PopupSystemMenuAt(10, 10); }, [&] {
    HMENU menu = engine->SystemMenu()->Handle();
    maxState = GetMenuState(menu, 1, MF_BYPOSITION);
    closeState = GetMenuState(menu, 3, MF_BYPOSITION);
    maxText = engine->SystemMenu()->Items()->Items(1)->Caption();
  });
  EXPECT_EQ(maxText, "Ma&ximize/Restore");
  EXPECT_TRUE(maxState & MF_GRAYED);
  EXPECT_FALSE(closeState & MF_GRAYED);
  dialog->Free();
}

TEST(SkinEngine, PopupMenuItemsAreMeasuredByTheSkin) {
  ShowMainForm();
  TForm* form = New<TForm>(Application);
  TPopupMenu* popup = new TPopupMenu(form);
  for (const char* caption : {"&First", "-", "&Second"}) {
    TMenuItem* item = new TMenuItem(form);
    item->SetCaption(caption);
    popup->Items()->Add(item);
  }
  form->Show();  // skinned with its menus as it is activated
  ASSERT_TRUE(PumpUntil([&] { return IsSkinned(form->Handle()); }));
  ASSERT_TRUE(popup->OwnerDraw());
  int heights[3] = {};
  WhileMenuIsOpen([&] { popup->Popup(20, 20); }, [&] {
    for (int i = 0; i < 3; ++i) {
      RECT r{};
      GetMenuItemRect(nullptr, popup->Handle(), i, &r);
      heights[i] = r.bottom - r.top;
    }
  });
  EXPECT_EQ(heights[0], 21);
  EXPECT_EQ(heights[1], 5);
  EXPECT_EQ(heights[2], 21);
  form->Free();
}

TEST(SkinEngine, ASizeGripScrollBarIsRefusedUnlessItsExtendedStyleIs4) {
  ShowMainForm();
  for (const auto& [exStyle, created] : {std::pair{DWORD(0), false}, {DWORD(WS_EX_NOPARENTNOTIFY), true},
                                         {DWORD(WS_EX_NOPARENTNOTIFY | WS_EX_CLIENTEDGE), false}}) {
    HWND grip = CreateWindowExA(exStyle, "SCROLLBAR", "", WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16,
                                MainForm()->Handle(), nullptr, nullptr, nullptr);
    EXPECT_EQ(grip != nullptr, created) << std::hex << exStyle;
    if (grip)
      DestroyWindow(grip);
  }
}

TEST(SkinEngine, ASecondEngineOnOneFormAndOneOffAFormAreRefused) {
  try {
    new TkivSkinEngine(MainForm());
    FAIL() << "a second engine was made";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "One form can only catch one TkivSkinEngine!");
  }
  try {
    new TkivSkinEngine(Application);
    FAIL() << "an engine was made off a form";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Must be placed on a Form");
  }
  EXPECT_EQ(TkivSkinEngine::Current(), MainForm()->kivSkinEngine1);
}

}  // namespace

namespace {

// The colour of a bitmap's pixel, from its 24-bit rows.
COLORREF PixelOf(TBitmap& bitmap, int x, int y) {
  const BYTE* pixel = static_cast<const BYTE*>(bitmap.ScanLine(y)) + 3 * x;
  return RGB(pixel[2], pixel[1], pixel[0]);
}

TEST(SkinEngine, SkinBitmapsAreThoseOfTheSkinLoadedLast) {
  TForm* form = New<TForm>(Application);
  auto* engine = new TkivSkinEngine(form);
  for (const COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
    SCOPED_TRACE(colour);
    skin::Image face(6, 2, colour);
    face.SetPixel(5, 1, RGB(0, 255, 0));  // in the last of three frames
    engine->SetSkinData(skin::test::BuildContainer({{"Face", 0, skin::test::BmpFile(face, 24)}}).Data);
    for (int read = 0; read < 2; ++read) {  // as decoded, then as kept
      TBitmap whole, last;
      ASSERT_TRUE(engine->GetSkinBitmap("Face", &whole));
      ASSERT_TRUE(engine->GetSkinBitmap("Face", &last, 3, 3));
      EXPECT_EQ(whole.Width(), 6);
      EXPECT_EQ(PixelOf(whole, 0, 0), colour);
      EXPECT_EQ(last.Width(), 2);
      EXPECT_EQ(PixelOf(last, 1, 1), RGB(0, 255, 0));
    }
    TBitmap untouched;
    untouched.SetSize(1, 1);
    EXPECT_FALSE(engine->GetSkinBitmap("Missing", &untouched));
    EXPECT_EQ(untouched.Width(), 1);
  }
  form->Free();
}

}  // namespace
