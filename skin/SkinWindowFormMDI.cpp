// The MDI parts of a skinned form. A child tells the main form when it becomes active (and
// which menu it has) and when it is maximised or restored; the parent shows that child's menu
// in its bar, three buttons for a maximised child at the bar's right end, its own list of the
// children in the window menu, and arranges the children in its own way after the platform's
// cascade and tile.
#include <algorithm>

#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinForms.h"
#include "skin/SkinWindowForm.h"
#include "skin/core/mdi_layout.h"

namespace {

const char kClientProperty[] = "KivSkinMDIClient";
// Posted to the client for a child just made: it is skinned once its form has built it.
constexpr UINT kSkinNewChild = WM_APP + 0x2AA;
constexpr int kButtonSize = 18;
// The buttons' tags, close first, as the button order.
constexpr int kCloseTag = -1381, kRestoreTag = -1382, kMinimizeTag = -1383;

}  // namespace

// ----------------------------------------------------------------------- control button

TkivSkinMenuBarControlButton::TkivSkinMenuBarControlButton(TComponent* owner) : TCustomPanel(owner) {
  SetBounds(0, 0, kButtonSize, kButtonSize);
  SetBevelOuter(bvNone);
}

void TkivSkinMenuBarControlButton::SetGlyph(TBitmap* glyph) {
  FGlyph->Assign(glyph);
  Invalidate();
}

void TkivSkinMenuBarControlButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      FHover = m.Msg == CM_MOUSEENTER;
      Invalidate();
      break;
    case WM_ERASEBKGND:
      m.Result = 1;
      return;
  }
  TCustomPanel::WndProc(m);
}

void TkivSkinMenuBarControlButton::Paint() {
  TBitmap face;
  face.SetSize(Width(), Height());
  TCanvas* canvas = face.Canvas();
  skin::FillRectColor(canvas, TRect(0, 0, Width(), Height()), Color());
  if (!FGlyph->Empty()) {
    if (FHover)
      skin::FrameRectColor(canvas, TRect(0, 0, Width(), Height()), clBlack);
    FGlyph->SetTransparent(true);
    FGlyph->SetTransparentColor(TColor(skin::kTransparentColor));
    canvas->Draw(1, 1, FGlyph.get());
  }
  Canvas()->Draw(0, 0, &face);
}

// ------------------------------------------------------------------------------ parent

void TkivSkinWindowVCL::AttachMDIParent() {
  TBitmap strip;
  try {
    strip.LoadFromResourceName(GetModuleHandleA(nullptr), "KIVSKIN_MDI_CONTROLER");
  } catch (const std::exception&) {
    // A program linked without the glyphs shows empty buttons.
  }
  for (int i = 0; i < 3; ++i) {
    auto* button = new TkivSkinMenuBarControlButton(nullptr);
    button->SetVisible(false);
    button->SetParent(FForm);
    button->SetAnchors(akTop | akRight);
    if (!strip.Empty()) {
      TBitmap glyph;
      skin::ExtractFrameBitmap(&strip, &glyph, 3, 3 - i);  // the strip holds minimise, restore, close
      button->SetGlyph(&glyph);
    }
    button->SetTag(kCloseTag - i);
    button->OnClick = Handler(this, &TkivSkinWindowVCL::MDIButtonClick);
    FMDIButtons[i] = button;
  }
  const HWND client = FForm->ClientHandle();
  SetPropA(client, kClientProperty, this);
  FOldClientProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(client, GWLP_WNDPROC));
  SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MDIClientProc));
}

void TkivSkinWindowVCL::DetachMDIParent() {
  if (const HWND client = FForm->ClientHandle()) {
    SetWindowLongPtrA(client, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldClientProc));
    RemovePropA(client, kClientProperty);
  }
  if (!FForm->IsDestroying())
    for (auto*& button : FMDIButtons) {
      button->Free();
      button = nullptr;
    }
  if (FPlatformWindowList)
    DestroyMenu(FPlatformWindowList);
  FPlatformWindowList = nullptr;
}

void TkivSkinWindowVCL::SkinMDIOn() {
  if (IsMDIChild()) {
    // A child skinned after it was activated tells the parent now; the others learn which
    // child is the active one.
    TCustomForm* main = Application->MainForm();
    const HWND active = main ? reinterpret_cast<HWND>(SendMessageA(main->ClientHandle(), WM_MDIGETACTIVE, 0, 0)) : nullptr;
    for (int i = 0; main && i < main->MDIChildCount(); ++i)
      if (auto* child = dynamic_cast<TkivSkinWindowVCL*>(FEngine->FindSkinWindow(main->MDIChildren(i)->Handle())))
        child->ChildActivated(active);
    return;
  }
  if (!IsMDIParent())
    return;
  // The platform would list the children in the window menu too: it lists them out of sight.
  if (!FPlatformWindowList)
    FPlatformWindowList = CreatePopupMenu();
  SendMessageA(FForm->ClientHandle(), WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(FPlatformWindowList));
  UpdateMDIButtons();
}

