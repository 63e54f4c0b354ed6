#pragma once
#include <array>
#include <optional>

#include "skin/core/image.h"
#include "skin/core/skin_reader.h"

namespace skin {

// Bitmaps cut and turned once per loaded skin for the skinners that draw them often.
class TkivSkinRes {
public:
  virtual ~TkivSkinRes() = default;
  // The reader is not owned.
  void SetReader(const TkivSkinReader* reader);
  virtual void Reload() {}

protected:
  const TkivSkinReader* FReader = nullptr;
};

// The scroll-bar arrows and sliders. Kinds 1-6 are the six frames of "ScrollBarButtonImage";
// the vertical set is them as stored, the horizontal set turned a quarter left. The
// horizontal slider is "ScrollBarSliderImage" as stored, the vertical one turned a quarter
// right. Absent when the skin lacks them or no skin is ready.
class TkivSkinScrollBtnRes : public TkivSkinRes {
public:
  void Reload() override;
  const Image* VertButton(int kind) const;
  const Image* HorzButton(int kind) const;
  const Image* HorzSlider() const;
  const Image* VertSlider() const;

private:
  std::array<std::optional<Image>, 6> FVertButtons;
  std::array<std::optional<Image>, 6> FHorzButtons;
  std::optional<Image> FHorzSlider;
  std::optional<Image> FVertSlider;
};

// The tab-control bitmaps in the four orientations of the tab positions.
enum class TabSide { Top, Left, Bottom, Right };

class TkivSkinTabRes : public TkivSkinRes {
public:
  void Reload() override;
  // "TabControlBarImage" turned for that side: as stored for the top, a quarter left for
  // the left, a half turn for the bottom, a quarter right for the right.
  const Image* Bar(TabSide side) const;
  // Frame 1 (selected) or 2 of "TabControlTabImage", turned the same way.
  const Image* Tab(bool selected, TabSide side) const;

private:
  std::array<std::optional<Image>, 4> FBars;
  std::array<std::optional<Image>, 4> FSelectedTabs;
  std::array<std::optional<Image>, 4> FOtherTabs;
};

}  // namespace skin
