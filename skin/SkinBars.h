// Skinners of the bars: scroll bars and grids (the scroll-window skinner with the skin's
// fixed-cell colour), track bars with their ticks, progress bars and up-down controls.
#pragma once

#include <memory>

#include "skin/SkinBorders.h"

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
  void Attached() override;
  void UpdateSkin() override;

private:
  TColor FSavedFixedColor = clBtnFace;
  bool FApplied = false;  // the grid shows the skin's colour, FSavedFixedColor is its own
};

// The channel from "TrackBarBarImage", the thumb, and for automatic ticks the tick marks.
class TkivSkinTrackBar : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;
  void UpdateSkin() override;
  void Detach() override;

private:
  std::unique_ptr<TBitmap> FBarBitmap;  // while the skin is on
};

// "ProgressBarImage" stretched over the done part, from the bottom when vertical.
class TkivSkinProgressBar : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;
  void UpdateSkin() override;
  void Detach() override;

private:
  std::unique_ptr<TBitmap> FBarBitmap;
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
