// Containers whose children may stand beyond their client area: TScrollBox (with a border)
// and TCustomFrame (a reusable group of controls placed on forms). Both show the platform's
// scroll bars when their style asks for them; scrolling the children is not done here.
#pragma once

#include "framework/Controls.h"

class TScrollingWinControl : public TWinControl {
public:
  explicit TScrollingWinControl(TComponent* AOwner);
};

class TScrollBox : public TScrollingWinControl {
public:
  explicit TScrollBox(TComponent* AOwner);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle s);
  bool HasProperty(const std::string& name, int* value = nullptr) const override {
    return HasPropertyWithBorderStyle(name, value, FBorderStyle);
  }

protected:
  void CreateParams(TCreateParams& params) override;

private:
  TBorderStyle FBorderStyle = bsSingle;
};

class TCustomFrame : public TScrollingWinControl {
public:
  explicit TCustomFrame(TComponent* AOwner);
};

class TFrame : public TCustomFrame {
public:
  using TCustomFrame::TCustomFrame;
};
