#include "skin/core/tool_button_layout.h"

namespace skin {
namespace {

constexpr int kDropDownWidth = 14;

}  // namespace

ToolButtonPlan ToolButtonLayout(const Rect& r, const ToolButtonFacts& f) {
  const int usableRight = f.DropDown ? r.Right - kDropDownWidth : r.Right;
  const bool drawsImage = f.HasImages && (f.Pressed || f.ImageValid);
  ToolButtonPlan plan;
  if (f.List) {
    if (drawsImage)
      plan.Image = Point{r.Left + 5, r.Top + 3};
    if (!f.HasImages)
      plan.Caption = {r.Left + 8, r.Top + 3, r.Right, r.Bottom};
    else if (!f.Pressed && !f.ImageValid)
      plan.Caption = {r.Left + 5, r.Top + 4, r.Right, r.Bottom};
    else
      plan.Caption = {r.Left + f.Image.Width + 7, r.Top + (f.Image.Height - 16) / 2 + 4, r.Right, r.Bottom};
    return plan;
  }
  const int usable = usableRight - r.Left;
  if (drawsImage)
    plan.Image = Point{r.Left + (usable - f.Image.Width) / 2, r.Top + 3};
  const int top = f.HasImages ? r.Top + f.Image.Height + 4 : r.Top + (f.Pressed ? 5 : 4);
  plan.Caption = {r.Left + (usable - f.CaptionWidth) / 2, top, usableRight, r.Bottom};
  return plan;
}

DropDownMark DropDownMarkOf(const Rect& r) {
  const int y = (r.Bottom - r.Top) / 2;
  return {{{{{{r.Right - 9, y}, {r.Right - 5, y}, {r.Right - 7, y + 2}}},
            {{{r.Right - 8, y}, {r.Right - 6, y}, {r.Right - 7, y + 1}}}}},
          {{r.Right - kDropDownWidth, r.Top}, {r.Right - kDropDownWidth, r.Bottom}}};
}

}  // namespace skin
