// Borders, scroll-bar panels and the drop-down button of the framing skinners.
#include "skin/SkinBorders.h"

#include <algorithm>

#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinForms.h"
#include "skin/SkinPlatform.h"

namespace {

// First state words of a scroll bar's information.
constexpr DWORD kBarInvisible = 0x8000, kBarUnavailable = 0x1;
constexpr int kButtonSize = 16;

bool InList(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

void DrawBorder(TkivSkinEngine* engine, HWND window) {
  skin::DrawWindowBorder(window, TColor(engine->GetSkinInt("ControlBorderColor")),
                         TColor(engine->GetSkinInt("ControlBackgroundColor")), true);
}

// The panel's parent: beside the control, or on its form when it has no parent.
TWinControl* PanelParent(TControl* control) {
  if (control->Parent())
    return control->Parent();
  return GetParentForm(control);
}

}  // namespace

// ------------------------------------------------------------------------------- borders

void TkivSkinBorderWinControl::Paint() {
  TWinControl* control = WinControl();
  if (!control || !control->HandleAllocated())
    return;
  int style = 0;
  if (control->HasProperty("BorderStyle", &style) && style == bsNone)
    return;
  if (InList(TkivSkinEngine::NoBorderClasses(), control->ClassName()))
    return;
  DrawBorder(FEngine, control->Handle());
}

void TkivSkinBorderWndControl::Paint() { DrawBorder(FEngine, GetHandle()); }

// ------------------------------------------------------------------------- press panels

TkivSkinPressPanel::TkivSkinPressPanel(TComponent* owner, TWinControl* control)
    : TCustomPanel(owner), FControl(control) {
  SetBevelOuter(bvNone);
}

void TkivSkinPressPanel::WndProc(TMessage& m) {
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return;
  }
  TCustomPanel::WndProc(m);
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONUP) {
    const DWORD pos = GetMessagePos();
    ReleaseCapture();
    PassPress(m.Msg, TPoint(short(LOWORD(pos)), short(HIWORD(pos))));
  }
}

// --------------------------------------------------------------------------- scroll bars

TkivSkinInternalScrollBar::TkivSkinInternalScrollBar(TComponent* owner, TWinControl* control,
                                                     TkivSkinScrollWinControl* skinner, TKind kind)
    : TkivSkinPressPanel(owner, control), FSkinner(skinner), FKind(kind),
      FBitmap(std::make_unique<TBitmap>()) {}

TkivSkinInternalScrollBar::~TkivSkinInternalScrollBar() {
  if (FSkinner && !FSkinner->Detached())
    (FKind == sbkVertical ? FSkinner->FVertBar : FSkinner->FHorzBar) = nullptr;
}

void TkivSkinInternalScrollBar::Paint() {
  if (FBitmap->Empty()) {
    Hide();
    TCustomPanel::Paint();
    return;
  }
  Canvas()->Draw(0, 0, FBitmap.get());
}

void TkivSkinInternalScrollBar::PassPress(UINT msg, TPoint at) {
  // The control's own bar lies under the panel: it takes the press and tracks it itself.
  SendMessageA(FControl->Handle(), msg == WM_LBUTTONDOWN ? WM_NCLBUTTONDOWN : WM_NCLBUTTONUP,
               FKind == sbkVertical ? HTVSCROLL : HTHSCROLL, MAKELPARAM(at.x, at.y));
}

TkivSkinScrollWinControl::~TkivSkinScrollWinControl() { FreeBars(); }

void TkivSkinScrollWinControl::Attached() {
  FVertBar = FHorzBar = nullptr;
  TWinControl* control = WinControl();
  if (!control || (FEngine->ComponentState() & csDesigning))
    return;
  if (auto* edit = dynamic_cast<TCustomEdit*>(control)) {
    const bool multiLine = (GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_MULTILINE) != 0;
    if (!multiLine || edit->ClassName() == "TSpinEdit")
      return;
  }
  auto make = [&](TkivSkinInternalScrollBar::TKind kind) -> TkivSkinInternalScrollBar* {
    auto* bar = new TkivSkinInternalScrollBar(FEngine, control, this, kind);
    try {
      bar->SetVisible(false);
      bar->SetParent(PanelParent(control));
      return bar;
    } catch (const std::exception&) {
      bar->Free();
      return nullptr;
    }
  };
  FVertBar = make(TkivSkinInternalScrollBar::sbkVertical);
  FHorzBar = make(TkivSkinInternalScrollBar::sbkHorizontal);
}

