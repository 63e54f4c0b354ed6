// The test program's main form with its engine and the built-in skin, shown once, and what
// the tests of things made, switched and ended under a skinned form share.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/Forms.h"
#include "skin/BuiltInSkin.h"
#include "skin/SkinEngine.h"
#include "skin/tests/pump.h"

class TLifecycleForm : public TForm {
public:
  explicit TLifecycleForm(TComponent* owner) : TForm(owner) {
    SetBounds(40, 40, 420, 320);
    SetCaption("Skinned main form");
    kivSkinEngine1 = new TkivSkinEngine(this);
    kivSkinEngine1->SetSkinData(skin::BuiltInSkinData());
    kivSkinEngine1->SetActive(true);
  }
  TkivSkinEngine* kivSkinEngine1;
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

inline bool IsSkinned(HWND window) { return SendMessageA(window, KM_ISSKINNED, 0, 0) == 1; }

inline COLORREF SkinColor(const char* name) { return COLORREF(Engine()->GetSkinInt(name)); }

// The pixel the screen shows at a screen point.
inline COLORREF ScreenPixel(int x, int y) {
  const HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}
