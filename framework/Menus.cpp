#include "framework/Menus.h"

#include <algorithm>
#include <set>

#include "framework/Controls.h"
#include "framework/ImgList.h"

namespace {
WORD gNextCommand = 1;
// Owner-draw messages carry an item pointer; only live items of ours are trusted. (Never freed:
// menus may still go at the end of the program, after this unit's statics.)
std::set<TMenuItem*>& LiveItems() {
  static auto* items = new std::set<TMenuItem*>;
  return *items;
}

std::string KeyName(WORD key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, (char)key);
  if (key >= VK_F1 && key <= VK_F24) return "F" + IntToStr(key - VK_F1 + 1);
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
  }
  return std::string();
}
}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  TShortCut s = key & 0xFF;
  if (shift & ssShift) s |= scShift;
  if (shift & ssCtrl) s |= scCtrl;
  if (shift & ssAlt) s |= scAlt;
  return s;
}

std::string ShortCutToText(TShortCut s) {
  std::string name = KeyName(s & 0xFF);
  if (name.empty()) return name;
  std::string r;
  if (s & scShift) r += "Shift+";
  if (s & scCtrl) r += "Ctrl+";
  if (s & scAlt) r += "Alt+";
  return r + name;
}

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(gNextCommand++) {
  if (gNextCommand == 0) gNextCommand = 1;
  LiveItems().insert(this);
}

TMenuItem::~TMenuItem() {
  LiveItems().erase(this);
  while (!FItems.empty()) {
    TMenuItem* c = FItems.back();
    FItems.pop_back();
    c->FParent = nullptr;
    c->Free();
  }
  if (FParent) FParent->Remove(this);
  if (FHandle) DestroyMenu(FHandle);
}

int TMenuItem::IndexOf(TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->FParent) item->FParent->Remove(item);
  index = std::max(0, std::min(index, Count()));
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  Changed();
}

void TMenuItem::Delete(int index) {
  TMenuItem* item = FItems.at(index);
  Remove(item);
  item->Free();
}

void TMenuItem::Clear() {
  while (!FItems.empty()) Delete(Count() - 1);
}

