#include "skin/SkinButtons.h"

#include <algorithm>
#include <utility>

#include "framework/Buttons.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/SkinForms.h"
#include "skin/core/box_layout.h"

namespace {

TColor SkinColor(TkivSkinEngine* engine, const char* name) { return TColor(engine->GetSkinInt(name)); }

}  // namespace

// ------------------------------------------------------------------------------ the glyph

TRect DrawButtonGlyph(TCanvas* canvas, TControl* button, TGlyphButtonProperties* glyph,
                      const TRect& client, bool down) {
  canvas->SetFont(button->Font());
  const std::string caption = button->Caption();
  RECT measured{0, 0, 0, 0};
  if (!caption.empty())
    canvas->DrawTextEx(caption, measured, button->DrawTextBiDiModeFlags(DT_CALCRECT | DT_SINGLELINE));
  TBitmap* strip = glyph->Glyph();
  const int count = std::max(glyph->NumGlyphs(), 1);
  const SIZE glyphSize = strip->Empty() ? SIZE{0, 0} : SIZE{strip->Width() / count, strip->Height()};
  // The framework's own layout rules, so a skinned glyph button keeps its unskinned layout.
  const TButtonGlyphLayout place =
      CalcButtonLayout(client, glyphSize, SIZE{measured.right, measured.bottom}, glyph->Layout(),
                       glyph->Margin(), glyph->Spacing());
  if (!strip->Empty()) {
    const int shift = down ? 1 : 0;
    if (count == 1 && !button->Enabled()) {
      TImageList greyed(nullptr);
      greyed.SetWidth(glyphSize.cx);
      greyed.SetHeight(glyphSize.cy);
      greyed.AddMasked(strip, strip->Canvas()->Pixels(0, 0));
      greyed.Draw(canvas, place.GlyphPos.x, place.GlyphPos.y, 0, false);
    } else {
      TBitmap frame;
      skin::ExtractFrameBitmap(strip, &frame, count, std::min(button->Enabled() ? 1 : 2, count));
      frame.SetTransparent(true);
      canvas->Draw(place.GlyphPos.x + shift, place.GlyphPos.y + shift, &frame);
    }
  }
  return place.TextRect;
}

// ---------------------------------------------------------------------------- push button

bool TkivSkinButton::BeforeMessage(TMessage& m) {
  if (TakeOverPainting(m))
    return false;
  switch (m.Msg) {
    case WM_KEYDOWN:
      return m.WParam != VK_RETURN && m.WParam != VK_SPACE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetDown(true);
      PaintSkin();
      return false;
    case WM_LBUTTONUP: {
      // Decided before the control's own handling, which lets go of the mouse.
      const TRect client = GetClientRect();
      const TPoint at(short(m.LParamLo()), short(m.LParamHi()));
      FClickOnRelease = FArmed && PtInRect(&client, at);
      FArmed = false;
      return true;
    }
    case WM_CAPTURECHANGED:
      FArmed = false;  // the press was taken away: its release, if any, goes elsewhere
      return true;
    case WM_KILLFOCUS:
    case CM_GOTFOCUS:
    case CM_LOSTFOCUS:
      PaintSkin();
      return false;
  }
  return true;
}

void TkivSkinButton::AfterMessage(TMessage& m) {
  TkivSkinControlVCL::AfterMessage(m);
  if (m.Msg == WM_SETFOCUS) {
    PaintSkin();
  } else if (m.Msg == WM_CHAR && (m.WParam == 0 || m.WParam == VK_RETURN)) {
    SetDown(false);
    PaintSkin();
    Click();
  }
}

void TkivSkinButton::Click() {
  if (Control())
    Control()->Click();
}

void TkivSkinButton::MouseDown() {
  TWinControl* button = WinControl();
  TCustomForm* form = button ? GetParentForm(button) : nullptr;
  if (!form || !skin::IsFormActive(form))
    return;
  if (button->CanFocus() && button->Enabled() && button->Visible()) {
    try {
      button->SetFocus();
    } catch (const std::exception&) {
      // The press still arms the button.
    }
  }
  FArmed = true;
  // The button holds the mouse, as the platform's does: the release comes to it wherever it
  // happens.
  button->SetMouseCapture(true);
}

void TkivSkinButton::MouseUp() {
  if (Control())
    Control()->SetMouseCapture(false);
  // A press dragged off the button and released there clicks nothing.
  if (std::exchange(FClickOnRelease, false))
    Click();
}

void TkivSkinButton::KeyUp(int key) {
  TWinControl* button = WinControl();
  if (key != VK_SPACE || !button || !button->Focused() || !button->Enabled() || !FEngine->IsSkinActive())
    return;
  SetDown(false);
  PaintSkin();
  Click();
}

TBitmap* TkivButtonFace::Get(TkivSkinEngine* engine, int width, int height, skin::ControlState state,
                             bool focused) {
  const Look look{width, height, state, focused, engine->SkinGeneration()};
  if (look == FLook)
    return &FFace;
  FLook = look;
  FFace.SetSize(width, height);
  const TRect client(0, 0, width, height);
  skin::FillRectColor(FFace.Canvas(), client, engine->GetFormColor());
  TBitmap frame;
  engine->GetSkinBitmap("ButtonImage", &frame, 3, state.Down ? 3 : state.Hot ? 2 : 1);
  const bool transparent = engine->GetSkinBool("ButtonTransparentBool");
  frame.SetTransparent(transparent);
  skin::StretchSkinBitmap(&frame, FFace.Canvas(), client, transparent);
  if (!focused)
    return &FFace;
  TRect focus = client;
  InflateRect(&focus, -5, -5);
  if (state.Down)
    OffsetRect(&focus, 1, 1);
  FFace.Canvas()->Brush()->SetStyle(bsSolid);
  DrawFocusRect(FFace.Canvas()->Handle(), &focus);
  return &FFace;
}

