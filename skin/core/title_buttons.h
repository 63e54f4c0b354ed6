#pragma once
#include <optional>
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

// What the cursor is over in a skinned title bar; the numbers are the ones the title keeps.
enum class TitleHit { None = -1, SystemIcon = 0, Close = 1, MaxRestore = 2, Minimize = 3, Help = 4 };

// Everything the title's buttons are placed by, in the title bitmap's coordinates.
struct TitleButtonsInput {
  int TitleWidth = 0;                   // of the title bitmap
  int ButtonWidth = 0, ButtonHeight = 0;  // one frame of "TitleBarButtonImage"
  int ButtonTopInt = 0;                 // "TitleBarButtonTopInt"
  int LeftOffsetInt = 0;                // "TitleBarButtonLeftOffsetInt"
  int RightOffsetInt = 0;               // "TitleBarButtonRightOffsetInt"
  bool Minimized = false, Maximized = false;
  bool SystemIcon = false, Close = false, MaxRestore = false, Minimize = false, Help = false;
  Point Cursor{-1, -1};  // in window coordinates
  bool Pressed = false;  // the left button is down on the title
};

struct TitleButton {
  TitleHit Kind;
  Rect Bounds;  // edges inclusive when hit tested
  int Frame;    // of the 18 frames of "TitleBarButtonImage", from 1
  bool operator==(const TitleButton& o) const {
    return Kind == o.Kind && Bounds == o.Bounds && Frame == o.Frame;
  }
};

struct TitleButtonsLayout {
  int Top = 0;                    // of the buttons and the icon
  std::optional<Rect> IconRect;   // the 16x16 system icon
  std::vector<TitleButton> Buttons;  // right to left: close, maximise, minimise, help
  int TextLeft = 0;               // the title text runs from here ...
  int TextRight = 0;              // ... to the leftmost button
  TitleHit Hot = TitleHit::None;
  bool Shows(TitleHit kind) const;
  bool operator==(const TitleButtonsLayout& o) const {
    return Top == o.Top && IconRect == o.IconRect && Buttons == o.Buttons && TextLeft == o.TextLeft &&
           TextRight == o.TextRight && Hot == o.Hot;
  }
};

// Places the icon and buttons of a title and finds the one under the cursor. Buttons stand
// 2 pixels apart from the right end; a minimised window's are centred in a 26-pixel bar, a
// normal window's never touch the top 4 pixels.
TitleButtonsLayout LayOutTitleButtons(const TitleButtonsInput& in);

}  // namespace skin
