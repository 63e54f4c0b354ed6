// The tab control's skinner (page controls too): page frame, tabs from the engine's tab
// cache laid out upright and turned for their side, and the bar along the page edge. The
// drawing itself serves the tab controls of plain dialogs as well.
#pragma once

#include <functional>

#include "skin/SkinControl.h"
#include "skin/SkinOverride.h"
#include "skin/core/skin_res.h"

class TImageList;

// What a tab window's drawing needs beyond the window: the side its tabs stand on, their font
// and, with an image list, each tab's picture in it (-1 for none).
struct TkivTabLook {
  skin::TabSide Side = skin::TabSide::Top;
  TFont* Font = nullptr;
  TImageList* Images = nullptr;
  std::function<int(int tab)> ImageIndex;
};

// The tab window (a "SysTabControl32") in the skin onto the bitmap, which has its size.
void DrawSkinnedTabs(TkivSkinEngine* engine, HWND window, const TkivTabLook& look, TBitmap* bitmap);

class TkivSkinTabControl : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;
  // Automatic tab height while the skin is on, the control's own after.
  void UpdateSkin() override;

private:
  TkivSkinOverride<short> FTabHeight;
};
