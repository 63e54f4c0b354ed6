#include "skin/core/plain_window.h"

#include <algorithm>

namespace skin {
namespace {

// The button types of the platform, style & 0xF.
constexpr std::uint32_t kTypeMask = 0xF;

// How much the skinned frame is higher than the platform's, as the frame calculation takes
// it: the title (never less than the frame it replaces) and the bottom border.
int ExtraHeight(const PlainFrame& frame) {
  const int top =
      frame.TitleHeight == 0 ? 0 : std::max(frame.TitleHeight, frame.UnskinnedFrameHeight);
  return top + BottomBorderWidth(frame.Metrics) - frame.UnskinnedFrameHeight;
}

}  // namespace

WndButtonKind WndButtonKindOf(std::uint32_t style) {
  switch (style & kTypeMask) {
    case 0x0:  // push
    case 0x1:  // default push
    case 0x8:  // user button
      return WndButtonKind::PushButton;
    case 0x2:  // check box
    case 0x3:  // auto check box
    case 0x5:  // three-state
    case 0x6:  // auto three-state
      return WndButtonKind::CheckBox;
    case 0x4:  // radio
    case 0x9:  // auto radio
      return WndButtonKind::RadioButton;
    default:  // group box, owner-draw, push-box, split, command link
      return WndButtonKind::None;
  }
}

Size GrownWindowSize(const Size& unskinned, const PlainFrame& frame) {
  return {unskinned.Width + 2 * SideBorderWidth(frame.Metrics),
          unskinned.Height + ExtraHeight(frame)};
}

Size ShrunkWindowSize(const Size& skinned, const PlainFrame& frame) {
  return {skinned.Width - 2 * SideBorderWidth(frame.Metrics), skinned.Height - ExtraHeight(frame)};
}

bool NeedsRefit(const Size& client, const Size& savedClient) {
  return client.Height < savedClient.Height && 2 * client.Width > 3 * savedClient.Width;
}

int RefitHeight(int windowHeight, const PlainFrame& frame) {
  return windowHeight + ExtraHeight(frame);
}

}  // namespace skin
