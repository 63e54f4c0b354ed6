// The test program's main form with its engine and the built-in skin, shown once, and what
// the tests of things made, switched and ended under a skinned form share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "skin/tests/pump.h"
#include "skin/tests/skinned_form.h"

class TLifecycleForm : public TSkinnedTestForm {
public:
  explicit TLifecycleForm(TComponent* owner)
      : TSkinnedTestForm(owner, 40, 40, 420, 320, "Skinned main form") {}
};

inline TLifecycleForm* MainForm() {
  static TLifecycleForm* form = nullptr;
  if (!form) {
    Application->CreateForm(form);
    form->Show();
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(form->Handle()) != 0; }));
  }
  return form;
}

inline TkivSkinEngine* Engine() { return MainForm()->kivSkinEngine1; }

inline COLORREF SkinColor(const char* name) { return COLORREF(Engine()->GetSkinInt(name)); }

// The pixel the screen shows at a screen point.
inline COLORREF ScreenPixel(int x, int y) {
  const HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}
