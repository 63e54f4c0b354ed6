#include "skin/SkinWindowForm.h"

#include <algorithm>

#include "framework/Menus.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinForms.h"
#include "skin/SkinPlatform.h"

namespace {

constexpr UINT kRecomputeFrame = 0x37;  // as SetHasTitle does
// Where the bar goes before the form aligns it: above every other top-aligned control.
constexpr int kMenuBarTop = -100;

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

}  // namespace

void TkivSkinMenuBar::WndProc(TMessage& m) {
  constexpr LPARAM kAltHeld = 1 << 29;  // in the key data of a character message
  if (m.Msg == CM_DIALOGCHAR && (m.LParam & kAltHeld) && Visible() && Enabled()) {
    for (int i = 0; i < ButtonCount(); ++i) {
      TToolButton* button = Buttons(i);
      if (button->Visible() && button->Enabled() && IsAccel(char(m.WParam), button->Caption())) {
        m.Result = 1;
        button->Click();
        return;
      }
    }
  }
  TToolBar::WndProc(m);
}

HWND TkivSkinWindowVCL::GetHandle() const { return FForm ? FForm->Handle() : nullptr; }

void TkivSkinWindowVCL::CallOldProc(TMessage& m) { FSavedWindowProc(m); }

bool TkivSkinWindowVCL::HasFrame() const {
  return !FForm->Parent() && FForm->BorderStyle() != bsNone;
}

int TkivSkinWindowVCL::MenuBarHeight() const {
  return FMenuBar && FMenuBar->Visible() ? FMenuBar->Height() : 0;
}

HICON TkivSkinWindowVCL::GetIcon() const { return FForm->Icon()->Handle(); }
bool TkivSkinWindowVCL::HasHelpButton() const { return (FForm->BorderIcons() & biHelp) != 0; }
bool TkivSkinWindowVCL::IsMDIParent() const { return FForm->FormStyle() == fsMDIForm; }
bool TkivSkinWindowVCL::IsMDIChild() const { return FForm->FormStyle() == fsMDIChild; }
bool TkivSkinWindowVCL::IsDialogBorder() const { return FForm->BorderStyle() == bsDialog; }

bool TkivSkinWindowVCL::HasSystemIcon() const {
  const TFormBorderStyle style = FForm->BorderStyle();
  return (style == bsSingle || style == bsSizeable) && (FForm->BorderIcons() & biSystemMenu);
}

bool TkivSkinWindowVCL::HasCloseButton() const { return (FForm->BorderIcons() & biSystemMenu) != 0; }

bool TkivSkinWindowVCL::HasMaxButton() const {
  const TFormBorderStyle style = FForm->BorderStyle();
  return (FForm->BorderIcons() & biMaximize) && HasCloseButton() && style != bsDialog &&
         style != bsToolWindow;
}

bool TkivSkinWindowVCL::HasMinButton() const {
  const TFormBorderStyle style = FForm->BorderStyle();
  return (FForm->BorderIcons() & biMinimize) && HasCloseButton() && style != bsDialog &&
         style != bsToolWindow;
}

// --------------------------------------------------------------------------- attaching

void TkivSkinWindowVCL::Attach(HWND handle) {
  FForm = skin::FindFormByHandle(handle);
  if (!FForm)
    throw Exception("KIVSkin: Skinning form failed!");
  FMenuBar = new TkivSkinMenuBar(nullptr, this);
  FMenuBar->SetVisible(false);
  FMenuBar->SetParent(FForm);
  FMenuBar->SetFlat(true);
  FMenuBar->SetShowCaptions(true);
  FMenuBar->SetParentColor(false);
  FMenuBar->SetWrapable(true);
  FMenuBar->OnCustomDrawButton = Handler(this, &TkivSkinWindowVCL::DrawMenuBarButton);
  if (IsMDIParent())
    AttachMDIParent();
  // A child's shortcuts are its parent's to handle.
  if (!IsMDIChild()) {
    FAppEvents = New<TApplicationEvents>(this);
    FAppEvents->OnMessage = Handler(this, &TkivSkinWindowVCL::AppMessage);
  }
  FSavedWindowProc = FForm->WindowProc;
  FForm->WindowProc = [this](TMessage& m) { HandleMessage(m); };
  SetHasTitle(HasFrame());
  SetHasBorder(FForm->BorderStyle() != bsNone);
}

