// THotKey: the platform's hot-key edit; the key combination lives in the window.
#pragma once

#include "framework/Controls.h"

class TCustomHotKey : public TWinControl {
public:
  explicit TCustomHotKey(TComponent* AOwner);
  // Virtual key in the low byte, HOTKEYF_* modifiers in the high byte (HKM_GETHOTKEY).
  WORD HotKey();
  void SetHotKey(WORD key);

protected:
  void CreateParams(TCreateParams& params) override;
};

class THotKey : public TCustomHotKey {
public:
  using TCustomHotKey::TCustomHotKey;
};
