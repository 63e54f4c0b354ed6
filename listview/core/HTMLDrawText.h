// The mark-up renderer: lays a mark-up text out line by line in a rectangle and measures it,
// paints it, or tells which anchor lies under a point.
#pragma once

#include <string>

#include "listview/core/HTMLCanvas.h"

namespace listview {

struct THTMLDrawParams {
  std::string Text;
  TRect Rect;                     // the formatting rectangle
  THTMLImages* Images = nullptr;  // image list, shell icons, container and cache pictures
  int HitX = -1;
  int HitY = -1;
  int FocusAnchorIndex = -1;  // anchor (from 0) that gets a focus rectangle
  int HoverAnchorIndex = -1;  // anchor (from 1) under the mouse
  int ShadowOffset = 1;
  bool HitTestOnly = false;   // the second pass of each line does not paint
  bool MeasureOnly = false;   // no second pass at all
  bool PrintScaling = false;  // image-list images and shell icons stretched by PrintScale
  bool Selected = false;      // the mark-up's text and background colours are not applied
  bool BlinkVisible = true;
  bool HoverOnlyUnderline = false;
  bool WordWrap = false;
  double PrintScale = 1.0;
  TColor AnchorColor = 0xFF0000;
  TColor HoverBackColor = clNone;
  TColor HoverTextColor = clNone;
  TColor ShadowColor = clGray;
  int LineSpacing = 0;
};

struct THTMLDrawOutput {
  std::string HitAnchor;  // set whenever a pass finds the point on an anchor; kept otherwise
  std::string PlainText;  // the text without tags, from every pass
  std::string FocusedAnchor;
  int LaidWidth = 0;      // the widest line
  int LaidHeight = 0;     // the lines' heights; TextHeight("gh") when none was laid out
  int AnchorCount = 0;
  int HitAnchorIndex = -1;  // from 1
  TRect HitAnchorRect;
};

// True when (HitX, HitY) lies on an anchor. The canvas's font and brush colour are restored
// at the end, its pen colour is not.
bool DrawHTMLText(THTMLCanvas& canvas, const THTMLDrawParams& params, THTMLDrawOutput& output);

}  // namespace listview
