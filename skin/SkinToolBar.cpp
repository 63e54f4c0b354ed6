#include "skin/SkinToolBar.h"

#include "framework/ImgList.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/core/text.h"
#include "skin/core/tool_button_layout.h"

namespace {

TColor SkinColor(TkivSkinEngine* engine, const char* name) { return TColor(engine->GetSkinInt(name)); }

}  // namespace

void TkivSkinToolBar::UpdateSkin() {
  auto* bar = dynamic_cast<TToolBar*>(Control());
  if (!bar)
    return;
  const bool on = FEngine->IsSkinActive();
  FFlat.Update(on, true, [bar] { return bar->Flat(); }, [bar](bool flat) { bar->SetFlat(flat); });
  if (on) {
    bar->SetTransparent(true);
    if (!(FEngine->ComponentState() & csDesigning))
      bar->OnCustomDrawButton = Handler(this, &TkivSkinToolBar::DrawButton);
  } else {
    bar->OnCustomDrawButton = nullptr;
  }
}

void TkivSkinToolBar::Detach() {
  TkivSkinControlVCL::Detach();
  // Also while the engine goes: a bar that stays must not call the freed skinner.
  if (auto* bar = dynamic_cast<TToolBar*>(Control()))
    bar->OnCustomDrawButton = nullptr;
}

void TkivSkinToolBar::DrawButton(TToolBar* bar, TToolButton* button, TCustomDrawState state,
                                 bool& defaultDraw) {
  TImageList* hotOrOwn = bar->HotImages() ? bar->HotImages() : bar->Images();
  if (state & cdsHot) {
    DrawLook(bar, button, hotOrOwn, (state & cdsSelected) != 0);
    if (button->Style() == tbsDropDown) {
      TCanvas* canvas = bar->Canvas();
      const skin::DropDownMark mark = skin::DropDownMarkOf(
          {int(button->BoundsRect().left), int(button->BoundsRect().top),
           int(button->BoundsRect().right), int(button->BoundsRect().bottom)});
      canvas->Pen()->SetColor(clBlack);
      canvas->Brush()->SetColor(clBlack);
      canvas->Brush()->SetStyle(bsSolid);
      for (const auto& triangle : mark.Arrow)
        canvas->Polygon({TPoint(triangle[0].X, triangle[0].Y), TPoint(triangle[1].X, triangle[1].Y),
                         TPoint(triangle[2].X, triangle[2].Y)});
      canvas->MoveTo(mark.Divider.From.X, mark.Divider.From.Y);
      canvas->LineTo(mark.Divider.To.X, mark.Divider.To.Y);
    }
    defaultDraw = false;
  } else if (state & (cdsSelected | cdsChecked)) {
    DrawLook(bar, button, hotOrOwn, false);
    defaultDraw = false;
  }
}

void TkivSkinToolBar::DrawLook(TToolBar* bar, TToolButton* button, TImageList* images, bool pressed) {
  TCanvas* canvas = bar->Canvas();
  const TRect r = button->BoundsRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(SkinColor(FEngine, pressed ? "ToolBarButtonDownBackgroundColor"
                                                       : "ToolBarButtonBackgroundColor"));
  canvas->Pen()->SetColor(SkinColor(FEngine, "ControlBorderColor"));
  canvas->Rectangle(r);
  skin::ToolButtonFacts facts;
  facts.List = bar->List();
  facts.DropDown = button->Style() == tbsDropDown;
  facts.Pressed = pressed;
  facts.HasImages = images != nullptr;
  facts.ImageValid = images && button->ImageIndex() >= 0 && button->ImageIndex() < images->Count();
  if (images)
    facts.Image = {images->Width(), images->Height()};
  canvas->SetFont(bar->Font());
  const std::string caption = button->Caption();
  facts.CaptionWidth = canvas->TextWidth(skin::StripAmpersands(caption));
  const skin::ToolButtonPlan plan =
      skin::ToolButtonLayout({int(r.left), int(r.top), int(r.right), int(r.bottom)}, facts);
  if (plan.Image)
    images->Draw(canvas, plan.Image->X, plan.Image->Y, button->ImageIndex(), button->Enabled());
  if (bar->ShowCaptions()) {
    RECT text{plan.Caption.Left, plan.Caption.Top, plan.Caption.Right, plan.Caption.Bottom};
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawTextEx(caption, text, 0);
  }
}
