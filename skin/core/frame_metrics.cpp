#include "skin/core/frame_metrics.h"

#include <algorithm>

namespace skin {
namespace {

// The platform's own border, which a skin's thinner one is widened to.
constexpr int kPlatformBorder = 4;
// The smallest title a measured frame gets.
constexpr int kMinUnskinnedFrame = 23;
// The platform menu bar and the lower border, which the measured frame leaves out.
constexpr int kPlatformMenuBar = 20;
// A window with round corners is kept high enough for both of them.
constexpr int kRoundCornerMinHeight = 66;

// Families of the skins' "ControlFontColor".
constexpr std::int32_t kFamilyBlack = 0x10000, kFamilyBlue = 0x20000, kFamilyOlive = 0x30000,
                       kFamilySilver = 0x40000, kFamilySteel = 0x50000;

}  // namespace

Color MenuBarColorOf(std::int32_t menuMenuBarColor, std::int32_t controlFontColor,
                     std::int32_t formBackgroundColor) {
  if (menuMenuBarColor != -1)
    return Color(menuMenuBarColor);
  if (controlFontColor == kFamilyBlue || controlFontColor == kFamilySteel)
    return 0xAC5B3B;
  if (controlFontColor == kFamilyOlive)
    return 0x996733;
  return Color(formBackgroundColor);
}

Color TitleFontColorOf(std::int32_t titleBarFontColor, std::int32_t controlFontColor) {
  if (titleBarFontColor != -1)
    return Color(titleBarFontColor);
  switch (controlFontColor) {
    case kFamilyBlack:
    case kFamilyOlive:
    case kFamilySilver:
    case kFamilySteel:
      return 0x000000;
    default:
      return 0xFFFFFF;
  }
}

FrameMetrics ReadFrameMetrics(const TkivSkinReader& reader) {
  FrameMetrics metrics;
  Image image;
  if (reader.GetBitmap("TitleBarLeftImage", image))
    metrics.TitleHeight = image.Height();
  metrics.BorderWidth = reader.GetBitmap("FormLeftBorderImage", image)
                            ? image.Width()
                            : reader.GetInt("FormBorderWidthInt");
  if (reader.GetBitmap("FormBottomBorderImage", image))
    metrics.BottomBorderHeight = image.Height();
  return metrics;
}

int SideBorderWidth(const FrameMetrics& metrics) {
  return std::max(metrics.BorderWidth, kPlatformBorder);
}

int BottomBorderWidth(const FrameMetrics& metrics) {
  return metrics.BottomBorderHeight > 0 ? metrics.BottomBorderHeight : SideBorderWidth(metrics);
}

Rect SkinnedClientRect(const Rect& window, const Rect& proposed, const FrameMetrics& metrics,
                       const FrameShape& shape) {
  Rect client = proposed;
  const bool measured = shape.UnskinnedFrameHeight > 0;
  if (shape.MaximizedMDIChild)
    client.Top = 0;
  else if (shape.TitleHeight == 0)
    client.Top = window.Top;
  else if (measured)
    client.Top = window.Top + std::max(shape.TitleHeight, shape.UnskinnedFrameHeight);
  const int side = shape.HasBorder ? SideBorderWidth(metrics) : 0;
  client.Left = window.Left + side;
  client.Right = window.Right - side;
  if (measured)
    client.Bottom = window.Bottom - (shape.HasBorder ? BottomBorderWidth(metrics) : 0);
  return client;
}

int UnskinnedFrameHeight(int formHeight, int clientHeight, bool hasMainMenu) {
  return std::max(formHeight - clientHeight - (hasMainMenu ? kPlatformMenuBar : 0) -
                      kPlatformBorder,
                  kMinUnskinnedFrame);
}

SizeLimits SkinnedSizeLimits(const SizeLimits& own, int menuBarHeight, int formMinWidthInt,
                             int roundCornerInt, bool dialog) {
  SizeLimits limits = own;
  limits.MinHeight = std::max(limits.MinHeight, menuBarHeight + 6);
  if (roundCornerInt > 0)
    limits.MinHeight = std::max(limits.MinHeight, kRoundCornerMinHeight);
  if (!dialog)
    limits.MinWidth = std::max(limits.MinWidth, formMinWidthInt);
  return limits;
}

void ShiftForMenuBar(bool anchoredTop, bool anchoredBottom, int delta, int& top, int& height) {
  if (anchoredBottom && !anchoredTop)
    return;
  top += delta;
  if (anchoredBottom)
    height -= delta;
}

}  // namespace skin
