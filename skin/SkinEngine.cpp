// The engine's life, its properties, the thread hook, the lookups and the system menu; the
// drawing of menus is in SkinMenus.cpp.
#include "skin/SkinEngine.h"

#include <algorithm>
#include <cstring>

#include "framework/SysUtils.h"
#include "skin/SkinDraw.h"
#include "skin/SkinFiles.h"
#include "skin/SkinForms.h"
#include "skin/SkinRegistration.h"
#include "skin/SkinWindowForm.h"
#include "skin/SkinWindowWnd.h"
#include "skin/SkinWndSkinners.h"
#include "skin/core/hook_rules.h"

namespace {

HHOOK gHook = nullptr;
HHOOK gMenuHook = nullptr;
TkivSkinEngine* gCurrentEngine = nullptr;

// Posted to an engine's own window when components were put on its form: they are whole by
// the time it arrives.
constexpr UINT kSkinInserted = WM_APP + 0x2AA;

// Every engine of the program outside design time: each skins the menus made on its form.
std::vector<TkivSkinEngine*>& Engines() {
  static std::vector<TkivSkinEngine*> engines;
  return engines;
}

// The decoded pixels into the bitmap, which keeps its own transparency settings.
void CopyPixels(TBitmap& from, TBitmap* to) {
  to->SetPixelFormat(pf24bit);
  to->SetSize(from.Width(), from.Height());
  const std::size_t rowBytes = std::size_t(from.Width()) * 3;
  for (int y = 0; y < from.Height(); ++y)
    std::memcpy(to->ScanLine(y), from.ScanLine(y), rowBytes);
}

// Items of the system menu, by position.
enum SystemMenuItem { kItemMinimize, kItemMaxRestore, kItemSeparator, kItemClose };

std::vector<std::string>& NoBorderList() {
  static std::vector<std::string> list;
  return list;
}

std::vector<std::string>& AutoSkinList() {
  static std::vector<std::string> list = {"TSelectDirDlg", "TForm"};
  return list;
}

std::string WindowClassName(HWND window) {
  char name[101] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

TMenuItem* NewMenuItem(TComponent* owner, const std::string& caption, TNotifyEvent onClick) {
  TMenuItem* item = New<TMenuItem>(owner);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  return item;
}

}  // namespace

TkivSkinEngine::TkivSkinEngine(TComponent* owner) : TComponent(owner) {
  if (!dynamic_cast<TCustomForm*>(owner))
    throw Exception("Must be placed on a Form");
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (owner->Components(i) != this && dynamic_cast<TkivSkinEngine*>(owner->Components(i)))
      throw Exception("One form can only catch one TkivSkinEngine!");
  RegisterStdControlSkinners();
  RegisterStdWndSkinners();
  FOwnReader.OnLoaded = [this](skin::TkivSkinReader&) { SkinChanged(); };
  FSystemMenu = New<TPopupMenu>(this);
  auto act = [this](void (TkivSkinWindow::*command)()) {
    return [this, command](TObject*) {
      if (FPopupWindow) (FPopupWindow->*command)();
    };
  };
  TMenuItem* items = FSystemMenu->Items();
  items->Add(NewMenuItem(this, FResSysMenuMin, act(&TkivSkinWindow::Minimize)));
  items->Add(NewMenuItem(this, FResSysMenuMax, act(&TkivSkinWindow::MaximizeRestore)));
  items->Add(NewMenuItem(this, "-", nullptr));
  items->Add(NewMenuItem(this, FResSysMenuClose, act(&TkivSkinWindow::Close)));
  FSystemMenu->OnPopup = Handler(this, &TkivSkinEngine::SystemMenuPopup);
  SkinMenu(FSystemMenu);
  if (ComponentState() & csDesigning)
    return;
  FInsertedWindow = AllocateHWnd([this](TMessage& m) {
    if (m.Msg == kSkinInserted) {
      SkinInsertedMenus();
      UpdateMenuHook();
    } else {
      m.Result = DefWindowProcA(FInsertedWindow, m.Msg, m.WParam, m.LParam);
    }
  });
  Engines().push_back(this);
  if (!gHook) {
    gHook = SetWindowsHookExA(WH_CBT, MessageHook, nullptr, GetCurrentThreadId());
    gCurrentEngine = this;
  }
}

TkivSkinEngine::~TkivSkinEngine() {
  Engines().erase(std::remove(Engines().begin(), Engines().end(), this), Engines().end());
  for (TComponent* c : FInserted)
    RemoveFreeNotification(c);
  FInserted.clear();
  UpdateMenuHook();
  DeallocateHWnd(FInsertedWindow);
  if (gCurrentEngine == this) {
    UnhookWindowsHookEx(gHook);
    gHook = nullptr;
    gCurrentEngine = nullptr;
  }
  while (!FWindows.empty())
    FWindows.back()->Free();  // each leaves the list
  if (FBackgroundBrush)
    DeleteObject(FBackgroundBrush);
}

TkivSkinEngine* TkivSkinEngine::Current() { return gCurrentEngine; }

// ------------------------------------------------------------------------------- properties

void TkivSkinEngine::SetActive(bool value) {
  FActive = value;
  if (!(ComponentState() & csDesigning))
    SetWindowsSkinned(value);
}

void TkivSkinEngine::SetWindowsSkinned(bool on) {
  for (TkivSkinWindow* window : std::vector<TkivSkinWindow*>(FWindows))
    window->SetSkinned(on);
}

void TkivSkinEngine::SetSkinFile(const std::string& name) {
  const std::string found = skin::FindSkinFile(name);
  if (found.empty())
    return;
  FSkinFile = found;
  bool loaded = false;
  try {
    loaded = FOwnReader.Load(found);
  } catch (const std::exception&) {
  }
  SkinLoaded(loaded);
}

void TkivSkinEngine::SetSkinData(const std::vector<std::uint8_t>& data) {
  SkinLoaded(skin::LoadSkinThroughTempFile(FOwnReader, data));
}

void TkivSkinEngine::SkinLoaded(bool loaded) {
  FReader = &FOwnReader;
  // The reader has no skin now: the windows get their platform frames back, as when the skin
  // is switched off, rather than keep the skinned frame's sizes with nothing drawn in it.
  if (!loaded && !(ComponentState() & csDesigning))
    SetWindowsSkinned(false);
}

void TkivSkinEngine::SetResSysMenuMin(const std::string& text) {
  FResSysMenuMin = text;
  FSystemMenu->Items()->Items(kItemMinimize)->SetCaption(text);
}

void TkivSkinEngine::SetResSysMenuMax(const std::string& text) {
  FResSysMenuMax = text;
  FSystemMenu->Items()->Items(kItemMaxRestore)->SetCaption(text);
}

void TkivSkinEngine::SetResSysMenuClose(const std::string& text) {
  FResSysMenuClose = text;
  FSystemMenu->Items()->Items(kItemClose)->SetCaption(text);
}

void TkivSkinEngine::SetBuiltIn(bool value) {
  if (!IsLoading() && !(ComponentState() & csDesigning))
    throw Exception("BuiltIn property only can be specified at design time!");
  if (value && !IsLoading() && !FileExists(FSkinFile))
    throw Exception("Please specify the SkinFile property first!");
  FBuiltIn = value;
}

void TkivSkinEngine::SetSkinAllForms(bool value) {
  FSkinAllForms = value;
  if (IsLoading() || (ComponentState() & csDesigning))
    return;
  if (value)
    SkinAllScreenForms();
  else
    UnskinOtherForms();
}

void TkivSkinEngine::Loaded() {
  TComponent::Loaded();
  if (!(ComponentState() & csDesigning))
    SkinWindow(OwnerForm()->Handle(), false);
}

void TkivSkinEngine::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (ComponentState() & csDesigning)
    return;
  if (op == opRemove) {
    // Whoever frees a component waiting here (its form among them, which tells itself of
    // none of the components it frees when it goes), the engine hears of it.
    const auto waiting = std::find(FInserted.begin(), FInserted.end(), c);
    if (waiting != FInserted.end()) {
      FInserted.erase(waiting);
      UpdateMenuHook();
    }
  }
  if (c->Owner() != Owner())
    return;
  if (op == opInsert) {
    if (!IsSkinActive() || IsDestroying())
      return;
    if (FInserted.empty())
      PostMessageA(FInsertedWindow, kSkinInserted, 0, 0);
    FInserted.push_back(c);
    c->FreeNotification(this);
    UpdateMenuHook();
    return;
  }
  // A menu that only leaves the form lives on in the platform's look; one that is being freed
  // needs nothing.
  if (auto* menu = dynamic_cast<TMenu*>(c); menu && !menu->IsDestroying())
    UnskinMenu(menu);
}

