#include "explorer/core/ComboGeometry.h"

namespace explorer {

TBox DropButtonAtCreation(int comboWidth) { return TBox{comboWidth - 21, 0, 17, 17}; }

TBox DropButtonForSize(const TBox& button, int comboWidth, int comboHeight) {
  return TBox{comboWidth - button.Width - 4, button.Top, button.Width, comboHeight - 4};
}

TTextRect EditTextRect(bool hasIcon, int clientWidth, int clientHeight, int buttonWidth) {
  return TTextRect{hasIcon ? kIconTextLeft : 0, 0, clientWidth - buttonWidth - 2, clientHeight + 1};
}

int IconTop(int clientHeight) { return clientHeight / 2 - 8; }

int DropDownTop(int belowTop, int aboveTop, int treeHeight, int screenHeight) {
  return belowTop + treeHeight > screenHeight ? aboveTop : belowTop;
}

}  // namespace explorer
