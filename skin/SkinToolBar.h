// The tool bar's skinner: flat and transparent while the skin is on, its hot, pressed and
// checked buttons drawn from the skin through the bar's custom-draw event.
#pragma once

#include "framework/ComCtrls.h"
#include "skin/SkinControl.h"
#include "skin/SkinOverride.h"

class TkivSkinToolBar : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void UpdateSkin() override;
  void Detach() override;
  bool WantsParentColor() const override { return true; }

private:
  void DrawButton(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw);
  void DrawLook(TToolBar* bar, TToolButton* button, TImageList* images, bool pressed);

  TkivSkinOverride<bool> FFlat;
};