TMenuItem* TMenuItem::Find(WORD command) {
  if (FParent && FCommand == command) return this;
  for (TMenuItem* c : FItems)
    if (TMenuItem* found = c->Find(command)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindSubmenu(HMENU menu) {
  if (FHandle && FHandle == menu) return this;
  for (TMenuItem* c : FItems)
    if (TMenuItem* found = c->FindSubmenu(menu)) return found;
  return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut s) {
  if (FParent && FShortCut == s && s) return this;
  for (TMenuItem* c : FItems)
    if (TMenuItem* found = c->FindShortCut(s)) return found;
  return nullptr;
}

TBitmap* TMenuItem::Bitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return FBitmap.get();
}

void TMenuItem::SetBitmap(TBitmap* bitmap) {
  Bitmap()->Assign(bitmap);
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

HMENU TMenuItem::Handle() {
  if (!FHandle) {
    FHandle = CreatePopupMenu();
    Fill(FHandle);
  }
  return FHandle;
}

void TMenuItem::Click() {
  if (FEnabled && OnClick) OnClick(this);
}

void TMenuItem::Changed() {
  TMenu* menu = GetParentMenu();
  if (!menu || !menu->FHandle || menu->IsDestroying()) return;
  if (menu->Owner() && menu->Owner()->IsDestroying()) return;
  menu->Rebuild();
}

void TMenuItem::Fill(HMENU hmenu) {
  while (GetMenuItemCount(hmenu) > 0) RemoveMenu(hmenu, 0, MF_BYPOSITION);
  TMenu* menu = GetParentMenu();
  bool ownerDraw = menu && menu->OwnerDraw();
  UINT position = 0;
  for (TMenuItem* c : FItems) {
    if (!c->FVisible) continue;
    std::string text = c->FCaption;
    if (c->FShortCut) text += "\t" + ShortCutToText(c->FShortCut);
    MENUITEMINFOA mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU;
    if (ownerDraw) {
      // Separators too: an owner-drawn menu decides their height and look.
      mi.fType = MFT_OWNERDRAW | (c->IsLine() ? MFT_SEPARATOR : 0);
    } else if (c->IsLine()) {
      mi.fType = MFT_SEPARATOR;
    } else {
      mi.fType = MFT_STRING;
      mi.fMask |= MIIM_STRING;
      mi.dwTypeData = &text[0];
      mi.cch = (UINT)text.size();
    }
    if (!ownerDraw && !c->IsLine()) c->PlainItemBitmap(mi);
    if (c->FRadioItem) mi.fType |= MFT_RADIOCHECK;
    mi.fState = (c->FChecked ? MFS_CHECKED : 0) | (c->FEnabled ? 0 : MFS_GRAYED) | (c->FDefault ? MFS_DEFAULT : 0);
    mi.wID = c->FCommand;
    mi.dwItemData = reinterpret_cast<ULONG_PTR>(c);
    if (!c->FItems.empty()) {
      if (!c->FHandle) c->FHandle = CreatePopupMenu();
      c->Fill(c->FHandle);
      mi.hSubMenu = c->FHandle;
    }
    InsertMenuItemA(hmenu, position++, TRUE, &mi);
  }
}

void TMenuItem::PlainItemBitmap(MENUITEMINFOA& mi) {
  TMenu* menu = GetParentMenu();
  TBitmap* picture = FBitmap && !FBitmap->Empty() ? FBitmap.get() : nullptr;
  if (!picture && FImageIndex >= 0 && menu && menu->Images() && FImageIndex < menu->Images()->Count()) {
    if (!FImageBitmap) FImageBitmap = std::make_unique<TBitmap>();
    menu->Images()->GetBitmap(FImageIndex, FImageBitmap.get());
    picture = FImageBitmap.get();
  }
  if (!picture) return;
  mi.fMask |= MIIM_BITMAP;
  mi.hbmpItem = picture->Handle();
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
  if (IsLine()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
  } else {
    std::string text = StripHotkey(FCaption);
    if (FShortCut) text += "    " + ShortCutToText(FShortCut);
    width = canvas->TextWidth(text) + 2 * GetSystemMetrics(SM_CXMENUCHECK);
    height = std::max(canvas->TextHeight("Wg") + 4, GetSystemMetrics(SM_CYMENU));
  }
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas* canvas, const TRect& rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
    return;
  }
  canvas->Brush()->SetColor(selected && !IsLine() ? clHighlight : clMenu);
  canvas->FillRect(rect);
  if (IsLine()) {
    int y = (rect.top + rect.bottom) / 2;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(rect.left + 2, y);
    canvas->LineTo(rect.right - 2, y);
    return;
  }
  canvas->Font()->SetColor(!FEnabled ? clGrayText : selected ? clHighlightText : clMenuText);
  canvas->Brush()->SetStyle(bsClear);
  int x = rect.left + GetSystemMetrics(SM_CXMENUCHECK);
  int y = rect.top + (rect.Height() - canvas->TextHeight("Wg")) / 2;
  canvas->TextOut(x, y, StripHotkey(FCaption));
  if (FShortCut) {
    std::string keys = ShortCutToText(FShortCut);
    canvas->TextOut(rect.right - canvas->TextWidth(keys) - GetSystemMetrics(SM_CXMENUCHECK), y, keys);
  }
}

bool DispatchMenuDrawMessage(TMessage& m) {
  if (m.Msg == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
    auto* item = reinterpret_cast<TMenuItem*>(mis->itemData);
    if (mis->CtlType != ODT_MENU || !LiveItems().count(item)) return false;
    HDC dc = GetDC(nullptr);
    TCanvas canvas;
    canvas.SetHandle(dc);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      canvas.Font()->SetHandle(CreateFontIndirectA(&metrics.lfMenuFont));
    int width = 0, height = 0;
    item->MeasureItem(&canvas, width, height);
    canvas.SetHandle(nullptr);
    ReleaseDC(nullptr, dc);
    mis->itemWidth = width;
    mis->itemHeight = height;
    m.Result = 1;
    return true;
  }
  if (m.Msg == WM_DRAWITEM) {
    auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
    auto* item = reinterpret_cast<TMenuItem*>(dis->itemData);
    if (dis->CtlType != ODT_MENU || !LiveItems().count(item)) return false;
    TCanvas canvas;
    canvas.SetHandle(dis->hDC);
    item->DrawItem(&canvas, dis->rcItem, (dis->itemState & ODS_SELECTED) != 0);
    canvas.SetHandle(nullptr);
    m.Result = 1;
    return true;
  }
  return false;
}

// ---------------------------------------------------------------- TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) { FItems->FMenu = this; }

TMenu::~TMenu() {
  Destroying();
  if (FHandle) {
    while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
    DestroyMenu(FHandle);
    FHandle = nullptr;
  }
  FItems->Free();
}

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle = CreateMenuHandle();
    FItems->Fill(FHandle);
  }
  return FHandle;
}

void TMenu::Rebuild() {
  if (!FHandle) return;
  FItems->Fill(FHandle);
  MenuChanged();
}

void TMenu::SetOwnerDraw(bool v) {
  if (v == FOwnerDraw) return;
  FOwnerDraw = v;
  Rebuild();
}

void TMenu::SetImages(TImageList* images) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = images;
  if (images) images->FreeNotification(this);
  Rebuild();
}

void TMenu::Notification(TComponent* c, TOperation op) {
  TComponent::Notification(c, op);
  if (op == opRemove && c == FImages) FImages = nullptr;
}

bool TMenu::DispatchCommand(WORD command) {
  TMenuItem* item = FItems->Find(command);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  TMenuItem* item = FItems->FindShortCut(ShortCut((WORD)msg.wParam, KeyDataToShiftState(msg.lParam)));
  if (!item || !item->Enabled()) return false;
  item->Click();
  return true;
}

void TMainMenu::MenuChanged() {
  if (!FWindow) return;
  DrawMenuBar(FWindow);
  SendMessageA(FWindow, CM_MENUCHANGED, 0, 0);
}

// ---------------------------------------------------------------- TPopupMenu

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TPopupMenu::~TPopupMenu() { DeallocateHWnd(FWindow); }

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  if (!FWindow) {
    FWindow = AllocateHWnd([this](TMessage& m) {
      if (m.Msg == WM_INITMENUPOPUP) {
        if (TMenuItem* item = Items()->FindSubmenu(reinterpret_cast<HMENU>(m.WParam))) item->Click();
      } else if (!DispatchMenuDrawMessage(m)) {
        m.Result = DefWindowProcA(FWindow, m.Msg, m.WParam, m.LParam);
      }
    });
  }
  UINT command = TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, FWindow, nullptr);
  if (command) DispatchCommand((WORD)command);
}
