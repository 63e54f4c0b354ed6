// The date-time picker's skinner: the skinned drop-down button for a date in combo mode, a
// skinned up-down over the picker's own one otherwise (kept when the picker's Tag is 9998).
#pragma once

#include "framework/ComCtrls.h"
#include "skin/SkinBorders.h"

class TkivSkinDateTimePicker;

// Passes presses and hit tests on to the picker's own up-down, which it covers.
class TkivSkinInternalUpDown : public TUpDown {
public:
  TkivSkinInternalUpDown(TComponent* owner, TDateTimePicker* picker, TkivSkinDateTimePicker* skinner);
  ~TkivSkinInternalUpDown() override;
  void WndProc(TMessage& m) override;

private:
  friend class TkivSkinDateTimePicker;
  TDateTimePicker* FControl;
  TkivSkinDateTimePicker* FPicker;  // null once the skinner lets go of it
};

class TkivSkinDateTimePicker : public TkivSkinExtComboboxLikeControl {
public:
  using TkivSkinExtComboboxLikeControl::TkivSkinExtComboboxLikeControl;
  ~TkivSkinDateTimePicker() override;
  void Attached() override;
  void UpdateSkin() override;
  void Detach() override;
  TkivSkinInternalUpDown* UpDown() const { return FUpDown; }

private:
  friend class TkivSkinInternalUpDown;
  bool ShowsDropDown() const;
  void FreeUpDown();
  TkivSkinInternalUpDown* FUpDown = nullptr;
};
