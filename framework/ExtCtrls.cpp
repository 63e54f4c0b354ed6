#include "framework/ExtCtrls.h"

#include <algorithm>

// ---------------------------------------------------------------------------------------------
// TCustomPanel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque |
                  csDoubleClicks | csReplicatable;
  SetBounds(0, 0, 185, 41);
  SetColor(clBtnFace);
}

void TCustomPanel::BordersChanged() {
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut v) { FBevelInner = v; BordersChanged(); }
void TCustomPanel::SetBevelOuter(TBevelCut v) { FBevelOuter = v; BordersChanged(); }
void TCustomPanel::SetBevelWidth(int v) { FBevelWidth = v; BordersChanged(); }
void TCustomPanel::SetBorderWidth(int v) { FBorderWidth = v; BordersChanged(); }

void TCustomPanel::AdjustClientRect(TRect& rect) {
  TCustomControl::AdjustClientRect(rect);
  int inset = FBorderWidth + (FBevelOuter != bvNone ? FBevelWidth : 0) +
              (FBevelInner != bvNone ? FBevelWidth : 0);
  InflateRect(&rect, -inset, -inset);
}

// Draws one bevel of the given cut, width pixels deep, and moves r inside it.
static void DrawBevel(HDC dc, RECT& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  for (int i = 0; i < width; ++i) {
    if (cut == bvRaised) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
    else if (cut == bvLowered) DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    else InflateRect(&r, -1, -1);
  }
}

void TCustomPanel::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  TRect all = ClientRect();
  canvas->FillRect(all);
  HDC dc = canvas->Handle();
  RECT r = all;
  DrawBevel(dc, r, FBevelOuter, FBevelWidth);
  InflateRect(&r, -FBorderWidth, -FBorderWidth);
  DrawBevel(dc, r, FBevelInner, FBevelWidth);
  std::string text = Caption();
  if (text.empty()) return;
  static const UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  int mode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRef(Font()->Color()));
  DrawTextA(dc, text.c_str(), (int)text.size(), &r, DT_SINGLELINE | DT_VCENTER | align[FAlignment]);
  SetBkMode(dc, mode);
  SelectObject(dc, old);
}

void TCustomPanel::WndProc(TMessage& m) {
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) Invalidate();
  TCustomControl::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TBevel

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle |= csReplicatable;
  SetBounds(0, 0, 50, 50);
}

void TBevel::Paint() {
  static const UINT sides[] = {BF_RECT, BF_RECT, BF_TOP, BF_BOTTOM, BF_LEFT, BF_RIGHT, 0};
  if (FShape == bsSpacer) return;
  UINT edge;
  if (FShape == bsBox) edge = FStyle == bsLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER;
  else edge = FStyle == bsLowered ? EDGE_ETCHED : EDGE_BUMP;
  RECT r = ClientRect();
  DrawEdge(Canvas()->Handle(), &r, edge, sides[FShape]);
}

// ---------------------------------------------------------------------------------------------
// TImage

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(new TPicture) {
  FControlStyle |= csReplicatable;
  SetBounds(0, 0, 105, 105);
  FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { FPicture->OnChange = nullptr; }

TCanvas* TImage::Canvas() {
  if (!FPicture->Graphic()) FPicture->Bitmap()->SetSize(Width(), Height());
  return FPicture->Bitmap()->Canvas();
}

void TImage::SetTransparent(bool v) {
  FTransparent = v;
  PictureChanged();
}

void TImage::PictureChanged() {
  if (FAutoSize && FPicture->Width() > 0 && FPicture->Height() > 0)
    SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
  if (FPicture->Graphic() && FPicture->Graphic()->Transparent() != FTransparent) {
    FPicture->Graphic()->SetTransparent(FTransparent);  // notifies again, with the flag in place
    return;
  }
  Invalidate();
}

TRect TImage::DestRect() const {
  int w = FPicture->Width(), h = FPicture->Height();
  if (FStretch) return ClientRect();
  if (FCenter) return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
  return Bounds(0, 0, w, h);
}

void TImage::Paint() {
  if (FPicture->Graphic()) TGraphicControl::Canvas()->StretchDraw(DestRect(), FPicture->Graphic());
}

// ---------------------------------------------------------------------------------------------
// TSplitter

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetAlign(alLeft);
  SetBounds(0, 0, 3, 100);
  UpdateCursor();
}