void TkivSkinEngine::SkinInsertedMenus() {
  const std::vector<TComponent*> inserted = std::move(FInserted);
  FInserted.clear();
  for (TComponent* c : inserted)
    RemoveFreeNotification(c);
  if (!IsSkinActive())
    return;  // the form's next skin switch skins the form's menus
  for (TComponent* c : inserted) {
    if (IsExemptTag(c->Tag()))
      continue;
    if (auto* menu = dynamic_cast<TMenu*>(c))
      SkinMenu(menu);
    else if (auto* item = dynamic_cast<TMenuItem*>(c))
      SkinMenuItems(item);
  }
}

// ------------------------------------------------------------------------- skinned windows

TkivSkinWindow* TkivSkinEngine::FindSkinWindow(HWND handle) const {
  for (TkivSkinWindow* window : FWindows)
    if (window->GetHandle() == handle)
      return window;
  return nullptr;
}

void TkivSkinEngine::SkinWindow(HWND handle, bool dialog) {
  if (FindSkinWindow(handle))
    return;
  // A framework form belongs to its form; a plain window (message box, standard dialog) is
  // freed when it is destroyed.
  TCustomForm* form = skin::FindFormByHandle(handle);
  TkivSkinWindow* window;
  if (form)
    window = new TkivSkinWindowVCL(form == OwnerForm() ? nullptr : form, this, dialog);
  else
    window = new TkivSkinWindowWnd(nullptr, this, dialog);
  FWindows.push_back(window);
  window->Start(handle);
}