void TkivSkinScrollWinControl::AfterMessage(TMessage& m) {
  TkivSkinBorderWinControl::AfterMessage(m);
  if (m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) {
    PaintSkin();
  } else if (m.Msg == CM_VISIBLECHANGED && Control()) {
    for (TkivSkinInternalScrollBar* bar : {FVertBar, FHorzBar})
      if (bar)
        bar->SetVisible(Control()->Visible());
  }
}

void TkivSkinScrollWinControl::UpdateSkin() {
  for (TkivSkinInternalScrollBar* bar : {FVertBar, FHorzBar}) {
    if (bar) {
      bar->FDrawnThumbTop = -1;  // drawn anew from the skin now in effect
      bar->SetVisible(FEngine->IsSkinActive());
    }
  }
}

void TkivSkinScrollWinControl::Paint() {
  TkivSkinBorderWinControl::Paint();
  if (WinControl() && WinControl()->HandleAllocated())
    UpdateScrollBars();
}

void TkivSkinScrollWinControl::Detach() {
  TkivSkinBorderWinControl::Detach();
  FreeBars();
}

void TkivSkinScrollWinControl::FreeBars() {
  // Each bar that is still there: one may have gone with its parent.
  for (TkivSkinInternalScrollBar** bar : {&FVertBar, &FHorzBar}) {
    TkivSkinInternalScrollBar* going = *bar;
    *bar = nullptr;
    if (going) {
      going->FSkinner = nullptr;
      going->Free();
    }
  }
}

void TkivSkinScrollWinControl::UpdateScrollBars() {
  if (!FEngine->DrawScrollBar())
    return;
  for (TkivSkinInternalScrollBar* bar : {FVertBar, FHorzBar})
    if (bar)
      UpdateScrollBar(bar);
}

