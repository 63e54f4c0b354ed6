// Skinners of the child windows of plain dialogs, chosen by window class name: drop-down
// combo boxes, push buttons (clicking by themselves), check boxes, radio buttons, tab
// controls and tool bars.
#pragma once

#include <memory>

#include "framework/Timer.h"
#include "skin/SkinBorders.h"
#include "skin/SkinButtons.h"

// Registers the plain-window skinners once.
void RegisterStdWndSkinners();

class TkivSkinWndComboBox : public TkivSkinBorderWndControl {
public:
  using TkivSkinBorderWndControl::TkivSkinBorderWndControl;
  void Paint() override;
};

// The button's own procedure never sees a press, Space or Return: a press and release of the
// mouse makes the one click. The hover look goes when a timer finds the cursor elsewhere.
class TkivSkinWndButton : public TkivSkinControlWnd {
public:
  using TkivSkinControlWnd::TkivSkinControlWnd;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void MouseDown() override;
  void MouseUp() override;
  void Attached() override;
  void Detach() override;
  void Paint() override;

private:
  void HoverTimer(TObject*);
  bool FClicked = false;
  std::unique_ptr<TTimer> FHoverTimer;
  TkivButtonFace FFace;
};

class TkivSkinWndCheckBox : public TkivSkinControlWnd {
public:
  using TkivSkinControlWnd::TkivSkinControlWnd;
  void AfterMessage(TMessage& m) override;
  void Attached() override;
  void Paint() override;

protected:
  void PaintBox(const char* imageName, bool transparent);

private:
  LONG FStyle = 0;
};

class TkivSkinWndRadioButton : public TkivSkinWndCheckBox {
public:
  using TkivSkinWndCheckBox::TkivSkinWndCheckBox;
  void AfterMessage(TMessage& m) override;
  void Paint() override;
};

// Skinned, the tabs take their height from the skin; unskinned, they get back their own.
// The whole control, tab strip included, is drawn in the skin with tabs on top.
class TkivSkinWndTabControl : public TkivSkinControlWnd {
public:
  using TkivSkinControlWnd::TkivSkinControlWnd;
  bool BeforeMessage(TMessage& m) override;
  void Attached() override;
  void UpdateSkin() override;
  void Paint() override;

private:
  int FirstTabHeight();
  int FTabHeight = 0;
};

class TkivSkinWndToolbarWindow32 : public TkivSkinControlWnd {
public:
  using TkivSkinControlWnd::TkivSkinControlWnd;
  void Attached() override;
};