void TkivSkinEngine::UnskinWindow(HWND handle) {
  TkivSkinWindow* window = FindSkinWindow(handle);
  if (!window)
    return;
  FUnskinning = true;
  try {
    window->Free();
  } catch (...) {
    FUnskinning = false;
    throw;
  }
  FUnskinning = false;
}

void TkivSkinEngine::RemoveWindow(TkivSkinWindow* window) {
  FWindows.erase(std::remove(FWindows.begin(), FWindows.end(), window), FWindows.end());
  if (FPopupWindow == window)
    FPopupWindow = nullptr;
}

void TkivSkinEngine::SkinAllScreenForms() {
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->Tag() == FDisabledTag)
      continue;
    if (SendMessageA(form->Handle(), KM_ISSKINNED, 0, 0) != 0)
      continue;
    SkinWindow(form->Handle(), false);
  }
}

void TkivSkinEngine::UnskinOtherForms() {
  const HWND own = OwnerForm()->Handle();
  for (TkivSkinWindow* window : std::vector<TkivSkinWindow*>(FWindows))
    if (window->GetHandle() != own)
      UnskinWindow(window->GetHandle());
}

// ------------------------------------------------------------------------------------ hook

LRESULT CALLBACK TkivSkinEngine::MessageHook(int code, WPARAM wParam, LPARAM lParam) {
  TkivSkinEngine* engine = gCurrentEngine;
  if (code > 0 && engine && engine->IsSkinActive()) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    try {
      if (code == HCBT_CREATEWND) {
        const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        if (!skin::SkinAllowsCreation(UpperCase(WindowClassName(window)), DWORD(create->style),
                                      create->dwExStyle))
          return 1;
      } else if (code == HCBT_ACTIVATE) {
        const bool skinned = SendMessageA(window, KM_ISSKINNED, 0, 0) != 0;
        switch (skin::SkinOnActivate(WindowClassName(window), skinned, engine->FSkinDialogs,
                                     AutoSkinList())) {
          case skin::ActivateSkin::AsDialog: engine->SkinWindow(window, true); break;
          case skin::ActivateSkin::AsForm: engine->SkinWindow(window, false); break;
          case skin::ActivateSkin::Nothing: break;
        }
      }
    } catch (...) {
      Application->HandleException(engine);
    }
  }
  return CallNextHookEx(gHook, code, wParam, lParam);
}

// A menu about to show (a popup, a drop-down of the menu bar, a submenu) first skins the
// menus and items made on the engines' forms since the program last waited for messages: it
// is measured and drawn only after this message.
LRESULT CALLBACK TkivSkinEngine::MenuHook(int code, WPARAM wParam, LPARAM lParam) {
  const bool menuShows =
      code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->message == WM_INITMENUPOPUP;
  if (menuShows) {
    for (TkivSkinEngine* engine : std::vector<TkivSkinEngine*>(Engines())) {
      try {
        engine->SkinInsertedMenus();
      } catch (...) {
        Application->HandleException(engine);
      }
    }
  }
  const LRESULT result = CallNextHookEx(gMenuHook, code, wParam, lParam);
  // Only the skinning above empties the engines' lists unseen: every other change looks itself.
  if (menuShows)
    UpdateMenuHook();
  return result;
}

// The hook sees every message sent in the thread, which costs the platform a round trip
// each: it is there only while an engine has components to look at.
void TkivSkinEngine::UpdateMenuHook() {
  const bool waiting = std::any_of(Engines().begin(), Engines().end(),
                                   [](const TkivSkinEngine* e) { return !e->FInserted.empty(); });
  if (waiting && !gMenuHook) {
    gMenuHook = SetWindowsHookExA(WH_CALLWNDPROC, MenuHook, nullptr, GetCurrentThreadId());
  } else if (!waiting && gMenuHook) {
    UnhookWindowsHookEx(gMenuHook);
    gMenuHook = nullptr;
  }
}

// --------------------------------------------------------------------------------- the skin

bool TkivSkinEngine::IsSkinActive() const {
  return FActive && Ready() && !(ComponentState() & csDesigning);
}

