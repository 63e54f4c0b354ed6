#include "skin/core/mdi_layout.h"

#include <cmath>

namespace skin {
namespace {

constexpr int kCascadeStep = 22;
constexpr int kMinimizedRow = 25;
// Between two tiled children, and once more round a single one.
constexpr int kTileGap = 2;

}  // namespace

std::vector<Rect> CascadeRects(int count, int clientWidth, int clientHeight) {
  const int width = static_cast<int>(std::lround(clientWidth * 0.8));
  const int height = static_cast<int>(std::lround(clientHeight * 0.6));
  std::vector<Rect> rects;
  for (int i = 0; i < count; ++i) {
    const int at = i * kCascadeStep;
    rects.push_back({at, at, at + width, at + height});
  }
  return rects;
}

std::vector<Rect> TileRects(const TileInput& in) {
  std::vector<Rect> rects;
  if (in.Count <= 0)
    return rects;
  const int available = in.ClientHeight - (in.SomeMinimized ? kMinimizedRow : 0);
  const int across = in.Horizontal ? available : in.ClientWidth;
  const int slot = across / in.Count;
  const int extent = slot - kTileGap - (in.Count == 1 ? kTileGap : 0);
  for (int i = 0; i < in.Count; ++i) {
    const int at = i * slot;
    if (in.Horizontal)
      rects.push_back({0, at, in.ClientWidth - 2 * kTileGap, at + extent});
    else
      rects.push_back({at, 0, at + extent, available - 2 * kTileGap});
  }
  return rects;
}

}  // namespace skin