void TkivSkinWindowVCL::SkinMDIOff() {
  if (!IsMDIParent())
    return;
  FreeWindowList();
  for (auto* button : FMDIButtons)
    button->SetVisible(false);
  if (TMenuItem* windowMenu = FForm->WindowMenu())
    SendMessageA(FForm->ClientHandle(), WM_MDISETMENU, 0, reinterpret_cast<LPARAM>(windowMenu->Handle()));
}

void TkivSkinWindowVCL::MDIPostHook(TMessage& m) {
  switch (m.Msg) {
    case WM_MDIACTIVATE:
      if (IsMDIChild())
        ChildActivated(reinterpret_cast<HWND>(m.LParam));
      break;
    case WM_MDIREFRESHMENU:
      PaintFrame();
      break;
    case WM_MDIMAXIMIZE:
    case WM_MDIRESTORE:
      if (IsMDIParent())
        UpdateMDIButtons();
      break;
    case KM_MDICHILDMENU:
      if (!IsMDIParent())
        break;
      if (FChildMenu)
        FChildMenu->RemoveFreeNotification(this);
      FChildMenu = reinterpret_cast<TMainMenu*>(m.LParam);
      if (FChildMenu)
        FChildMenu->FreeNotification(this);
      UpdateMenuBar(false);
      break;
  }
}

void TkivSkinWindowVCL::ChildActivated(HWND active) {
  const bool isActive = active == FForm->Handle();
  if (isActive && Application->MainForm())
    SendMessageA(Application->MainForm()->Handle(), KM_MDICHILDMENU, reinterpret_cast<WPARAM>(FForm),
                 reinterpret_cast<LPARAM>(FOwnMenu));
  SetActiveLook(isActive);
  PaintFrame();
}

void TkivSkinWindowVCL::ChildSized(WPARAM kind) {
  TCustomForm* main = Application->MainForm();
  if (!main)
    return;
  // Once per maximising; leaving it (restored or minimised) realigns the controls.
  if (kind == SIZE_MAXIMIZED) {
    if (!FMaximizeSent)
      SendMessageA(main->Handle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(FForm->Handle()), 0);
    FMaximizeSent = true;
  } else if (FMaximizeSent) {
    FMaximizeSent = false;
    FForm->Realign();
    SendMessageA(main->Handle(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(FForm->Handle()), 0);
  }
}

void TkivSkinWindowVCL::UpdateMDIButtons() {
  // Whichever child sent the news, the active one decides: a maximised child that is
  // restored may come after the next one was maximised.
  TCustomForm* child = FForm->ActiveMDIChild();
  const bool maximized = Skinned() && child && child->WindowState() == wsMaximized;
  const TBorderIcons icons = child ? child->BorderIcons() : 0;
  const bool wanted[3] = {(icons & biSystemMenu) != 0, (icons & biMaximize) != 0, (icons & biMinimize) != 0};
  const int top = std::max(0, (MenuBarHeight() - kButtonSize) / 2);
  for (int i = 0; i < 3; ++i) {
    TkivSkinMenuBarControlButton* button = FMDIButtons[i];
    button->SetBounds(FForm->ClientWidth() - 2 - kButtonSize * (i + 1), top, kButtonSize, kButtonSize);
    button->SetColor(FForm->Color());  // what the bar shows behind its buttons
    button->SetVisible(maximized && wanted[i]);
    if (button->Visible())
      button->BringToFront();
  }
}

void TkivSkinWindowVCL::MDIButtonClick(TObject* sender) {
  TCustomForm* child = FForm->ActiveMDIChild();
  if (!child)
    return;
  switch (static_cast<TControl*>(sender)->Tag()) {
    case kMinimizeTag: child->SetWindowState(wsMinimized); break;
    case kRestoreTag: child->SetWindowState(wsNormal); break;
    case kCloseTag: child->Close(); break;
  }
  Application->ProcessMessages();
}

// ------------------------------------------------------------------------- window list

void TkivSkinWindowVCL::FreeWindowList() {
  for (int i = ComponentCount() - 1; i >= 0; --i)
    if (auto* item = dynamic_cast<TMenuItem*>(Components(i)))
      item->Free();
}

void TkivSkinWindowVCL::RefreshWindowList() {
  TMenuItem* windowMenu = FForm->WindowMenu();
  if (!windowMenu || !FOwnMenu || FShownMenu != FOwnMenu)
    return;
  FreeWindowList();
  std::vector<TMenuItem*> items = {New<TMenuItem>(this)};
  items.back()->SetCaption("-");
  for (int i = FForm->MDIChildCount() - 1; i >= 0; --i) {
    TCustomForm* child = FForm->MDIChildren(i);
    if (child->IsDestroying())
      continue;
    TMenuItem* item = New<TMenuItem>(this);
    item->SetCaption(child->Caption());
    // By its window: the child may be gone when the item is clicked.
    item->OnClick = [handle = child->Handle()](TObject*) {
      TCustomForm* form = skin::FindFormByHandle(handle);
      if (!form)
        return;
      if (form->WindowState() == wsMinimized)
        form->SetWindowState(wsNormal);
      form->Show();
    };
    items.push_back(item);
  }
  for (TMenuItem* item : items) {
    skin::SetMenuItemsOwnerDraw(item, Handler(FEngine, &TkivSkinEngine::MeasureMenuItem),
                                Handler(FEngine, &TkivSkinEngine::DrawMenuItem));
    windowMenu->Add(item);
  }
}

// ----------------------------------------------------------------------------- client

LRESULT CALLBACK TkivSkinWindowVCL::MDIClientProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* window = static_cast<TkivSkinWindowVCL*>(GetPropA(wnd, kClientProperty));
  if (!window)
    return DefWindowProcA(wnd, msg, wParam, lParam);
  const LRESULT result = CallWindowProcA(window->FOldClientProc, wnd, msg, wParam, lParam);
  try {
    if (window->FEngine->IsSkinActive())
      window->ClientPostHook(msg, wParam, lParam);
  } catch (...) {
    Application->HandleException(window);
  }
  return result;
}

