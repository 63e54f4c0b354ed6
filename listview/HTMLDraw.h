#pragma once
// The mark-up renderer's short entry, as the list view's header, cells and hints call it:
// draws (or only measures, or only hit-tests) a mark-up text in a rectangle of a canvas.
#include <string>

#include "framework/Classes.h"
#include "framework/Graphics.h"

class TImageList;

// Returns true when (HitX, HitY) lies on an anchor; HitAnchor then holds its target.
bool DrawHTML(TCanvas* Canvas, const std::string& Text, TRect Rect, TImageList* Images,
              int HitX, int HitY, bool HitTestOnly, bool MeasureOnly, bool PrintScaling,
              bool Selected, bool BlinkVisible, double PrintScale, TColor AnchorColor,
              std::string& HitAnchor, std::string& PlainText, int& LaidWidth, int& LaidHeight);
