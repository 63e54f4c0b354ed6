#pragma once
// Colour values as the mark-up renderer reads them, and the banded two-colour gradient it fills
// paragraph and page backgrounds with.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "listview/core/Geometry.h"

namespace listview {

// 0x00BBGGRR; a top byte of 0xFF names a system colour by the index in the low byte.
using TColor = std::uint32_t;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clGray = 0x808080;

// "#RRGGBB". A pair shorter than two characters (a short text) is 0; digits "A".."F" are worth
// 10..15, as attribute texts are upper-cased before they get here.
TColor ColorFromHex(const std::string& text);

// One of the forty lower-case names "clred".."clinfobk"; any other name is black (0).
TColor ColorFromName(const std::string& name);

// Turns a system colour into its RGB value; other values come back unchanged.
using ColorResolver = std::function<TColor(TColor)>;

struct GradientBand {
  TColor Color;
  TRect Rect;
};

// The bands of DrawGradient: Steps bands (0 counts as 1) from colour From towards To, across
// (Horizontal: columns left to right) or down the rectangle. Each band is at least one pixel
// and none reaches past the rectangle's right (bottom) edge; the last is From plus
// (Steps-1)/Steps of the difference, never To itself.
std::vector<GradientBand> GradientBands(TColor From, TColor To, bool Horizontal, const TRect& R,
                                        int Steps, const ColorResolver& ToRGB);

}  // namespace listview