TBitmap* TkivSkinEngine::DecodedSkinBitmap(const std::string& name, int count, int index) const {
  if (count == 0 || index == 0)
    count = index = 0;
  std::unique_ptr<TBitmap>& decoded = FBitmaps[{name, count, index}];
  if (!decoded) {
    skin::Image image;
    if (!(count != 0 ? FReader->GetFrameBitmap(name, image, count, index) : FReader->GetBitmap(name, image)))
      return nullptr;
    decoded = std::make_unique<TBitmap>();
    skin::BitmapFromImage(image, decoded.get());
  }
  return decoded.get();
}

bool TkivSkinEngine::GetSkinBitmap(const std::string& name, TBitmap* bitmap, int count,
                                   int index) const {
  TBitmap* decoded = DecodedSkinBitmap(name, count, index);
  if (!decoded)
    return false;
  CopyPixels(*decoded, bitmap);
  return true;
}

std::int32_t TkivSkinEngine::GetSkinInt(const std::string& name) const {
  return FReader->GetInt(name);
}

bool TkivSkinEngine::GetSkinBool(const std::string& name) const { return FReader->GetBool(name); }

TColor TkivSkinEngine::GetMenuBarColor() const {
  return TColor(skin::MenuBarColorOf(GetSkinInt("MenuMenuBarColor"), GetSkinInt("ControlFontColor"),
                                     GetSkinInt("FormBackgroundColor")));
}

TColor TkivSkinEngine::GetTitleFontColor() const {
  return TColor(skin::TitleFontColorOf(GetSkinInt("TitleBarFontColor"), GetSkinInt("ControlFontColor")));
}

void TkivSkinEngine::SkinChanged() {
  ++FSkinGeneration;
  FBitmaps.clear();
  FMetrics = skin::ReadFrameMetrics(*FReader);
  auto border = std::make_unique<TBitmap>();
  if (GetSkinBitmap("FormLeftBorderImage", border.get())) {
    skin::RotateBitmap180(border.get());
    FRightBorder = std::move(border);
  } else {
    FRightBorder.reset();
  }
  FTitleFontColor = GetTitleFontColor();
  if (FBackgroundBrush)
    DeleteObject(FBackgroundBrush);
  FBackgroundBrush = CreateSolidBrush(ColorRef(GetFormColor()));
  FScrollCache.SetReader(FReader);
  FTabCache.SetReader(FReader);
  for (std::size_t i = 0; i < FWindows.size(); ++i) {
    TkivSkinWindow* window = FWindows[i];
    const bool visible = IsWindowVisible(window->GetHandle());
    window->SetSkinned(false);
    window->SetSkinned(true);
    if (visible) {
      ShowWindow(window->GetHandle(), SW_SHOW);
      if (i == 0)
        SetActiveWindow(window->GetHandle());
    }
  }
  if (OnSkinChanged)
    OnSkinChanged(this);
}

// ------------------------------------------------------------------------------ system menu

void TkivSkinEngine::PopupSystemMenu(TkivSkinWindow* window, int x, int y) {
  FPopupWindow = window;
  FSystemMenu->Popup(x, y);
}

void TkivSkinEngine::SystemMenuPopup(TObject*) {
  if (!FPopupWindow)
    return;
  TMenuItem* items = FSystemMenu->Items();
  items->Items(kItemMinimize)->SetEnabled(FPopupWindow->MinButtonShown());
  items->Items(kItemMaxRestore)->SetEnabled(FPopupWindow->MaxButtonShown());
  items->Items(kItemClose)->SetEnabled(FPopupWindow->CloseButtonShown());
}

// ------------------------------------------------------------------------- class name lists

void TkivSkinEngine::AddNoBorderClass(const std::string& className) {
  NoBorderList().push_back(className);
}

void TkivSkinEngine::AddAutoSkinClass(const std::string& className) {
  AutoSkinList().push_back(className);
}

const std::vector<std::string>& TkivSkinEngine::NoBorderClasses() { return NoBorderList(); }
const std::vector<std::string>& TkivSkinEngine::AutoSkinClasses() { return AutoSkinList(); }

TImageList* TkivSkinEngine::CheckMarkImages() {
  static TImageList* images = [] {
    auto* list = new TImageList(nullptr);
    TBitmap mark;
    try {
      mark.LoadFromResourceName(GetModuleHandleA(nullptr), "KIVSKIN_MENU_CHECKED");
      list->AddMasked(&mark, TColor(0xFFFFFF));
    } catch (const std::exception&) {
      // A program linked without the mark draws checked items without it.
    }
    return list;
  }();
  return images;
}

TImageList* TkivSkinEngine::EmptyImages() {
  static TImageList* images = new TImageList(nullptr);
  return images;
}
