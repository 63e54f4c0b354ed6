#pragma once
#include <cstdint>

#include "skin/core/geometry.h"
#include "skin/core/image.h"
#include "skin/core/skin_reader.h"

namespace skin {

// The colours the skin names only by its family ("ControlFontColor"): the menu bar, and the
// title text. An entry of the skin's own (not -1) wins over the family's.
Color MenuBarColorOf(std::int32_t menuMenuBarColor, std::int32_t controlFontColor,
                     std::int32_t formBackgroundColor);
Color TitleFontColorOf(std::int32_t titleBarFontColor, std::int32_t controlFontColor);

// The sizes of a skinned frame, as a loaded skin gives them.
struct FrameMetrics {
  int TitleHeight = 0;         // of "TitleBarLeftImage", 0 without it
  int BorderWidth = 0;         // of "FormLeftBorderImage", else "FormBorderWidthInt"
  int BottomBorderHeight = 0;  // of "FormBottomBorderImage", 0 without it
  bool operator==(const FrameMetrics& o) const {
    return TitleHeight == o.TitleHeight && BorderWidth == o.BorderWidth &&
           BottomBorderHeight == o.BottomBorderHeight;
  }
};
FrameMetrics ReadFrameMetrics(const TkivSkinReader& reader);

// The side borders are never thinner than the platform's 4 pixels; the bottom border is the
// skin's own image, or a side border's width without one.
int SideBorderWidth(const FrameMetrics& metrics);
int BottomBorderWidth(const FrameMetrics& metrics);

// What a window's skinned frame looks like now.
struct FrameShape {
  int TitleHeight = 0;           // 0 when the window has no skinned title
  int UnskinnedFrameHeight = 0;  // measured before the first skin; 0 or less: not measured
  bool HasBorder = true;
  // A maximised MDI child's title lies above its parent's client area, where the platform
  // put it: its client starts at the parent's top whatever the title.
  bool MaximizedMDIChild = false;
};

// The client rectangle of a window at `window` (screen or parent coordinates). The sides come
// from the borders; the top and bottom only once the unskinned frame was measured, else they
// stay as the platform proposed them.
Rect SkinnedClientRect(const Rect& window, const Rect& proposed, const FrameMetrics& metrics,
                       const FrameShape& shape);

// The non-client height of a form before it is skinned, without its platform menu bar and
// lower border: the space the skinned title gets at least. Never below 23.
int UnskinnedFrameHeight(int formHeight, int clientHeight, bool hasMainMenu);

// Minimum sizes of a skinned form: its own limits (0: none), raised to fit the menu bar and
// the round corners and, unless it is a dialog, to the skin's minimum width.
struct SizeLimits {
  int MinWidth = 0;
  int MinHeight = 0;
  bool operator==(const SizeLimits& o) const {
    return MinWidth == o.MinWidth && MinHeight == o.MinHeight;
  }
};
SizeLimits SkinnedSizeLimits(const SizeLimits& own, int menuBarHeight, int formMinWidthInt,
                             int roundCornerInt, bool dialog);

// A control of a form whose menu bar appears (delta > 0) or goes (delta < 0): anchored at the
// bottom only it stays; anchored at top and bottom it moves and gives up the height it moved;
// otherwise it moves.
void ShiftForMenuBar(bool anchoredTop, bool anchoredBottom, int delta, int& top, int& height);

}  // namespace skin
