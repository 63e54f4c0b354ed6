// Until the mark-up renderer is here, a mark-up text is drawn as one plain line, its tags left
// out, and measured as such; nothing is an anchor.
#include "listview/HTMLDraw.h"

bool DrawHTML(TCanvas* Canvas, const std::string& Text, TRect Rect, TImageList*, int, int, bool HitTestOnly,
              bool MeasureOnly, bool, bool, bool, double, TColor, std::string& HitAnchor, std::string& PlainText,
              int& LaidWidth, int& LaidHeight) {
  PlainText.clear();
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '<' && Text.find('>', i) != std::string::npos) i = Text.find('>', i);
    else PlainText += Text[i];
  }
  HitAnchor.clear();
  const SIZE size = Canvas->TextExtent(PlainText);
  LaidWidth = size.cx;
  LaidHeight = size.cy;
  if (!HitTestOnly && !MeasureOnly)
    DrawTextA(Canvas->Handle(), PlainText.c_str(), -1, &Rect, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
  return false;
}
