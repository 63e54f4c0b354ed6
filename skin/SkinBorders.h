// The skinners that frame a control: a flat two-colour border, skinned scroll bars laid over
// the control's own (which still do the scrolling), and a skinned drop-down button.
#pragma once

#include <memory>

#include "framework/ExtCtrls.h"
#include "skin/SkinControl.h"

class TkivSkinScrollWinControl;
class TkivSkinExtComboboxLikeControl;

// A framework control's border: the outer pixel in "ControlBorderColor", the inner one in
// "ControlBackgroundColor". Controls set to no border, and the engine's no-border classes,
// keep their own.
class TkivSkinBorderWinControl : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void Paint() override;
};

// The same border around a plain window, always.
class TkivSkinBorderWndControl : public TkivSkinControlWnd {
public:
  using TkivSkinControlWnd::TkivSkinControlWnd;
  void Paint() override;
};

// A panel over part of a control that draws no background and passes presses on to it.
class TkivSkinPressPanel : public TCustomPanel {
public:
  TkivSkinPressPanel(TComponent* owner, TWinControl* control);
  void WndProc(TMessage& m) override;
  TWinControl* Control() const { return FControl; }

protected:
  // A press or release (WM_LBUTTONDOWN or WM_LBUTTONUP) at a screen point; the panel has let
  // go of the mouse.
  virtual void PassPress(UINT msg, TPoint at) = 0;
  TWinControl* FControl;
};

// A picture of one of the control's scroll bars, over it; a press goes on to the control's
// own bar below, which scrolls.
class TkivSkinInternalScrollBar : public TkivSkinPressPanel {
public:
  enum TKind { sbkVertical, sbkHorizontal };
  TkivSkinInternalScrollBar(TComponent* owner, TWinControl* control,
                            TkivSkinScrollWinControl* skinner, TKind kind);
  ~TkivSkinInternalScrollBar() override;
  TBitmap* Bitmap() const { return FBitmap.get(); }
  TKind Kind() const { return FKind; }

protected:
  void Paint() override;
  void PassPress(UINT msg, TPoint at) override;

private:
  friend class TkivSkinScrollWinControl;
  TkivSkinScrollWinControl* FSkinner;  // null once the skinner lets go of the bar
  TKind FKind;
  std::unique_ptr<TBitmap> FBitmap;
  // What the bitmap shows: the bar's place (in the parent), thumb and state.
  TRect FDrawnBar;
  int FDrawnThumbTop = -1, FDrawnThumbBottom = -1;
  DWORD FDrawnState = 0;
};

// Border and scroll bars. Edits get bars only when multi-line.
class TkivSkinScrollWinControl : public TkivSkinBorderWinControl {
public:
  using TkivSkinBorderWinControl::TkivSkinBorderWinControl;
  ~TkivSkinScrollWinControl() override;
  void Attached() override;
  void AfterMessage(TMessage& m) override;
  void UpdateSkin() override;
  void Paint() override;
  void Detach() override;
  TkivSkinInternalScrollBar* VertBar() const { return FVertBar; }
  TkivSkinInternalScrollBar* HorzBar() const { return FHorzBar; }

protected:
  // The panels stand beside the control, on its parent.
  void ControlGone() override { FreeBars(); }

private:
  friend class TkivSkinInternalScrollBar;
  void UpdateScrollBars();
  void UpdateScrollBar(TkivSkinInternalScrollBar* bar);
  void FreeBars();

  TkivSkinInternalScrollBar* FVertBar = nullptr;
  TkivSkinInternalScrollBar* FHorzBar = nullptr;
};

// A 16-pixel drop-down button at the control's right; a press goes on to the control so
// that its own drop-down opens.
class TkivSkinInternalComboButton : public TkivSkinPressPanel {
public:
  TkivSkinInternalComboButton(TComponent* owner, TWinControl* control,
                              TkivSkinExtComboboxLikeControl* skinner);
  ~TkivSkinInternalComboButton() override;

protected:
  void Paint() override;
  void PassPress(UINT msg, TPoint at) override;

private:
  friend class TkivSkinExtComboboxLikeControl;
  TkivSkinExtComboboxLikeControl* FSkinner;  // null once the skinner lets go of the button
};

class TkivSkinExtComboboxLikeControl : public TkivSkinBorderWinControl {
public:
  using TkivSkinBorderWinControl::TkivSkinBorderWinControl;
  ~TkivSkinExtComboboxLikeControl() override;
  void Attached() override;
  void AfterMessage(TMessage& m) override;
  void UpdateSkin() override;
  void Paint() override;
  void Detach() override;
  TkivSkinInternalComboButton* ComboButton() const { return FComboButton; }

private:
  friend class TkivSkinInternalComboButton;
  TkivSkinInternalComboButton* FComboButton = nullptr;
};