void TkivSkinButton::Paint() {
  TWinControl* button = WinControl();
  if (!button)
    return;
  const TRect client = button->ClientRect();
  TBitmap* face = FFace.Get(FEngine, button->Width(), button->Height(), State(), button->Focused());
  auto* bitBtn = dynamic_cast<TBitBtn*>(button);
  if (!bitBtn) {
    DrawBitmapAndText(face, button->Caption(), client, button->Font());
    return;
  }
  TBitmap withGlyph;  // the kept face stays without it
  withGlyph.Assign(face);
  const TRect textRect = DrawButtonGlyph(withGlyph.Canvas(), bitBtn, bitBtn, client, State().Down);
  DrawBitmapAndText(&withGlyph, button->Caption(), textRect, button->Font());
}

// ------------------------------------------------------------------ check and radio boxes

void TkivSkinCheckBox::AfterMessage(TMessage& m) {
  TkivSkinControlVCL::AfterMessage(m);
  if (m.Msg == BM_SETCHECK || m.Msg == WM_LBUTTONDBLCLK)
    PaintSkin();
}

void TkivSkinCheckBox::Paint() { PaintBox("CheckBoxImage", false); }

void TkivSkinCheckBox::PaintBox(const char* imageName, bool transparent) {
  auto* box = dynamic_cast<TStateButton*>(Control());
  if (!box || !box->HandleAllocated())
    return;
  const bool checked = SendMessageA(box->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
  const int frame = (box->Enabled() ? 1 : 3) + (checked ? 0 : 1);
  TBitmap image;
  FEngine->GetSkinBitmap(imageName, &image, 4, frame);
  image.SetTransparent(transparent);
  TBitmap boxBitmap;
  boxBitmap.SetSize(std::max(image.Width(), 13), std::max(image.Height(), 13));
  skin::FillRectColor(boxBitmap.Canvas(), TRect(0, 0, boxBitmap.Width(), boxBitmap.Height()), box->Color());
  boxBitmap.Canvas()->Draw(0, 0, &image);
  const bool rtl = box->UseRightToLeftAlignment();
  const bool captionOnRight = (box->Alignment() == taRightJustify && !rtl) ||
                              (box->Alignment() == taLeftJustify && rtl);
  const skin::Point at =
      skin::CheckBoxPlace(box->Width(), box->ClientHeight(), image.Width(), image.Height(), captionOnRight);
  DrawBitmapAt(&boxBitmap, TPoint(at.X, at.Y));
}

bool TkivSkinRadioButton::BeforeMessage(TMessage& m) {
  if (m.Msg == WM_LBUTTONDBLCLK) {
    if (Control() && Control()->OnDblClick)
      Control()->OnDblClick(Control());
    return false;
  }
  if (m.Msg == WM_ERASEBKGND) {
    m.Result = 1;
    return false;
  }
  return true;
}

void TkivSkinRadioButton::AfterMessage(TMessage& m) {
  TkivSkinControlVCL::AfterMessage(m);
  if (m.Msg == BM_SETCHECK)
    PaintSkin();
}

void TkivSkinRadioButton::Paint() { PaintBox("RadioButtonImage", true); }

// --------------------------------------------------------------------------- speed button

bool TkivSkinSpeedButton::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      m.Result = 1;
      return false;
    case WM_PAINT: {
      // A graphic control is painted on its parent's paint DC, moved and clipped to it.
      TCanvas canvas;
      canvas.SetHandle(reinterpret_cast<HDC>(m.WParam));
      PaintOn(&canvas);
      canvas.SetHandle(nullptr);
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetDown(true);
      PaintSkin();
      return true;
  }
  return true;
}

void TkivSkinSpeedButton::Paint() {
  auto* button = dynamic_cast<TSpeedButton*>(Control());
  if (button && button->Parent() && button->Parent()->HandleAllocated() && button->Visible())
    PaintOn(button->Canvas());
}

void TkivSkinSpeedButton::PaintOn(TCanvas* canvas) {
  auto* button = dynamic_cast<TSpeedButton*>(Control());
  if (!button || !canvas->Handle())
    return;
  const std::string className = button->ClassName();
  const bool spin = className == "TTimerSpeedButton" || className == "TRepeatTimerSpeedButton";
  const bool lowered = spin && button->Top() > 0;
  TRect r = button->ClientRect();
  if (lowered) {
    r.top += 2;
    canvas->Pen()->SetColor(TColor(0xFFFFFF));
    canvas->MoveTo(r.left, r.top - 1);
    canvas->LineTo(r.right, r.top - 1);
  }
  const bool enabled = button->Enabled();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Pen()->SetColor(SkinColor(FEngine, "ControlBorderColor"));
  if ((State().Down && enabled) || button->Down()) {
    canvas->Brush()->SetColor(SkinColor(FEngine, "ToolBarButtonDownBackgroundColor"));
    canvas->Rectangle(r);
  } else if ((State().Hot && enabled) || spin) {
    canvas->Brush()->SetColor(FEngine->GetFormColor());
    canvas->Rectangle(r);
  } else {
    skin::FillRectColor(canvas, r, FEngine->GetFormColor());
  }
  TRect glyphRoom = button->ClientRect();
  if (spin)
    OffsetRect(&glyphRoom, 2, lowered ? 1 : 0);
  TRect textRect = DrawButtonGlyph(canvas, button, button, glyphRoom, State().Down);
  const std::string caption = button->Caption();
  if (caption.empty())
    return;
  if (State().Down)
    OffsetRect(&textRect, 1, 1);
  canvas->Brush()->SetStyle(bsClear);
  canvas->SetFont(button->Font());
  canvas->DrawTextEx(caption, textRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
