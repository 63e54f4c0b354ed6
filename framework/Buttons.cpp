#include "framework/Buttons.h"

#include "framework/Forms.h"
#include "framework/ImgList.h"

TButtonGlyphLayout CalcButtonLayout(const TRect& client, SIZE glyph, SIZE text,
                                    TButtonLayout layout, int margin, int spacing) {
  // Work on a layout axis (along glyph and text) and a cross axis; swap back at the end.
  bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  auto along = [&](SIZE s) { return horizontal ? (int)s.cx : (int)s.cy; };
  auto across = [&](SIZE s) { return horizontal ? (int)s.cy : (int)s.cx; };
  SIZE client_size{client.Width(), client.Height()};
  int S = along(client_size), G = along(glyph), T = along(text);
  int glyphCross = (across(client_size) - across(glyph) + 1) / 2;
  int textCross = (across(client_size) - across(text) + 1) / 2;
  if (margin == -1 && spacing == -1) {
    margin = (S - (G + T)) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (S - (G + spacing + T) + 1) / 2;
  } else if (spacing == -1) {
    spacing = (S - margin - G - T) / 2;
  }
  int glyphAlong, textAlong;
  if (layout == blGlyphLeft || layout == blGlyphTop) {
    glyphAlong = margin;
    textAlong = margin + G + spacing;
  } else {
    glyphAlong = S - margin - G;
    textAlong = glyphAlong - spacing - T;
  }
  TButtonGlyphLayout r;
  r.Margin = margin;
  r.Spacing = spacing;
  auto point = [&](int a, int c) {
    return horizontal ? TPoint(client.left + a, client.top + c) : TPoint(client.left + c, client.top + a);
  };
  r.GlyphPos = point(glyphAlong, glyphCross);
  TPoint t = point(textAlong, textCross);
  r.TextRect = Bounds(t.x, t.y, text.cx, text.cy);
  return r;
}

TButtonGlyph::TButtonGlyph() : FGlyph(new TBitmap) {}

void TButtonGlyph::SetGlyph(TBitmap* b) {
  FGlyph->Assign(b);
  int w = FGlyph->Width(), h = FGlyph->Height();
  if (h > 0 && w % h == 0 && w / h >= 1 && w / h <= 4) FNumGlyphs = w / h;
}

SIZE TButtonGlyph::GlyphSize() const {
  if (FGlyph->Empty()) return SIZE{0, 0};
  return SIZE{FGlyph->Width() / FNumGlyphs, FGlyph->Height()};
}

void TButtonGlyph::DrawGlyph(TCanvas* canvas, const TPoint& pos, TButtonState state) {
  if (FGlyph->Empty()) return;
  SIZE size = GlyphSize();
  int index = (int)state < FNumGlyphs ? (int)state : 0;
  TBitmap frame;
  frame.SetSize(size.cx, size.cy);
  frame.Canvas()->CopyRect(Rect(0, 0, size.cx, size.cy), FGlyph->Canvas(),
                           Bounds(index * size.cx, 0, size.cx, size.cy));
  TColor transparent = FGlyph->TransparentColor();
  if (state == bsDisabled && FNumGlyphs == 1) {
    // No disabled image of its own: the platform's embossed look of the masked glyph.
    TImageList images(nullptr);
    images.SetWidth(size.cx);
    images.SetHeight(size.cy);
    images.AddMasked(&frame, transparent);
    images.Draw(canvas, pos.x, pos.y, 0, false);
    return;
  }
  frame.SetTransparentColor(transparent);
  frame.SetTransparent(true);
  canvas->Draw(pos.x, pos.y, &frame);
}

