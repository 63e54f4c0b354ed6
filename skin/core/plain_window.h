#pragma once
#include <cstdint>

#include "skin/core/frame_metrics.h"
#include "skin/core/geometry.h"

namespace skin {

// Which skinner a "BUTTON" child of a plain dialog gets, by its button type (the low four
// style bits). Owner-draw, push-box, split and command-link buttons and group boxes keep their
// own look.
enum class WndButtonKind { None, PushButton, CheckBox, RadioButton };
WndButtonKind WndButtonKindOf(std::uint32_t style);

// A plain window's frame: the skinned title and the non-client height the platform gave it
// before skinning (window height - client height).
struct PlainFrame {
  FrameMetrics Metrics;
  int TitleHeight = 0;
  int UnskinnedFrameHeight = 0;
};

// The window sizes that keep a plain window's client area when its frame is skinned and
// unskinned: the insets are the ones the skinned frame calculation takes from the window.
Size GrownWindowSize(const Size& unskinned, const PlainFrame& frame);
Size ShrunkWindowSize(const Size& skinned, const PlainFrame& frame);

// A dialog the platform laid out again after skinning (a message box re-wraps its text wider
// and lower) is refitted once: when it is not maximised, lower and more than half as wide
// again as before. The height it then gets.
bool NeedsRefit(const Size& client, const Size& savedClient);
int RefitHeight(int windowHeight, const PlainFrame& frame);

}  // namespace skin
