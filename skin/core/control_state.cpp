#include "skin/core/control_state.h"

namespace skin {
namespace {

constexpr int kKeyReturn = 0x0D, kKeySpace = 0x20;

bool PressesByKey(int key) { return key == kKeySpace || key == kKeyReturn; }

}  // namespace

ControlState NextState(ControlState state, StateEvent event, int key) {
  switch (event) {
    case StateEvent::MouseEnter:
      state.Hot = true;
      break;
    case StateEvent::MouseLeave:
      state = {};
      break;
    case StateEvent::ButtonDown:
      state.Down = true;
      break;
    case StateEvent::ButtonUp:
      state.Down = false;
      break;
    case StateEvent::KeyDown:
      state.Down = state.Down || PressesByKey(key);
      break;
    case StateEvent::KeyUp:
      state.Down = state.Down && !PressesByKey(key);
      break;
  }
  return state;
}

}  // namespace skin