void TkivSkinWindowVCL::ClientPostHook(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PARENTNOTIFY:
      if (LOWORD(wParam) == WM_CREATE)
        PostMessageA(FForm->ClientHandle(), kSkinNewChild, 0, lParam);
      break;
    case kSkinNewChild: {
      // As further forms are skinned when first activated (a child is never activated as a
      // window is).
      const HWND child = reinterpret_cast<HWND>(lParam);
      TCustomForm* form = skin::FindFormByHandle(child);
      if (form && FEngine->SkinAllForms() && form->Tag() != FEngine->DisabledTag() &&
          SendMessageA(child, KM_ISSKINNED, 0, 0) == 0)
        FEngine->SkinWindow(child, false);
      break;
    }
    case WM_MDICASCADE:
      CascadeChildren();
      break;
    case WM_MDITILE:
      TileChildren((wParam & MDITILE_HORIZONTAL) != 0);
      break;
    case WM_MDIDESTROY:
      if (FForm->MDIChildCount() == 0)   // the last one went: the bar shows the own menu again
        SendMessageA(FForm->Handle(), KM_MDICHILDMENU, reinterpret_cast<WPARAM>(FForm), 0);
      UpdateMDIButtons();
      break;
  }
}

namespace {

// The children that are not minimised, from the last one.
std::vector<TCustomForm*> ArrangedChildren(TCustomForm* form) {
  std::vector<TCustomForm*> children;
  for (int i = form->MDIChildCount() - 1; i >= 0; --i)
    if (form->MDIChildren(i)->WindowState() != wsMinimized)
      children.push_back(form->MDIChildren(i));
  return children;
}

void PlaceChildren(const std::vector<TCustomForm*>& children, const std::vector<skin::Rect>& rects) {
  for (std::size_t i = 0; i < children.size() && i < rects.size(); ++i)
    skin::SetControlBounds(children[i], TRect(rects[i].Left, rects[i].Top, rects[i].Right, rects[i].Bottom));
}

}  // namespace

void TkivSkinWindowVCL::CascadeChildren() {
  const std::vector<TCustomForm*> children = ArrangedChildren(FForm);
  PlaceChildren(children, skin::CascadeRects(int(children.size()), FForm->ClientWidth(), FForm->ClientHeight()));
}

void TkivSkinWindowVCL::TileChildren(bool horizontal) {
  const std::vector<TCustomForm*> children = ArrangedChildren(FForm);
  skin::TileInput in;
  in.Count = int(children.size());
  in.SomeMinimized = int(children.size()) < FForm->MDIChildCount();
  in.ClientWidth = FForm->ClientWidth();
  in.ClientHeight = FForm->ClientHeight();
  for (int i = 0; i < FForm->ControlCount(); ++i) {
    TControl* control = FForm->Controls(i);
    if (control->Visible() && (control->Align() == alTop || control->Align() == alBottom))
      in.ClientHeight -= control->Height();
  }
  in.Horizontal = horizontal;
  PlaceChildren(children, skin::TileRects(in));
}
