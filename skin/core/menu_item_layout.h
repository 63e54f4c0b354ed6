#pragma once
#include "skin/core/geometry.h"

namespace skin {

// The size of an owner-drawn item of a popup menu (or of a main menu's submenu): room for
// the gutter, the caption, the shortcut and their gaps; a separator is a thin line.
struct MenuItemSize {
  int Width;
  int Height;
  bool operator==(const MenuItemSize& o) const { return Width == o.Width && Height == o.Height; }
};
MenuItemSize MeasureMenuItemSize(bool separator, int captionWidth, int shortcutWidth);

// Where the parts of an owner-drawn item go. A right-to-left menu mirrors every part within
// the item: the gutter on the right, the caption right-aligned, the shortcut and the images
// from the other side.
struct MenuItemPlan {
  Rect Gutter;        // the image column, filled with "MenuBarColor"
  Rect Rest;          // the rest, filled with "MenuBackgroundColor"
  Rect Text;          // the caption
  bool TextRightAligned;
  Point Shortcut;     // top-left of the shortcut text
  Rect Image;         // 16x16: the check mark, the image or the stretched bitmap
  Rect ImageFrame;    // the frame around a checked item's image ...
  Rect ImageFrameInside;  // ... and its inside
};
MenuItemPlan PlanMenuItem(const Rect& item, bool leftToRight, int shortcutWidth);

}  // namespace skin
