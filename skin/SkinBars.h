// Skinners of the bars: scroll bars and grids (the scroll-window skinner with the skin's
// fixed-cell colour), track bars with their ticks, progress bars and up-down controls.
#pragma once

#include <memory>

#include "skin/SkinBorders.h"
#include "skin/SkinOverride.h"

// Drawn over the platform's bar after each of its own paints and scroll moves.
class TkivSkinScrollBar : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void AfterMessage(TMessage& m) override;
  void Paint() override;
  void UpdateSkin() override;
};

// The fixed cells take the form's colour while the skin is on and get their own back after.
class TkivSkinGrid : public TkivSkinScrollWinControl {
public:
  using TkivSkinScrollWinControl::TkivSkinScrollWinControl;
  void UpdateSkin() override;

private:
  TkivSkinOverride<TColor> FFixedColor;
};

// A bar drawn from one skin image, stretched or in three parts, painted whole off screen.
class TkivSkinImageBar : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override { return !TakeOverPainting(m); }
  void Detach() override;

protected:
  // The image while the skin is on (turned a quarter left for a vertical bar), none after.
  void LoadBarBitmap(const char* name, bool vertical);
  std::unique_ptr<TBitmap> FBarBitmap;
};

// The channel from "TrackBarBarImage", the thumb, and for automatic ticks the tick marks.
class TkivSkinTrackBar : public TkivSkinImageBar {
public:
  using TkivSkinImageBar::TkivSkinImageBar;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;
  void UpdateSkin() override;
};

// "ProgressBarImage" stretched over the done part, from the bottom when vertical.
class TkivSkinProgressBar : public TkivSkinImageBar {
public:
  using TkivSkinImageBar::TkivSkinImageBar;
  void Paint() override;
  void UpdateSkin() override;
};

// Two flat halves with arrows; the pressed half darker while the button is held.
class TkivSkinUpDown : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;
  int PressedHalf() const { return FPressedHalf; }

private:
  int FPressedHalf = 0;  // -1 the first half, 1 the second, 0 none
};