void TkivSkinScrollWinControl::UpdateScrollBar(TkivSkinInternalScrollBar* bar) {
  const bool vertical = bar->Kind() == TkivSkinInternalScrollBar::sbkVertical;
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  // A control without the bar's style may still be answered for, with an empty place: the
  // panel shows only over a bar that is there.
  const HWND handle = WinControl()->Handle();
  const LONG style = GetWindowLongA(handle, GWL_STYLE);
  if (!(style & (vertical ? WS_VSCROLL : WS_HSCROLL)) ||
      !skin::GetScrollBarInfo(handle, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, info) ||
      (info.rgstate[0] & kBarInvisible) || IsRectEmpty(&info.rcScrollBar)) {
    bar->Hide();
    return;
  }
  const TWinControl* parent = bar->Parent();
  const TPoint topLeft = parent->ScreenToClient(TPoint(info.rcScrollBar.left, info.rcScrollBar.top));
  const TPoint bottomRight =
      parent->ScreenToClient(TPoint(info.rcScrollBar.right, info.rcScrollBar.bottom));
  const TRect r(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  if (r.right < r.left || r.bottom < r.top)
    return;
  // Repaints of the control come often and mostly leave its bar as it was.
  if (bar->Visible() && r == bar->FDrawnBar && info.xyThumbTop == bar->FDrawnThumbTop &&
      info.xyThumbBottom == bar->FDrawnThumbBottom && info.rgstate[0] == bar->FDrawnState)
    return;
  bar->FDrawnBar = r;
  bar->FDrawnThumbTop = info.xyThumbTop;
  bar->FDrawnThumbBottom = info.xyThumbBottom;
  bar->FDrawnState = info.rgstate[0];
  bar->BringToFront();
  bar->Show();
  skin::SetControlBounds(bar, r);
  const int w = r.Width(), h = r.Height();
  TBitmap* bitmap = bar->Bitmap();
  bitmap->SetSize(w, h);
  TCanvas* canvas = bitmap->Canvas();
  skin::FillRectColor(canvas, TRect(0, 0, w, h), TColor(FEngine->GetSkinInt("ScrollBarBackgroundColor")));
  const skin::TkivSkinScrollBtnRes& cache = FEngine->ScrollCache();
  auto stretch = [&](const skin::Image* image, const TRect& into) {
    if (!image)
      return;
    TBitmap piece;
    skin::BitmapFromImage(*image, &piece);
    canvas->StretchDraw(into, &piece);
  };
  if (vertical) {
    stretch(cache.VertButton(1), TRect(0, 0, w, kButtonSize));
    stretch(cache.VertButton(4), TRect(0, h - kButtonSize, w, h));
  } else {
    stretch(cache.HorzButton(1), TRect(0, 0, kButtonSize, h));
    stretch(cache.HorzButton(4), TRect(w - kButtonSize, 0, w, h));
  }
  const skin::Image* slider = vertical ? cache.VertSlider() : cache.HorzSlider();
  if (!(info.rgstate[0] & kBarUnavailable) && slider) {
    TBitmap thumb;
    skin::BitmapFromImage(*slider, &thumb);
    if (vertical)
      skin::DrawVertThreePart(&thumb, canvas,
                              TRect(0, info.xyThumbTop, std::min(thumb.Width(), kButtonSize), info.xyThumbBottom),
                              false);
    else
      skin::DrawHorzThreePart(&thumb, canvas,
                              TRect(info.xyThumbTop, 0, info.xyThumbBottom, std::min(thumb.Height(), kButtonSize)),
                              false);
  }
  bar->Repaint();
}

// ---------------------------------------------------------------------- drop-down button

TkivSkinInternalComboButton::TkivSkinInternalComboButton(TComponent* owner, TWinControl* control,
                                                         TkivSkinExtComboboxLikeControl* skinner)
    : TkivSkinPressPanel(owner, control), FSkinner(skinner) {
  SetBounds(0, 0, kButtonSize, kButtonSize);
}

TkivSkinInternalComboButton::~TkivSkinInternalComboButton() {
  if (FSkinner && !FSkinner->Detached())
    FSkinner->FComboButton = nullptr;
}

void TkivSkinInternalComboButton::Paint() {
  TCanvas* canvas = Canvas();
  const TRect r = ClientRect();
  TkivSkinEngine* engine = FSkinner ? FSkinner->Engine() : nullptr;
  if (!engine)
    return;
  skin::FillRectColor(canvas, r, engine->GetFormColor());
  canvas->Pen()->SetColor(TColor(engine->GetSkinInt("ControlBorderColor")));
  canvas->MoveTo(r.left, r.top - 1);
  canvas->LineTo(r.left, r.bottom + 1);
  skin::DrawArrowDown(canvas, r.left + r.Width() / 2 - 3, r.Height() / 2 - 2, FControl->Enabled());
}

void TkivSkinInternalComboButton::PassPress(UINT msg, TPoint at) {
  // The control's own drop-down opens.
  const TPoint inControl = FControl->ScreenToClient(at);
  SendMessageA(FControl->Handle(), msg, MK_LBUTTON, MAKELPARAM(inControl.x, inControl.y));
}

TkivSkinExtComboboxLikeControl::~TkivSkinExtComboboxLikeControl() {
  if (FComboButton) {
    FComboButton->FSkinner = nullptr;
    FComboButton->Free();
  }
}

void TkivSkinExtComboboxLikeControl::Attached() {
  TWinControl* control = WinControl();
  if (!control || (FEngine->ComponentState() & csDesigning))
    return;
  FComboButton = new TkivSkinInternalComboButton(FEngine, control, this);
  try {
    FComboButton->SetParent(control);
    FComboButton->Show();
    FComboButton->BringToFront();
    FComboButton->SetAlign(alRight);
  } catch (const std::exception&) {
    FComboButton->FSkinner = nullptr;
    FComboButton->Free();
    FComboButton = nullptr;
  }
}

void TkivSkinExtComboboxLikeControl::AfterMessage(TMessage& m) {
  TkivSkinBorderWinControl::AfterMessage(m);
  if (m.Msg == CM_VISIBLECHANGED && FComboButton && Control())
    FComboButton->SetVisible(Control()->Visible());
}

void TkivSkinExtComboboxLikeControl::UpdateSkin() {
  if (FComboButton)
    FComboButton->SetVisible(FEngine->IsSkinActive());
}

void TkivSkinExtComboboxLikeControl::Paint() {
  TkivSkinBorderWinControl::Paint();
  if (FComboButton && WinControl() && WinControl()->HandleAllocated())
    FComboButton->Repaint();
}

void TkivSkinExtComboboxLikeControl::Detach() {
  TkivSkinBorderWinControl::Detach();
  if (FComboButton) {
    FComboButton->FSkinner = nullptr;
    FComboButton->Free();
    FComboButton = nullptr;
  }
}
