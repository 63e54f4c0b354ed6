// A skinned tab control's page frame, the bar along the page edge next to the tabs, and one
// tab's face. A tab face is laid out upright (as for tabs on top) and turned afterwards.
#pragma once

#include <optional>
#include <vector>

#include "skin/core/geometry.h"
#include "skin/core/skin_res.h"

namespace skin {

struct TabPagePlan {
  Rect Page;  // framed in the border colour
  Line Edge;  // the page edge under the tabs, drawn in the background colour
  Rect Bar;   // where the bar image (turned for the side) is stretched
  bool operator==(const TabPagePlan& o) const {
    return Page == o.Page && Edge == o.Edge && Bar == o.Bar;
  }
};

// display is the control's display area (the platform's adjustment of its client rectangle);
// the bar size is that of the bar image turned for the side.
TabPagePlan TabPage(const Rect& display, TabSide side, int barWidth, int barHeight);

struct TabFace {
  Size Face;                // the upright face: the tab's size, its sides exchanged for left and right
  std::vector<Rect> Image;  // where the tab image is drawn in three parts, in order
  Rect Caption;
  std::optional<Point> Icon;  // the tab's image-list image
  bool operator==(const TabFace& o) const {
    return Face.Width == o.Face.Width && Face.Height == o.Face.Height && Image == o.Image &&
           Caption == o.Caption && Icon == o.Icon;
  }
};

// One tab within tab (control coordinates): tabImageHeight is the tab image's height; icon
// is the size of the tab's image-list image, absent without one. For the bottom side the face
// is turned upside down before the icon goes on it, so its place keeps clear of the edge.
TabFace TabFaceOf(const Rect& tab, TabSide side, int tabImageHeight, Size caption,
                  std::optional<Size> icon);

}  // namespace skin
