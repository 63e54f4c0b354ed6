// The hourglass for the whole program while a long step runs; the cursor before it comes back
// on every way out.
#pragma once
#include "framework/Forms.h"

class TWaitCursor {
public:
  TWaitCursor() : FOld(Screen->Cursor()) { Screen->SetCursor(crHourGlass); }
  ~TWaitCursor() { Screen->SetCursor(FOld); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
private:
  TCursor FOld;
};
