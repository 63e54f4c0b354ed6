// The tab control's skinner (page controls too): page frame, tabs from the engine's tab
// cache laid out upright and turned for their side, and the bar along the page edge.
#pragma once

#include "skin/SkinControl.h"
#include "skin/SkinOverride.h"

class TkivSkinTabControl : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;
  // Automatic tab height while the skin is on, the control's own after.
  void UpdateSkin() override;

private:
  void DrawTab(TCanvas* canvas, int index, bool selected, const TRect& tab);

  TkivSkinOverride<short> FTabHeight;
};