void TkivSkinWindowVCL::Detach() {
  FForm->WindowProc = FSavedWindowProc;
  // A form that goes frees the bar as its child; one that stays is given back as it was.
  if (!FForm->IsDestroying()) {
    FMenuBar->Free();
    FMenuBar = nullptr;
  }
  if (IsMDIParent())
    DetachMDIParent();
  FreeWindowList();
  if (FAppEvents)
    FAppEvents->Free();
  FAppEvents = nullptr;
  if (FEngine->Unskinning())
    SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0, kRecomputeFrame);
}

void TkivSkinWindowVCL::AfterAttach() { SkinOwnedControls(FForm); }

void TkivSkinWindowVCL::BeforeDetach() {
  for (auto& skinner : FSkinnedControls)
    skinner->Detach();
  FSkinnedControls.clear();
}

void TkivSkinWindowVCL::PrepareSkin() {
  FSavedClientWidth = FForm->ClientWidth();
  FSavedClientHeight = FForm->ClientHeight();
  FOwnMenu = FForm->Menu();
  if (FOwnMenu)
    FOwnMenu->FreeNotification(this);
  // A child window shows no menu bar of the platform's.
  FUnskinnedFrameHeight = skin::UnskinnedFrameHeight(FForm->Height(), FForm->ClientHeight(),
                                                     FOwnMenu != nullptr && !IsMDIChild());
  FSavedColor = FForm->Color();
  FOwnLimits = {FForm->Constraints()->MinWidth(), FForm->Constraints()->MinHeight()};
}

void TkivSkinWindowVCL::Notification(TComponent* c, TOperation op) {
  TkivSkinWindow::Notification(c, op);
  if (op != opRemove || (c != FChildMenu && c != FOwnMenu))
    return;
  // A freed menu is neither shown again nor asked for shortcuts.
  if (c == FChildMenu)
    FChildMenu = nullptr;
  if (c == FOwnMenu)
    FOwnMenu = nullptr;
  // The bar's buttons stood for items of that menu.
  if (FShownMenu == c) {
    FShownMenu = nullptr;
    if (!Destroying() && !FForm->IsDestroying() && Skinned())
      UpdateMenuBar(true);
  }
}

// ---------------------------------------------------------------------------- switching

void TkivSkinWindowVCL::UpdateSkin() {
  if (!FForm)
    return;
  if (!Destroying()) {
    // One control that fails to redraw does not keep the others from it.
    for (auto& skinner : FSkinnedControls) {
      try {
        skinner->UpdateSkin();
        skinner->Invalidate();
      } catch (const std::exception&) {
      }
    }
  }
  // A form that is unskinned while it lives gets its own look back.
  if (Skinned())
    SkinOn();
  else if (!FForm->IsDestroying())
    SkinOff();
}

void TkivSkinWindowVCL::SkinOn() {
  RemoveSystemMenuStyle();
  FForm->SetColor(FEngine->GetFormColor());
  FForm->SetMenu(nullptr);
  if (FOwnMenu) {
    FMenuBar->SetTop(kMenuBarTop);
    FMenuBar->SetVisible(!IsMDIChild());  // the parent's bar shows a child's menu
    FMenuBar->SetParentColor(false);
    FMenuBar->SetColor(FEngine->GetMenuBarColor());
  }
  UpdateMenuBar(true);
  SkinMDIOn();
  // The client area the skinned frame gives, before the form is sized by it.
  SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0, kRecomputeFrame);
  ApplySizeLimits();
  if (FControlsMovedBy == 0) {
    FControlsMovedBy = MenuBarHeight();
    ShiftControls(FControlsMovedBy);
  }
  if (FForm->WindowState() != wsMaximized)
    FForm->SetClientSize(FSavedClientWidth, FSavedClientHeight + MenuBarHeight());
  for (int i = 0; i < FForm->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(FForm->Components(i)); menu && !FEngine->IsExemptTag(menu->Tag()))
      FEngine->SkinMenu(menu);
  SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0, kRecomputeFrame);
}

void TkivSkinWindowVCL::SkinOff() {
  SetWindowLongA(FForm->Handle(), GWL_STYLE, GetWindowLongA(FForm->Handle(), GWL_STYLE) | WS_SYSMENU);
  FForm->SetMenu(FOwnMenu);
  FForm->SetColor(FSavedColor);
  FForm->Constraints()->SetMinHeight(FOwnLimits.MinHeight);
  FForm->Constraints()->SetMinWidth(FOwnLimits.MinWidth);
  FMenuBar->SetVisible(false);
  FShownMenu = nullptr;
  SkinMDIOff();
  SetWindowRgn(FForm->Handle(), nullptr, TRUE);
  SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0, kRecomputeFrame);
  if (FForm->WindowState() != wsMaximized)
    FForm->SetClientSize(FSavedClientWidth, FSavedClientHeight);
  ShiftControls(-FControlsMovedBy);
  FControlsMovedBy = 0;
  for (int i = 0; i < FForm->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(FForm->Components(i)))
      FEngine->UnskinMenu(menu);
}

