#include "skin/core/skin_res.h"

#include <utility>

#include "skin/core/bitmap_ops.h"

namespace skin {
namespace {

constexpr int kScrollButtonFrames = 6;

const Image* Cached(const std::optional<Image>& bitmap) {
  return bitmap ? &*bitmap : nullptr;
}

// The four orientations of one bitmap, in the order of TabSide.
std::array<std::optional<Image>, 4> Turned(const Image& bitmap) {
  std::array<std::optional<Image>, 4> sides{bitmap, bitmap, bitmap, bitmap};
  RotateBitmapLeft(*sides[int(TabSide::Left)]);
  RotateBitmap180(*sides[int(TabSide::Bottom)]);
  RotateBitmapRight(*sides[int(TabSide::Right)]);
  return sides;
}

}  // namespace

void TkivSkinRes::SetReader(const TkivSkinReader* reader) {
  FReader = reader;
  Reload();
}

void TkivSkinScrollBtnRes::Reload() {
  FVertButtons = {};
  FHorzButtons = {};
  FHorzSlider.reset();
  FVertSlider.reset();
  if (!FReader || !FReader->Ready())
    return;
  Image strip;
  if (FReader->GetBitmap("ScrollBarButtonImage", strip)) {
    for (int i = 0; i < kScrollButtonFrames; ++i) {
      FVertButtons[i] = ExtractFrameBitmap(strip, kScrollButtonFrames, i + 1);
      FHorzButtons[i] = FVertButtons[i];
      RotateBitmapLeft(*FHorzButtons[i]);
    }
  }
  Image slider;
  if (FReader->GetBitmap("ScrollBarSliderImage", slider)) {
    FHorzSlider = slider;
    RotateBitmapRight(slider);
    FVertSlider = std::move(slider);
  }
}

const Image* TkivSkinScrollBtnRes::VertButton(int kind) const {
  return kind >= 1 && kind <= kScrollButtonFrames ? Cached(FVertButtons[kind - 1]) : nullptr;
}

const Image* TkivSkinScrollBtnRes::HorzButton(int kind) const {
  return kind >= 1 && kind <= kScrollButtonFrames ? Cached(FHorzButtons[kind - 1]) : nullptr;
}

const Image* TkivSkinScrollBtnRes::HorzSlider() const { return Cached(FHorzSlider); }

const Image* TkivSkinScrollBtnRes::VertSlider() const { return Cached(FVertSlider); }

void TkivSkinTabRes::Reload() {
  FBars = {};
  FSelectedTabs = {};
  FOtherTabs = {};
  if (!FReader || !FReader->Ready())
    return;
  Image bitmap;
  if (FReader->GetBitmap("TabControlBarImage", bitmap))
    FBars = Turned(bitmap);
  if (FReader->GetFrameBitmap("TabControlTabImage", bitmap, 2, 1))
    FSelectedTabs = Turned(bitmap);
  if (FReader->GetFrameBitmap("TabControlTabImage", bitmap, 2, 2))
    FOtherTabs = Turned(bitmap);
}

const Image* TkivSkinTabRes::Bar(TabSide side) const { return Cached(FBars[int(side)]); }

const Image* TkivSkinTabRes::Tab(bool selected, TabSide side) const {
  return Cached((selected ? FSelectedTabs : FOtherTabs)[int(side)]);
}

}  // namespace skin
