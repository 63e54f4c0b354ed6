// Where the parts of the drive and folder combo go, in pixels.
#pragma once

namespace explorer {

struct TBox {
  int Left = 0, Top = 0, Width = 0, Height = 0;
};

constexpr int kComboDefaultWidth = 216, kComboDefaultHeight = 21, kDefaultTreeHeight = 240;
constexpr int kIconLeft = 5, kIconTextLeft = 23;

// The drop button in the combo's client area: once made it sits at the right end, 17 x 17;
// each new size of the combo moves it to width - its width - 4 and makes it height - 4 high.
TBox DropButtonAtCreation(int comboWidth);
TBox DropButtonForSize(const TBox& button, int comboWidth, int comboHeight);

// The edit's text rectangle (left, top, right, bottom): room for the icon when one shows,
// ending 2 pixels before the button and one past the client area's bottom.
struct TTextRect {
  int Left, Top, Right, Bottom;
};
TTextRect EditTextRect(bool hasIcon, int clientWidth, int clientHeight, int buttonWidth);

// The icon's top: half the client height (rounded toward zero) less 8.
int IconTop(int clientHeight);

// The drop-down's top on the screen: below the combo, or above it when the tree would reach
// past the screen's bottom. Both points are screen coordinates.
int DropDownTop(int belowTop, int aboveTop, int treeHeight, int screenHeight);

}  // namespace explorer
