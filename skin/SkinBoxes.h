// Skinners that draw over what a control paints itself: the combo box's frame and button,
// the group box's frame and caption, the status bar's size grip; and those that only mark a
// panel or a frame as skinned.
#pragma once

#include "skin/SkinControl.h"

// Keeps its own look where the platform cannot say where the button is, and when simple.
class TkivSkinComboBox : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void Paint() override;
};

class TkivSkinGroupBox : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void Paint() override;
  bool WantsParentColor() const override { return true; }
};

// Takes the form's colour through its parent and draws itself.
class TkivSkinPanel : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool WantsParentColor() const override { return true; }
};

// Only the size grip; a bar without one is left alone.
class TkivSkinStatusBar : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void Paint() override;
  bool WantsParentColor() const override { return true; }
};

// Answers whether it is skinned; its controls are skinned as the form's.
class TkivSkinFrame : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
};
