// Skinners of the buttons: push buttons (bitmap buttons too) drawn whole from "ButtonImage"
// and clicking by themselves, check boxes and radio buttons with skinned boxes over their own
// painting, and flat speed buttons.
#pragma once

#include "skin/SkinControl.h"

class TGlyphButtonProperties;

// A push button's face from "ButtonImage" over the whole bitmap (down wins over hot), with
// the focus frame when focused. Stretching the image's nine parts is most of a button's
// paint, so the face is kept and drawn again only when what it shows changed.
class TkivButtonFace {
public:
  TBitmap* Get(TkivSkinEngine* engine, int width, int height, skin::ControlState state, bool focused);

private:
  struct Look {
    int Width = 0, Height = 0;
    skin::ControlState State;
    bool Focused = false;
    int Skin = -1;  // the engine's skin generation; none drawn yet
    bool operator==(const Look& o) const {
      return Width == o.Width && Height == o.Height && State == o.State && Focused == o.Focused &&
             Skin == o.Skin;
    }
  };
  TBitmap FFace;
  Look FLook;
};

// The control never sees a mouse press or Space/Return going down, so the platform's
// button cannot click: a press and release over it on an active form, Space released on the
// focused button, or Return (its character) click it, once each.
class TkivSkinButton : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void Paint() override;
  void MouseDown() override;
  void MouseUp() override;
  void KeyUp(int key) override;
  void Attached() override { FArmed = false; }

private:
  void Click();
  bool FArmed = false;  // a press on the button that may become a click
  bool FClickOnRelease = false;  // the release now handled ends a press over the button
  TkivButtonFace FFace;
};

// The box of a check box or radio button: frame 1 enabled and checked, 2 enabled, 3 disabled
// and checked, 4 disabled.
class TkivSkinCheckBox : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  void AfterMessage(TMessage& m) override;
  void Paint() override;

protected:
  void PaintBox(const char* imageName, bool transparent);
};

// A double click goes to the radio button's OnDblClick only: the platform would check it anew.
class TkivSkinRadioButton : public TkivSkinCheckBox {
public:
  using TkivSkinCheckBox::TkivSkinCheckBox;
  bool BeforeMessage(TMessage& m) override;
  void AfterMessage(TMessage& m) override;
  void Paint() override;
};

// Flat until hovered, pressed while held or Down; the spin buttons of other packs
// ("TTimerSpeedButton", "TRepeatTimerSpeedButton") always have a border.
class TkivSkinSpeedButton : public TkivSkinControlVCL {
public:
  using TkivSkinControlVCL::TkivSkinControlVCL;
  bool BeforeMessage(TMessage& m) override;
  void Paint() override;

private:
  void PaintOn(TCanvas* canvas);
};

// Draws a button's glyph on canvas by the glyph layout (margin and spacing of -1 worked out
// for this paint only) and gives the caption's rectangle.
TRect DrawButtonGlyph(TCanvas* canvas, TControl* button, TGlyphButtonProperties* glyph,
                      const TRect& client, bool down);
