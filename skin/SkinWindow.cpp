#include "skin/SkinWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Forms.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinPlatform.h"
#include "skin/core/frame_metrics.h"
#include "skin/core/window_region.h"

namespace {

// SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED
constexpr UINT kRecomputeFrame = 0x37;
constexpr int kTitleButtonFrames = 18;
// A minimised window's or a dialog's left title image is narrowed to this.
constexpr int kNarrowTitleLeft = 50;

TRect ToTRect(const skin::Rect& r) { return TRect(r.Left, r.Top, r.Right, r.Bottom); }

HICON ProgramIcon() {
  if (Application && Application->Icon() && Application->Icon()->Handle())
    return Application->Icon()->Handle();
  // Loaded once: the title keeps the icon it was composed with.
  static const HICON loaded =
      static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 16, 16, 0));
  return loaded;
}

}  // namespace

TkivSkinWindow::TkivSkinWindow(TComponent* owner, TkivSkinEngine* engine, bool dialog)
    : TComponent(owner), FEngine(engine), FDialog(dialog) {
  FSkinned = engine->IsSkinActive();
}

TkivSkinWindow::~TkivSkinWindow() = default;

void TkivSkinWindow::Start(HWND handle) {
  Attach(handle);
  AfterAttach();
  SetSkinned(FEngine->IsSkinActive());
}

void TkivSkinWindow::BeforeDestruction() {
  FDestroying = true;
  FEngine->RemoveWindow(this);
  if (FSkinned)
    SetSkinned(false);
  BeforeDetach();
  Detach();
  FSkinnedControls.clear();
  TComponent::BeforeDestruction();
}

void TkivSkinWindow::SetSkinned(bool on) {
  FSkinned = on;
  FTitle.reset();  // the skin may be another one now
  if (FInitialized) {
    UpdateSkin();
    if (on)
      SetRegion();
  } else if (IsWindowVisible(GetHandle()) || SkinWhenHidden()) {
    FirstSkin();
  }
}

void TkivSkinWindow::FirstSkin() {
  PrepareSkin();
  FInitialized = true;
  SetSkinned(FSkinned);
}

void TkivSkinWindow::SetHasTitle(bool value) {
  FHasTitle = value;
  SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0, kRecomputeFrame);
  SendMessageA(GetHandle(), WM_NCPAINT, 1, 0);
}

void TkivSkinWindow::SetHasBorder(bool value) {
  FHasBorder = value;
  SetWindowPos(GetHandle(), nullptr, 0, 0, 0, 0, kRecomputeFrame);
  SendMessageA(GetHandle(), WM_NCPAINT, 1, 0);
}

int TkivSkinWindow::TitleHeight() const { return FHasTitle ? FEngine->Metrics().TitleHeight : 0; }

int TkivSkinWindow::WindowWidth() const {
  RECT r{};
  GetWindowRect(GetHandle(), &r);
  return r.right - r.left;
}

int TkivSkinWindow::WindowHeight() const {
  RECT r{};
  GetWindowRect(GetHandle(), &r);
  return r.bottom - r.top;
}

std::string TkivSkinWindow::WindowText() const {
  char text[261] = "";
  GetWindowTextA(GetHandle(), text, sizeof text);
  return text;
}

// ----------------------------------------------------------------------------- commands

