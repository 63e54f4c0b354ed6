// A form for the skin's Wine tests, built as the programs build theirs: the engine comes first
// and shows the built-in skin. A test's form derives from it and adds its own controls.
#pragma once

#include <windows.h>

#include <string>

#include "framework/Forms.h"
#include "skin/BuiltInSkin.h"
#include "skin/SkinEngine.h"

class TSkinnedTestForm : public TForm {
public:
  TSkinnedTestForm(TComponent* owner, int left, int top, int width, int height,
                   const std::string& caption)
      : TForm(owner) {
    SetBounds(left, top, width, height);
    SetCaption(caption);
    kivSkinEngine1 = new TkivSkinEngine(this);
    kivSkinEngine1->SetSkinData(skin::BuiltInSkinData());
    kivSkinEngine1->SetActive(true);
  }
  TkivSkinEngine* kivSkinEngine1;
};

inline bool IsSkinned(HWND window) { return SendMessageA(window, KM_ISSKINNED, 0, 0) == 1; }
