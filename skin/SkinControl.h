// What a control skinner is to the engine and the window skinners: an object bound to one
// control (or plain child window) that draws it from the skin, and the registries that say
// which skinner a control gets.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/Controls.h"

class TkivSkinEngine;

class TkivSkinControl {
public:
  virtual ~TkivSkinControl() = default;
  // Draws the control from the current skin again (after a skin change or a switch).
  virtual void UpdateSkin() = 0;
  // Lets go of the control before the skinner is freed: a control that lives on gets back
  // the window procedure the skinner found.
  virtual void Detach() {}
  // Whether the control should take its parent's (skinned) colour.
  virtual bool WantsParentColor() const { return false; }
};

using TControlSkinnerFactory =
    std::function<std::unique_ptr<TkivSkinControl>(TControl* control, TkivSkinEngine* engine)>;
using TWndSkinnerFactory =
    std::function<std::unique_ptr<TkivSkinControl>(HWND window, TkivSkinEngine* engine)>;

// A control gets the skinner of the last registered class that it is.
void RegisterControlSkinner(std::function<bool(TControl*)> isA, TControlSkinnerFactory create);
template <class TControlClass>
void RegisterControlSkinner(TControlSkinnerFactory create) {
  RegisterControlSkinner([](TControl* c) { return dynamic_cast<TControlClass*>(c) != nullptr; },
                         std::move(create));
}
// Plain windows by their window class name (any letter case; up to 67 characters count).
void RegisterWndSkinner(const std::string& className, TWndSkinnerFactory create);

// The skinner for a control, or null when no registered class fits.
std::unique_ptr<TkivSkinControl> FindControlSkinner(TControl* control, TkivSkinEngine* engine);
std::unique_ptr<TkivSkinControl> FindWndSkinner(HWND window, TkivSkinEngine* engine);
