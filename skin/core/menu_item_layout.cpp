#include "skin/core/menu_item_layout.h"

#include <initializer_list>

namespace skin {
namespace {

constexpr int kGutterWidth = 26;
constexpr int kTextIndent = 30;
constexpr int kTextTop = 4;
constexpr int kShortcutGap = 16;
constexpr int kImageLeft = 4, kImageTop = 3, kImageSize = 16;

// The same rectangle seen from the item's other side.
Rect Mirrored(const Rect& r, const Rect& item) {
  return {item.Left + item.Right - r.Right, r.Top, item.Left + item.Right - r.Left, r.Bottom};
}

}  // namespace

MenuItemSize MeasureMenuItemSize(bool separator, int captionWidth, int shortcutWidth) {
  return {captionWidth + shortcutWidth + 66, separator ? 5 : 21};
}

MenuItemPlan PlanMenuItem(const Rect& item, bool leftToRight, int shortcutWidth) {
  const int l = item.Left, t = item.Top;
  MenuItemPlan plan;
  plan.Gutter = {l, t, l + kGutterWidth, item.Bottom};
  plan.Rest = {l + kGutterWidth, t, item.Right, item.Bottom};
  plan.Text = {l + kTextIndent, t + kTextTop, item.Right, item.Bottom};
  const int shortcutLeft = item.Right - shortcutWidth - kShortcutGap;
  Rect shortcut{shortcutLeft, t + kTextTop, shortcutLeft + shortcutWidth, t + kTextTop};
  plan.Image = {l + kImageLeft, t + kImageTop, l + kImageLeft + kImageSize, t + kImageTop + kImageSize};
  plan.ImageFrame = {l + 2, t + 1, l + 21, t + 20};
  plan.ImageFrameInside = {l + 3, t + 2, l + 20, t + 19};
  plan.TextRightAligned = !leftToRight;
  if (!leftToRight) {
    for (Rect* r : {&plan.Gutter, &plan.Rest, &plan.Text, &shortcut, &plan.Image, &plan.ImageFrame,
                    &plan.ImageFrameInside})
      *r = Mirrored(*r, item);
  }
  plan.Shortcut = {shortcut.Left, shortcut.Top};
  return plan;
}

}  // namespace skin
