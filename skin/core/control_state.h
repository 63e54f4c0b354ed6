// The hover and pressed state every control skinner keeps, and how the mouse and the keyboard
// change it.
#pragma once

namespace skin {

enum class StateEvent { MouseEnter, MouseLeave, ButtonDown, ButtonUp, KeyDown, KeyUp };

struct ControlState {
  bool Hot = false;   // the mouse is over the control
  bool Down = false;  // the control is pressed
  bool operator==(const ControlState& o) const { return Hot == o.Hot && Down == o.Down; }
};

// The state after event. Only Space and Return press and release by key (key is the virtual
// key of a key event, ignored otherwise); leaving the control lets go of the press as well.
ControlState NextState(ControlState state, StateEvent event, int key = 0);

}  // namespace skin
