// Where a skinned tool button's image, caption and drop-down arrow go.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "skin/core/geometry.h"

namespace skin {

struct ToolButtonFacts {
  bool List = false;        // captions beside the images rather than under them
  bool DropDown = false;
  bool Pressed = false;     // the pressed look, else the raised one
  bool HasImages = false;   // the tool bar has an image list
  bool ImageValid = false;  // the button's image index is within the list
  Size Image{0, 0};         // the image list's image size
  int CaptionWidth = 0;     // without accelerator marks
};

struct ToolButtonPlan {
  std::optional<Point> Image;
  Rect Caption;  // drawn from its top-left corner, without format flags
  bool operator==(const ToolButtonPlan& o) const { return Image == o.Image && Caption == o.Caption; }
};

// The raised look draws the image only for a valid index; the pressed look always draws it.
// A drop-down button's arrow and divider take its last 14 pixels.
ToolButtonPlan ToolButtonLayout(const Rect& button, const ToolButtonFacts& facts);

// A drop-down button's arrow (two black triangles) and the divider before it.
struct DropDownMark {
  std::array<std::array<Point, 3>, 2> Arrow;
  Line Divider;
};
DropDownMark DropDownMarkOf(const Rect& button);

}  // namespace skin