void TSplitter::Loaded() {
  TGraphicControl::Loaded();
  UpdateCursor();
}

void TSplitter::UpdateCursor() { SetCursor(Vertical() ? crHSplit : crVSplit); }

void TSplitter::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  TRect r = ClientRect();
  canvas->FillRect(r);
  if (FBeveled) DrawEdge(canvas->Handle(), &r, BDR_RAISEDINNER, BF_RECT);
}

TControl* TSplitter::FindResizedControl() const {
  if (!FParent) return nullptr;
  for (int i = 0; i < FParent->ControlCount(); ++i) {
    TControl* c = FParent->Controls(i);
    if (c == this || !c->Visible() || c->Align() != Align()) continue;
    bool touches = false;
    switch (Align()) {
      case alLeft: touches = c->Left() + c->Width() == Left(); break;
      case alRight: touches = c->Left() == Left() + Width(); break;
      case alTop: touches = c->Top() + c->Height() == Top(); break;
      case alBottom: touches = c->Top() == Top() + Height(); break;
      default: break;
    }
    if (touches) return c;
  }
  return nullptr;
}

int TSplitter::MousePos() const {
  POINT p;
  GetCursorPos(&p);
  return Vertical() ? p.x : p.y;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  UpdateCursor();
  if (button != mbLeft) return;
  FControl = FindResizedControl();
  if (!FControl) return;
  FDownPos = MousePos();
  FDownSize = Vertical() ? FControl->Width() : FControl->Height();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!FControl) return;
  int delta = MousePos() - FDownPos;
  // A control on the far side grows as the splitter moves toward the near side.
  if (Align() == alRight || Align() == alBottom) delta = -delta;
  int room = Vertical() ? FParent->ClientWidth() : FParent->ClientHeight();
  int size = std::max(FMinSize, std::min(FDownSize + delta, room - FMinSize));
  if (Vertical()) FControl->SetWidth(size);
  else FControl->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !FControl) return;
  FControl = nullptr;
  if (OnMoved) OnMoved(this);
}

// ---------------------------------------------------------------------------------------------
// TLabeledEdit

class TLabeledEdit::TBoundLabel : public TLabel {
public:
  TBoundLabel(TLabeledEdit* edit) : TLabel(edit), FEdit(edit) { SetName("SubLabel"); }
protected:
  void Resize() override {
    TLabel::Resize();
    FEdit->PlaceLabel();
  }
private:
  TLabeledEdit* FEdit;
};

TLabeledEdit::TLabeledEdit(TComponent* AOwner) : TCustomEdit(AOwner), FLabel(new TBoundLabel(this)) {
  FLabel->FreeNotification(this);
}

TLabel* TLabeledEdit::EditLabel() const { return FLabel; }

void TLabeledEdit::PlaceLabel() {
  if (!FLabel) return;
  int w = FLabel->Width(), h = FLabel->Height();
  switch (FLabelPosition) {
    case lpAbove: FLabel->SetBounds(Left(), Top() - h - FLabelSpacing, w, h); break;
    case lpBelow: FLabel->SetBounds(Left(), Top() + Height() + FLabelSpacing, w, h); break;
    case lpLeft: FLabel->SetBounds(Left() - w - FLabelSpacing, Top() + (Height() - h) / 2, w, h); break;
    case lpRight: FLabel->SetBounds(Left() + Width() + FLabelSpacing, Top() + (Height() - h) / 2, w, h); break;
  }
}

void TLabeledEdit::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TCustomEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceLabel();
}

void TLabeledEdit::SetParent(TWinControl* parent) {
  TCustomEdit::SetParent(parent);
  if (FLabel) FLabel->SetParent(parent);
  PlaceLabel();
}

void TLabeledEdit::SetVisible(bool v) {
  TCustomEdit::SetVisible(v);
  if (FLabel) FLabel->SetVisible(v);
}

void TLabeledEdit::SetEnabled(bool v) {
  TCustomEdit::SetEnabled(v);
  if (FLabel) FLabel->SetEnabled(v);
}

void TLabeledEdit::Notification(TComponent* c, TOperation op) {
  TCustomEdit::Notification(c, op);
  if (op == opRemove && c == FLabel) FLabel = nullptr;
}
