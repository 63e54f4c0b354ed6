// Control skinners: an object bound to one control (or plain child window) that sees all its
// messages, keeps its hover and pressed state and draws it from the skin; and the registries
// that say which skinner a control gets.
//
// Two ways in: TkivSkinControlVCL takes over a framework control's WindowProc,
// TkivSkinControlWnd a plain window's procedure (one static procedure finds the skinner by a
// window property). Either way the control gets its own procedure back when the skinner goes
// while the control lives, and a skinner never runs after the control or itself has gone.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Controls.h"
#include "skin/core/control_state.h"

class TkivSkinEngine;

// Asks a skinner to draw itself again.
constexpr UINT KM_REPAINT = 0x2AAC;

class TkivSkinControl {
public:
  explicit TkivSkinControl(TkivSkinEngine* engine) : FEngine(engine) {}
  virtual ~TkivSkinControl();
  TkivSkinControl(const TkivSkinControl&) = delete;
  TkivSkinControl& operator=(const TkivSkinControl&) = delete;

  // Takes the control's messages over, then Attached. Made by the registry's factories.
  virtual void Start() = 0;

  // True lets the control's own procedure handle the message.
  virtual bool BeforeMessage(TMessage& m);
  // After the control's own procedure, until detached: state tracking and repaints.
  virtual void AfterMessage(TMessage& m);
  virtual void Paint() {}
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown() {}
  virtual void MouseUp() {}
  virtual void KeyDown(int) {}
  virtual void KeyUp(int) {}
  // After registration and whenever the skin is applied again or switched.
  virtual void UpdateSkin() {}
  // Has the control drawn again, its frame included: after UpdateSkin no face is left stale.
  virtual void Invalidate() = 0;
  virtual void Attached() {}
  // Right before the skinner is freed; AfterMessage is not called any more.
  virtual void Detach() { FDetached = true; }
  virtual TRect GetClientRect() = 0;
  virtual HWND GetHandle() = 0;  // null when the control has no window (yet)
  virtual bool GetEnabled() = 0;
  // Whether the control should take its parent's (skinned) colour.
  virtual bool WantsParentColor() const { return false; }

  TkivSkinEngine* Engine() const { return FEngine; }
  skin::ControlState State() const { return FState; }
  bool Detached() const { return FDetached; }

protected:
  // The three steps of every message: straight to the control's procedure when no skin is
  // in effect or the control is exempt, else BeforeMessage, the control's procedure, and
  // AfterMessage. Safe against the skinner being freed inside the control's procedure.
  void Dispatch(TMessage& m, bool exempt, const std::function<void(TMessage&)>& callOld);
  // Paint, while a skin is in effect.
  void PaintSkin();
  // For skinners that draw the whole control: the background erase is skipped and a paint
  // request answered with Paint alone. True when m was one of the two.
  bool TakeOverPainting(TMessage& m);
  // The bitmap over the client rectangle, the text over it (grey when disabled, moved by one
  // pixel while pressed), on the control's window.
  void DrawBitmapAndText(TBitmap* bitmap, const std::string& text, TRect textRect, TFont* font);
  void DrawBitmapAt(TBitmap* bitmap, TPoint at);
  void SetDown(bool down) { FState.Down = down; }
  void SetHot(bool hot) { FState.Hot = hot; }

  TkivSkinEngine* FEngine;

private:
  void Track(skin::StateEvent event, int key = 0);

  skin::ControlState FState;
  bool FDetached = false;
  bool FPaintTakenOver = false;  // the paint request just handled was drawn by Paint
  std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

class TkivSkinControlWatch;

// A framework control, through its WindowProc. The control's Tag equal to the engine's
// DisabledTag (other than 0) keeps the control as it is.
class TkivSkinControlVCL : public TkivSkinControl {
public:
  TkivSkinControlVCL(TControl* control, TkivSkinEngine* engine);
  ~TkivSkinControlVCL() override;
  void Start() override;
  void Invalidate() override;
  TRect GetClientRect() override;
  HWND GetHandle() override;
  bool GetEnabled() override;
  // Null once the control has gone.
  TControl* Control() const { return FControl; }
  TWinControl* WinControl() const { return dynamic_cast<TWinControl*>(FControl); }

protected:
  // The control's own procedure (the WindowProc found at start).
  void CallOldProc(TMessage& m) { FOldWindowProc(m); }
  // The control is being freed (Control() is null already): what the skinner made for it
  // outside the control goes with it.
  virtual void ControlGone() {}

private:
  friend class TkivSkinControlWatch;

  TControl* FControl;
  TWndMethod FOldWindowProc;
  TkivSkinControlWatch* FWatch = nullptr;
};

// A plain window, through its window procedure.
class TkivSkinControlWnd : public TkivSkinControl {
public:
  TkivSkinControlWnd(HWND handle, TkivSkinEngine* engine);
  ~TkivSkinControlWnd() override;
  void Start() override;
  void Invalidate() override;
  TRect GetClientRect() override;
  HWND GetHandle() override { return FHandle; }
  bool GetEnabled() override { return IsWindowEnabled(FHandle) != 0; }
  int WindowWidth() const;
  int WindowHeight() const;
  std::string WindowText() const;  // at most 259 characters

protected:
  LRESULT CallOldProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(FOldWndProc, FHandle, msg, wParam, lParam);
  }

private:
  static LRESULT CALLBACK SkinWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND FHandle;
  WNDPROC FOldWndProc = nullptr;
};

using TControlSkinnerFactory =
    std::function<std::unique_ptr<TkivSkinControl>(TControl* control, TkivSkinEngine* engine)>;
using TWndSkinnerFactory =
    std::function<std::unique_ptr<TkivSkinControl>(HWND window, TkivSkinEngine* engine)>;

// A factory that makes and starts a skinner of that class.
template <class TSkinner, class TTarget>
std::unique_ptr<TkivSkinControl> MakeSkinner(TTarget target, TkivSkinEngine* engine) {
  auto skinner = std::make_unique<TSkinner>(target, engine);
  skinner->Start();
  return skinner;
}

// A control gets the skinner of the last registered class that it is.
void RegisterControlSkinner(std::function<bool(TControl*)> isA, TControlSkinnerFactory create);
template <class TControlClass, class TSkinner>
void RegisterControlSkinner() {
  RegisterControlSkinner([](TControl* c) { return dynamic_cast<TControlClass*>(c) != nullptr; },
                         &MakeSkinner<TSkinner, TControl*>);
}
// Plain windows by their window class name (any letter case; up to 67 characters count).
void RegisterWndSkinner(const std::string& className, TWndSkinnerFactory create);

// The skinner for a control, or null when no registered class fits.
std::unique_ptr<TkivSkinControl> FindControlSkinner(TControl* control, TkivSkinEngine* engine);
std::unique_ptr<TkivSkinControl> FindWndSkinner(HWND window, TkivSkinEngine* engine);
