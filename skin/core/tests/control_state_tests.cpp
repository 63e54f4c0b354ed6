#include "skin/core/control_state.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

constexpr int kReturn = 0x0D, kSpace = 0x20, kLetterA = 0x41, kEscape = 0x1B;

TEST(NextState, OnlySpaceAndReturnPressByKeyAndLeavingLetsGoOfBoth) {
  const ControlState none{}, hot{true, false}, down{false, true}, both{true, true};
  struct Case {
    const char* note;
    ControlState from;
    StateEvent event;
    int key;
    ControlState to;
  };
  for (const Case& c : {
           Case{"mouse comes in", none, StateEvent::MouseEnter, 0, hot},
           Case{"mouse leaves while pressed", both, StateEvent::MouseLeave, 0, none},
           Case{"press keeps the hover", hot, StateEvent::ButtonDown, 0, both},
           Case{"release keeps the hover", both, StateEvent::ButtonUp, 0, hot},
           Case{"space down presses", hot, StateEvent::KeyDown, kSpace, both},
           Case{"return down presses", none, StateEvent::KeyDown, kReturn, down},
           Case{"a letter does not press", none, StateEvent::KeyDown, kLetterA, none},
           Case{"escape does not press", hot, StateEvent::KeyDown, kEscape, hot},
           Case{"space up releases", down, StateEvent::KeyUp, kSpace, none},
           Case{"return up releases", both, StateEvent::KeyUp, kReturn, hot},
           Case{"a letter up leaves a mouse press", down, StateEvent::KeyUp, kLetterA, down},
       }) {
    EXPECT_EQ(NextState(c.from, c.event, c.key), c.to) << c.note;
  }
}

}  // namespace
}  // namespace skin