void TkivSkinWindowVCL::RemoveSystemMenuStyle() {
  const LONG style = GetWindowLongA(FForm->Handle(), GWL_STYLE);
  if (style & WS_SYSMENU)
    SetWindowLongA(FForm->Handle(), GWL_STYLE, style & ~WS_SYSMENU);
}

void TkivSkinWindowVCL::ApplySizeLimits() {
  const skin::SizeLimits limits =
      skin::SkinnedSizeLimits(FOwnLimits, MenuBarHeight(), FEngine->GetSkinInt("FormMinWidthInt"),
                              FEngine->GetSkinInt("FormRoundCornerInt"), FDialog);
  TSizeConstraints* constraints = FForm->Constraints();
  if (constraints->MinWidth() != limits.MinWidth)
    constraints->SetMinWidth(limits.MinWidth);
  if (constraints->MinHeight() != limits.MinHeight)
    constraints->SetMinHeight(limits.MinHeight);
}

void TkivSkinWindowVCL::ShiftControls(int delta) {
  if (delta == 0)
    return;
  for (int i = 0; i < FForm->ControlCount(); ++i) {
    TControl* control = FForm->Controls(i);
    // Aligned controls are placed by the form, below the bar.
    if (control == FMenuBar || control->Align() != alNone)
      continue;
    int top = control->Top(), height = control->Height();
    skin::ShiftForMenuBar(control->Anchors() & akTop, control->Anchors() & akBottom, delta, top, height);
    control->SetBounds(control->Left(), top, control->Width(), height);
  }
}

// ---------------------------------------------------------------------------- menu bar

void TkivSkinWindowVCL::UpdateMenuBar(bool forced) {
  // An MDI parent shows its active child's menu rather than its own.
  if (IsMDIParent() && FChildMenu) {
    if (forced || FShownMenu != FChildMenu)
      BuildMenuBar(FChildMenu);
  } else if (!FOwnMenu) {
    FMenuBar->SetVisible(false);
  } else if (forced || FShownMenu != FOwnMenu) {
    BuildMenuBar(FOwnMenu);
  }
  if (IsMDIParent())
    RefreshWindowList();
}

void TkivSkinWindowVCL::BuildMenuBar(TMainMenu* menu) {
  FShownMenu = menu;
  FMenuBar->SetImages(menu->Images());
  skin::SetMenuFont(FMenuBar->Font());
  FMenuBar->SetList(menu->Images() != nullptr);
  while (FMenuBar->ButtonCount() > 0)
    FMenuBar->Buttons(FMenuBar->ButtonCount() - 1)->Free();
  for (int i = 0; i < menu->Items()->Count(); ++i) {
    TMenuItem* item = menu->Items()->Items(i);
    if (!item->Visible())
      continue;
    TToolButton* button = New<TToolButton>(FMenuBar);
    button->SetGrouped(true);
    button->SetAutoSize(true);
    button->SetMenuItem(item);
    button->SetToolBar(FMenuBar);
  }
  // The bar is as high as its rows of buttons.
  int height = 0;
  for (int i = 0; i < FMenuBar->ButtonCount(); ++i)
    height = std::max(height, int(FMenuBar->Buttons(i)->BoundsRect().bottom));
  FMenuBar->SetHeight(height);
  FMenuBar->SetVisible(!IsMDIChild());
}

