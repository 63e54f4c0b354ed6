// Containers whose children may stand beyond their client area: TScrollBox (with a border)
// and TCustomFrame (a reusable group of controls placed on forms). A scroll box scrolls its
// children up and down with the platform's vertical bar, shown whenever they reach below its
// client area (the skin engine draws over that bar); its position lives here, the bar shows it.
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
  // How far the children are scrolled up, in pixels: 0 up to how far they reach below the
  // client area.
  int VertPosition() const { return FVertPosition; }
  void SetVertPosition(int position);
  // The height that the children take, from the top of the first to the bottom of the last.
  int ContentHeight() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AdjustClientRect(TRect& rect) override;
  void AlignControls(TControl* control, TRect& rect) override;
  void WndProc(TMessage& m) override;

private:
  int MaxVertPosition() const;
  void MoveChildrenTo(int position);
  void UpdateScrollBar();
  void Scroll(int code);
  TBorderStyle FBorderStyle = bsSingle;
  int FVertPosition = 0;
};

class TCustomFrame : public TScrollingWinControl {
public:
  explicit TCustomFrame(TComponent* AOwner);
};

class TFrame : public TCustomFrame {
public:
  using TCustomFrame::TCustomFrame;
};
