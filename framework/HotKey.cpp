#include "framework/HotKey.h"

TCustomHotKey::TCustomHotKey(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 121, 19);
  SetTabStop(true);
}

WORD TCustomHotKey::HotKey() { return WORD(SendMessageA(Handle(), HKM_GETHOTKEY, 0, 0)); }
void TCustomHotKey::SetHotKey(WORD key) { SendMessageA(Handle(), HKM_SETHOTKEY, key, 0); }

void TCustomHotKey::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, HOTKEY_CLASSA);
}