TButtonGlyphLayout TButtonGlyph::Draw(TCanvas* canvas, const TRect& client, const TPoint& offset,
                                      const std::string& caption, TButtonLayout layout,
                                      int margin, int spacing, TButtonState state) {
  HDC dc = canvas->Handle();
  HGDIOBJ oldFont = SelectObject(dc, canvas->Font()->Handle());
  RECT textSize = {0, 0, 0, 0};
  if (!caption.empty())
    DrawTextA(dc, caption.c_str(), (int)caption.size(), &textSize, DT_CALCRECT | DT_SINGLELINE);
  TButtonGlyphLayout l = CalcButtonLayout(client, GlyphSize(), SIZE{textSize.right, textSize.bottom},
                                          layout, margin, spacing);
  DrawGlyph(canvas, TPoint(l.GlyphPos.x + offset.x, l.GlyphPos.y + offset.y), state);
  RECT r = l.TextRect;
  OffsetRect(&r, offset.x, offset.y);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (state == bsDisabled) {
    RECT light = r;
    OffsetRect(&light, 1, 1);
    SetTextColor(dc, ColorRef(clBtnHighlight));
    DrawTextA(dc, caption.c_str(), (int)caption.size(), &light, flags);
    SetTextColor(dc, ColorRef(clBtnShadow));
  } else {
    SetTextColor(dc, ColorRef(canvas->Font()->Color()));
  }
  DrawTextA(dc, caption.c_str(), (int)caption.size(), &r, flags);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  return l;
}

// ---------------------------------------------------------------------------------------------
// TBitBtn

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

void TBitBtn::SetKind(TBitBtnKind k) {
  struct KindInfo {
    const char* caption;
    int result;
  };
  static const KindInfo kinds[] = {{"", 0}, {"OK", IDOK}, {"Cancel", IDCANCEL}, {"&Help", 0}};
  FKind = k;
  if (k == bkCustom) return;
  SetCaption(kinds[k].caption);
  FModalResult = kinds[k].result;
  if (k == bkOK) FDefault = true;
  if (k == bkCancel) FCancel = true;
}

void TBitBtn::Click() {
  if (FModalResult != 0)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TButton::Click();
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style |= BS_OWNERDRAW;
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  RECT frame = item.rcItem;
  DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  TCanvas canvas;
  canvas.SetHandle(item.hDC);
  canvas.SetFont(Font());
  TButtonState state = !Enabled() ? bsDisabled : pressed ? bsDown : bsUp;
  TRect client = item.rcItem;
  InflateRect(&client, -2, -2);
  FButtonGlyph.Draw(&canvas, client, pressed ? TPoint(1, 1) : TPoint(0, 0), Caption(), FLayout,
                    FMargin, FSpacing, state);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
  canvas.SetHandle(nullptr);
}

void TBitBtn::WndProc(TMessage& m) {
  if (m.Msg == CN_DRAWITEM) {
    DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam));
    m.Result = TRUE;
    return;
  }
  // An owner-drawn button reports double clicks apart; treat the second press as a press.
  if (m.Msg == WM_LBUTTONDBLCLK) m.Msg = WM_LBUTTONDOWN;
  TButton::WndProc(m);
}

// ---------------------------------------------------------------------------------------------
// TSpeedButton

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // Clicks come from MouseUp over the button.
  FControlStyle = csCaptureMouse | csDoubleClicks;
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown || (FDown && !FAllowAllUp)) return;
  FDown = v;
  if (v && FParent) {
    for (int i = 0; i < FParent->ControlCount(); ++i) {
      auto* other = dynamic_cast<TSpeedButton*>(FParent->Controls(i));
      if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
        other->FDown = false;
        other->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  FDragging = FPressed = true;
  Invalidate();
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  if (!FDragging) return;
  bool inside = ClientRect().Contains(TPoint(x, y));
  if (inside != FPressed) {
    FPressed = inside;
    Invalidate();
  }
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (button != mbLeft || !FDragging) return;
  FDragging = FPressed = false;
  Invalidate();
  if (!ClientRect().Contains(TPoint(x, y))) return;
  // A group's down button comes up again only when the group allows it (SetDown decides).
  if (FGroupIndex != 0) SetDown(!FDown);
  Click();
}

void TSpeedButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (FFlat && m.LParam == 0) Invalidate();   // our own entering or leaving
      break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      break;
  }
  TGraphicControl::WndProc(m);
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  bool down = FPressed || FDown;
  HDC dc = canvas->Handle();
  if (!FFlat) {
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
  } else {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(r);
    RECT edge = r;
    if (down) DrawEdge(canvas->Handle(), &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (MouseInControl() && Enabled()) DrawEdge(canvas->Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
  }
  TButtonState state = !Enabled() ? bsDisabled : FDown ? bsExclusive : FPressed ? bsDown : bsUp;
  canvas->SetFont(Font());
  InflateRect(&r, -1, -1);
  FButtonGlyph.Draw(canvas, r, down ? TPoint(1, 1) : TPoint(0, 0), Caption(), FLayout, FMargin,
                    FSpacing, state);
}