void TkivSkinWindow::Close() { PostMessageA(GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0); }
void TkivSkinWindow::Help() { PostMessageA(GetHandle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }
void TkivSkinWindow::Minimize() { PostMessageA(GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void TkivSkinWindow::MaximizeRestore() {
  if (IsZoomed(GetHandle()) || IsIconic(GetHandle()))
    PostMessageA(GetHandle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  else if (FMaxShown)
    PostMessageA(GetHandle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
}

void TkivSkinWindow::PopupSystemMenu() {
  POINT origin{0, 0};
  ClientToScreen(GetHandle(), &origin);
  PopupSystemMenuAt(std::max(0, int(origin.x)), origin.y);
}

void TkivSkinWindow::PopupSystemMenuAt(int x, int y) { FEngine->PopupSystemMenu(this, x, y); }

void TkivSkinWindow::Act(skin::TitleHit button) {
  switch (button) {
    case skin::TitleHit::SystemIcon: PopupSystemMenu(); break;
    case skin::TitleHit::Close: Close(); break;
    case skin::TitleHit::MaxRestore: MaximizeRestore(); break;
    case skin::TitleHit::Minimize: Minimize(); break;
    case skin::TitleHit::Help: Help(); break;
    case skin::TitleHit::None: break;
  }
}

// ------------------------------------------------------------------------------ messages

void TkivSkinWindow::HandleMessage(TMessage& m) {
  if (!FInitialized && !SkinWhenHidden() && m.Msg == WM_PAINT)
    FirstSkin();
  if (m.Msg == 0)
    return;
  // A window's end is seen with the skin off too: a plain window leaves the engine then.
  if (!FEngine->IsSkinActive() && m.Msg != WM_DESTROY) {
    CallOldProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_NCPAINT:
      PaintFrame();
      return;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      FTitle.reset();  // the caption font or the inactive caption's colour may have changed
      break;
    case WM_NCLBUTTONDOWN:
      FPressed = true;
      PaintFrame();
      // A title button, or the caption of a maximised window, starts no drag.
      if (m.WParam == HTCAPTION && (FHot != skin::TitleHit::None || Maximized()))
        m.WParam = HTNOWHERE;
      break;
    case WM_NCLBUTTONDBLCLK:
      PaintFrame();
      if (FHot == skin::TitleHit::None && m.WParam == HTCAPTION) {
        MaximizeRestore();
        FPressed = false;
        PaintFrame();
        return;
      }
      if (FHot == skin::TitleHit::SystemIcon) {
        Close();
        FPressed = false;
        return;
      }
      m.WParam = HTNOWHERE;
      break;
    case WM_CTLCOLORDLG:
      m.Result = reinterpret_cast<LRESULT>(FEngine->BackgroundBrush());
      return;
  }
  if (!PreFilter(m))
    return;
  // The proposed window rectangle, before the platform turns it into its client rectangle.
  RECT proposedWindow{};
  if (m.Msg == WM_NCCALCSIZE && m.WParam)
    proposedWindow = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0];
  const std::weak_ptr<bool> alive = FAlive;
  CallOldProc(m);
  if (alive.expired())
    return;  // the window was destroyed inside the message, and this object with it
  switch (m.Msg) {
    case CM_RELEASE: case WM_DESTROY: case WM_COMMAND: case WM_SYSCOMMAND: case WM_ACTIVATEAPP:
      return;  // the window may be gone, or its state is the platform's to keep
  }
  PostHook(m);
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      if (FDialog && !FInitialized)
        return;
      if (!m.WParam) {
        m.Result = 0;
        return;
      }
      auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam);
      const RECT& proposed = params->rgrc[0];
      const skin::Rect window = {int(proposedWindow.left), int(proposedWindow.top),
                                 int(proposedWindow.right), int(proposedWindow.bottom)};
      const skin::Rect client = skin::SkinnedClientRect(
          window, {int(proposed.left), int(proposed.top), int(proposed.right), int(proposed.bottom)},
          FEngine->Metrics(), {TitleHeight(), FUnskinnedFrameHeight, FHasBorder, IsMaximizedMDIChild()});
      params->rgrc[0] = ToTRect(client);
      params->rgrc[1] = params->rgrc[0];
      m.Result = WVR_VALIDRECTS;
      break;
    }
    case WM_NCACTIVATE:
      FActive = LOBYTE(m.WParam) != 0;
      PaintFrame();
      break;
    case WM_NCLBUTTONUP:
      FPressed = false;
      PaintFrame();  // the button under the cursor now is the one that acts
      Act(FHot);
      break;
    case WM_NCRBUTTONDOWN:
      PaintFrame();
      if (m.WParam == HTCAPTION && FHot == skin::TitleHit::None)
        PopupSystemMenuAt(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      break;
    case WM_NCMOUSEMOVE:
      if (m.WParam != HTCAPTION)
        break;
      if (FPressed) {
        PaintFrame();
        if (FHot == skin::TitleHit::None)
          FPressed = false;
      }
      PaintFrame();
      break;
    case WM_ACTIVATE:
      FActive = LOWORD(m.WParam) != 0;
      PaintFrame();
      break;
    case WM_SETTEXT:
    case CM_TEXTCHANGED:
      PaintFrame();  // after the platform, which paints its own caption here
      break;
    case KM_ISACTIVE:
      m.Result = FActive ? 1 : 2;
      break;
    case KM_MENUBARHEIGHT:
      m.Result = MenuBarHeight();
      break;
    case KM_ISSKINNED:
      m.Result = 1;
      break;
  }
}

// ----------------------------------------------------------------------------- painting

skin::TitleButtonsLayout TkivSkinWindow::TitleLayout(int titleWidth, int buttonWidth,
                                                     int buttonHeight) const {
  skin::TitleButtonsInput in;
  in.TitleWidth = titleWidth;
  in.ButtonWidth = buttonWidth;
  in.ButtonHeight = buttonHeight;
  in.ButtonTopInt = FEngine->GetSkinInt("TitleBarButtonTopInt");
  in.LeftOffsetInt = FEngine->GetSkinInt("TitleBarButtonLeftOffsetInt");
  in.RightOffsetInt = FEngine->GetSkinInt("TitleBarButtonRightOffsetInt");
  in.Minimized = IsIconic(GetHandle()) != 0;
  in.Maximized = Maximized();
  in.SystemIcon = HasSystemIcon();
  in.Close = HasCloseButton();
  in.MaxRestore = HasMaxButton();
  in.Minimize = HasMinButton();
  in.Help = HasHelpButton();
  POINT cursor;
  RECT window;
  GetCursorPos(&cursor);
  GetWindowRect(GetHandle(), &window);
  // The title bitmap stands at the window's left edge, or after the left border.
  const int titleLeft = FEngine->RightBorderBitmap() ? 0 : FEngine->Metrics().BorderWidth;
  in.Cursor = {int(cursor.x - window.left) - titleLeft, int(cursor.y - window.top)};
  in.Pressed = FPressed;
  return skin::LayOutTitleButtons(in);
}

void TkivSkinWindow::PaintFrame() {
  if (!FEngine->IsSkinActive())
    return;
  HDC dc = GetWindowDC(GetHandle());
  if (!dc)
    return;
  const bool minimized = IsIconic(GetHandle()) != 0;
  const bool wholeMinimized = FHasTitle && minimized && FEngine->DecodedSkinBitmap("TitleBarMinimizedImage");
  if (FHasTitle && !IsMaximizedMDIChild())
    PaintTitle(dc, minimized);
  if (FHasBorder && !wholeMinimized)
    PaintBorders(dc);
  ReleaseDC(GetHandle(), dc);
}

void TkivSkinWindow::PaintTitle(HDC dc, bool minimized) {
  const skin::FrameMetrics& metrics = FEngine->Metrics();
  const bool ownRightBorder = FEngine->RightBorderBitmap() != nullptr;
  const int width = WindowWidth() - (ownRightBorder ? 0 : 2 * metrics.BorderWidth);
  const int height = std::max(TitleHeight(), FUnskinnedFrameHeight);
  if (width <= 0 || height <= 0)
    return;
  const bool wholeMinimized = minimized && FEngine->DecodedSkinBitmap("TitleBarMinimizedImage");
  const TBitmap* buttons = FEngine->DecodedSkinBitmap("TitleBarButtonImage");
  TitleLook look;
  look.Width = wholeMinimized ? WindowWidth() : width;
  look.Height = wholeMinimized ? WindowHeight() : height;
  look.Minimized = minimized;
  look.Active = FActive;
  look.Text = WindowText();
  look.Icon = GetIcon() ? GetIcon() : ProgramIcon();
  look.Layout = TitleLayout(look.Width, buttons ? buttons->Width() / kTitleButtonFrames : 0,
                            buttons ? buttons->Height() : 0);
  FHot = look.Layout.Hot;
  FMaxShown = look.Layout.Shows(skin::TitleHit::MaxRestore);
  FMinShown = look.Layout.Shows(skin::TitleHit::Minimize);
  FCloseShown = look.Layout.Shows(skin::TitleHit::Close);
  // Most paints show what the last one did: the title is composed again only when it changed.
  if (!FTitle || !(look == FTitleLook)) {
    FTitle = ComposeTitle(look);
    FTitleLook = std::move(look);
  }
  BitBlt(dc, ownRightBorder ? 0 : metrics.BorderWidth, 0, FTitle->Width(), FTitle->Height(),
         FTitle->Canvas()->Handle(), 0, 0, SRCCOPY);
}

std::unique_ptr<TBitmap> TkivSkinWindow::ComposeTitle(const TitleLook& look) const {
  const skin::FrameMetrics& metrics = FEngine->Metrics();
  const bool ownRightBorder = FEngine->RightBorderBitmap() != nullptr;
  const int width = look.Width, height = look.Height;
  auto title = std::make_unique<TBitmap>();
  title->SetSize(width, height);
  TCanvas* canvas = title->Canvas();

  TBitmap image;
  if (look.Minimized && FEngine->GetSkinBitmap("TitleBarMinimizedImage", &image)) {
    canvas->StretchDraw(TRect(0, 0, width, height), &image);
  } else {
    int rightLeft = width;
    if (FEngine->GetSkinBitmap("TitleBarRightImage", &image)) {
      rightLeft = width - image.Width();
      canvas->Draw(rightLeft, 0, &image);
    }
    int leftRight = 0;
    if (FEngine->GetSkinBitmap("TitleBarLeftImage", &image)) {
      if ((look.Minimized || FDialog) && image.Width() > kNarrowTitleLeft && image.Width() > rightLeft) {
        // Cut to 50 columns: its left end and its last 24, so the right image stays whole.
        const int w = image.Width(), h = image.Height();
        canvas->CopyRect(TRect(0, 0, 26, h), image.Canvas(), TRect(0, 0, 26, h));
        canvas->CopyRect(TRect(26, 0, kNarrowTitleLeft, h), image.Canvas(), TRect(w - 24, 0, w, h));
        leftRight = kNarrowTitleLeft;
      } else {
        canvas->Draw(0, 0, &image);
        leftRight = image.Width();
      }
    }
    int clientBottom = 0;
    if (FEngine->GetSkinBitmap("TitleBarClientImage", &image)) {
      canvas->StretchDraw(TRect(leftRight, 0, rightLeft, image.Height()), &image);
      clientBottom = image.Height();
    }
    if (clientBottom < height) {
      const int side = FHasBorder && ownRightBorder ? metrics.BorderWidth : 0;
      skin::FillRectColor(canvas, TRect(side, clientBottom, width - side, height), FEngine->GetFormColor());
    }
  }

  // Buttons and icon.
  const skin::TitleButtonsLayout& layout = look.Layout;
  if (layout.IconRect && look.Icon)
    DrawIconEx(canvas->Handle(), layout.IconRect->Left, layout.IconRect->Top, look.Icon, 16, 16, 0,
               nullptr, DI_NORMAL);
  TBitmap buttons;
  if (FEngine->GetSkinBitmap("TitleBarButtonImage", &buttons)) {
    const bool transparent = FEngine->GetSkinBool("TitleBarButtonTransparentBool");
    for (const skin::TitleButton& button : layout.Buttons) {
      TBitmap frame;
      skin::ExtractFrameBitmap(&buttons, &frame, kTitleButtonFrames, button.Frame);
      frame.SetTransparent(transparent);
      frame.SetTransparentColor(TColor(skin::kTransparentColor));
      canvas->Draw(button.Bounds.Left, button.Bounds.Top, &frame);
    }
  }

  // Text.
  skin::SetCaptionFont(canvas->Font());
  canvas->Font()->SetColor(look.Active ? FEngine->TitleFontColor() : clInactiveCaption);
  canvas->Brush()->SetStyle(bsClear);
  const std::string text = skin::EllipsisText(canvas, look.Text, layout.TextRight - layout.TextLeft);
  canvas->TextOut(layout.TextLeft, layout.Top + (16 - canvas->TextHeight("H")) / 2, text);
  return title;
}

void TkivSkinWindow::PaintBorders(HDC dc) {
  const skin::FrameMetrics& metrics = FEngine->Metrics();
  const int W = WindowWidth(), H = WindowHeight();
  const int bw = metrics.BorderWidth;
  const int title = TitleHeight();
  const TColor borderColor = TColor(FEngine->GetSkinInt("FormBorderColor"));
  TCanvas canvas;
  canvas.SetHandle(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  if (bw > 0) {
    const TRect leftRect(0, 0, bw, H), rightRect(W - bw, 0, W, H);
    if (TBitmap* left = FEngine->DecodedSkinBitmap("FormLeftBorderImage")) {
      canvas.StretchDraw(TRect(0, title, bw, H - metrics.BottomBorderHeight), left);
      canvas.StretchDraw(TRect(W - bw, title, W, H - metrics.BottomBorderHeight),
                         FEngine->RightBorderBitmap());
    } else {
      skin::FillRectColor(&canvas, leftRect, borderColor);
      skin::FillRectColor(&canvas, rightRect, borderColor);
    }
  }
  if (TBitmap* bottom = FEngine->DecodedSkinBitmap("FormBottomBorderImage")) {
    skin::DrawHorzThreePart(bottom, &canvas, TRect(0, H - metrics.BottomBorderHeight, W, H), false);
  } else if (bw > 0) {
    skin::FillRectColor(&canvas, TRect(0, H - bw, W, H), borderColor);
  }
  if (bw < 4) {
    // The platform's 4-pixel border, which the skin's thinner one leaves: the form's colour,
    // and the menu bar's beside the bar.
    const int bar = MenuBarHeight();
    const TColor form = FEngine->GetFormColor();
    skin::FillRectColor(&canvas, TRect(bw, bar + title, 4, H - bw), form);
    skin::FillRectColor(&canvas, TRect(bw, H - 4, W - bw, H - bw), form);
    skin::FillRectColor(&canvas, TRect(W - 4, bar + title, W - bw, H - bw), form);
    if (bar > 0) {
      skin::FillRectColor(&canvas, TRect(bw, title, 4, bar + title + 1), FEngine->GetMenuBarColor());
      skin::FillRectColor(&canvas, TRect(W - 4, title, W - bw, bar + title + 1), FEngine->GetMenuBarColor());
    }
  }
  canvas.SetHandle(nullptr);
}

// ------------------------------------------------------------------------------- outline

void TkivSkinWindow::SetRegion() {
  if (skin::IsWin95() || !HasFrame())
    return;
  const skin::RegionPlan plan =
      skin::PlanWindowRegion(WindowWidth(), WindowHeight(), FEngine->GetSkinInt("FormRoundCornerInt"),
                             FEngine->GetSkinInt("FormBottomRoundCornerInt"));
  auto rounded = [](const skin::RoundedPiece& piece) {
    return CreateRoundRectRgn(piece.Bounds.Left, piece.Bounds.Top, piece.Bounds.Right,
                              piece.Bounds.Bottom, piece.Corner, piece.Corner);
  };
  HRGN region = rounded(plan.Upper);
  auto add = [region](HRGN part) {
    CombineRgn(region, region, part, RGN_OR);
    DeleteObject(part);
  };
  add(rounded(plan.Lower));
  for (const skin::Rect& square : plan.Squares)
    add(CreateRectRgn(square.Left, square.Top, square.Right, square.Bottom));
  SetWindowRgn(GetHandle(), region, TRUE);  // the window owns the region now
}