void TkivSkinWindowVCL::DrawMenuBarButton(TToolBar* sender, TToolButton* button,
                                          TCustomDrawState state, bool& defaultDraw) {
  defaultDraw = false;
  TCanvas* canvas = sender->Canvas();
  skin::SetMenuFont(canvas->Font());
  TMenuItem* item = button->MenuItem();
  TMenu* menu = item ? item->GetParentMenu() : nullptr;
  TImageList* images = menu ? menu->Images() : nullptr;
  const bool hasImage = item && images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
  const int imageWidth = hasImage ? images->Width() : 0;
  TRect rect = button->BoundsRect();
  const bool selected = state & cdsSelected;
  TRect text = rect;
  text.top += 2;
  if (state & (cdsHot | cdsSelected)) {
    if (selected)
      rect.right -= 2;
    skin::FillRectColor(canvas, rect, TColor(FEngine->GetSkinInt("MenuSelectedBackgroundColor")));
    skin::FrameRectColor(canvas, rect, TColor(FEngine->GetSkinInt("MenuSelectedBorderColor")));
    text.left += imageWidth + (selected ? 2 : 0);
    canvas->Font()->SetColor(TColor(FEngine->GetSkinInt("MenuSelectedFontColor")));
  } else {
    text.left += imageWidth;
    canvas->Font()->SetColor(FEngine->GetSkinInt("ControlFontColor") == 0x30000
                                 ? clWhite
                                 : TColor(FEngine->GetSkinInt("MenuFontColor")));
  }
  HDC dc = canvas->Handle();
  SetBkMode(dc, TRANSPARENT);
  RECT r = text;
  DrawTextA(dc, button->Caption().c_str(), -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  if (hasImage)
    images->Draw(canvas, text.left - imageWidth + (selected ? 0 : 2), rect.top + 2, item->ImageIndex(),
                 item->Enabled());
}

void TkivSkinWindowVCL::AppMessage(MSG& msg, bool& handled) {
  if (!FEngine->IsSkinActive() || (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN))
    return;
  handled = skin::IsFormActive(FForm) && (IsMDIParent() || FForm->Active()) && FShownMenu &&
            FShownMenu->IsShortCut(msg);
}

// ------------------------------------------------------------------------------- hooks

void TkivSkinWindowVCL::PostHook(TMessage& m) {
  MDIPostHook(m);
  switch (m.Msg) {
    case WM_SHOWWINDOW:
    case CM_VISIBLECHANGED:
      if (!FFormsSkinnedOnce && FEngine->SkinAllForms() && Application && FForm == Application->MainForm()) {
        FFormsSkinnedOnce = true;
        FEngine->SkinAllScreenForms();
      }
      break;
    case WM_SIZE:
      if (FResizing || !Skinned())
        break;
      FResizing = true;
      try {
        if (IsMDIChild())
          ChildSized(m.WParam);
        else if (m.WParam == SIZE_MAXIMIZED)
          FitMaximizedToWorkArea();
        SetRegion();
        ApplySizeLimits();
      } catch (...) {
        FResizing = false;
        throw;
      }
      FResizing = false;
      break;
    case WM_PARENTNOTIFY:
      if (m.WParamLo() != WM_CREATE)
        break;
      [[fallthrough]];
    case CM_RECREATEWND:
    case CM_FLOAT: {
      RemoveSystemMenuStyle();
      const bool hasTitle = HasFrame();
      if (hasTitle != HasTitle() || m.Msg != WM_PARENTNOTIFY) {
        SetHasTitle(hasTitle);
        SetHasBorder(hasTitle);
        ApplySizeLimits();
        PaintFrame();
      }
      break;
    }
  }
}

void TkivSkinWindowVCL::FitMaximizedToWorkArea() {
  TRect area;
  skin::GetWorkArea(area);
  // The frame's platform borders stand outside the work area, as a maximised window's do.
  const TRect wanted(area.left - 4, area.top - 4, area.right + 4, area.bottom + 4);
  if (FForm->Height() < area.Height() + 8 || FForm->Width() < area.Width() + 8)
    SetWindowPos(FForm->Handle(), nullptr, wanted.left, wanted.top, wanted.Width(), wanted.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// --------------------------------------------------------------------------- control walk

void TkivSkinWindowVCL::SkinOwnedControls(TComponent* owner) {
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (auto* control = dynamic_cast<TControl*>(owner->Components(i)))
      SkinControl(control);
}

void TkivSkinWindowVCL::SkinControl(TControl* control) {
  if (FEngine->IsExemptTag(control->Tag()))
    return;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated() && SendMessageA(windowed->Handle(), KM_ISSKINNED, 0, 0) == 1)
    return;
  const std::string className = control->ClassName();
  if (StartsWith(className, "Tkiv") && className != "TkivSkinInternalUpDown")
    return;
  if (!control->Parent())
    return;
  if (auto* form = dynamic_cast<TCustomForm*>(control)) {
    if (!form->Name().empty()) {
      form->SetColor(FEngine->GetFormColor());
      SkinOwnedControls(form);
    }
    return;
  }
  std::unique_ptr<TkivSkinControl> skinner;
  try {
    skinner = FindControlSkinner(control, FEngine);
  } catch (const std::exception&) {
    return;  // this control keeps its platform look
  }
  if (skinner) {
    TkivSkinControl* added = skinner.get();
    FSkinnedControls.push_back(std::move(skinner));
    added->UpdateSkin();
    added->Invalidate();
    if (added->WantsParentColor() && control->HasProperty("ParentColor"))
      control->SetParentColor(true);
  }
  SkinOwnedControls(control);
}
