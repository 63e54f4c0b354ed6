// DrawHTML: the renderer as the list view's header, cells and hints call it. What they leave
// fixed keeps the defaults of THTMLDrawParams: no focused or hovered anchor, a one-pixel grey
// shadow, no word wrap, no hover colours, no pictures by name or source, no line spacing.
#include "listview/HTMLDraw.h"

#include "listview/HTMLGDI.h"
#include "listview/core/HTMLDrawText.h"

bool DrawHTML(TCanvas* Canvas, const std::string& Text, TRect Rect, TImageList* Images,
              int HitX, int HitY, bool HitTestOnly, bool MeasureOnly, bool PrintScaling,
              bool Selected, bool BlinkVisible, double PrintScale, TColor AnchorColor,
              std::string& HitAnchor, std::string& PlainText, int& LaidWidth, int& LaidHeight) {
  THTMLGDICanvas canvas(Canvas);
  THTMLGDIImages images(Canvas, Images);
  listview::THTMLDrawParams params;
  params.Text = Text;
  params.Rect = {Rect.left, Rect.top, Rect.right, Rect.bottom};
  params.Images = &images;
  params.HitX = HitX;
  params.HitY = HitY;
  params.HitTestOnly = HitTestOnly;
  params.MeasureOnly = MeasureOnly;
  params.PrintScaling = PrintScaling;
  params.Selected = Selected;
  params.BlinkVisible = BlinkVisible;
  params.PrintScale = PrintScale;
  params.AnchorColor = AnchorColor;
  listview::THTMLDrawOutput output;
  output.HitAnchor = HitAnchor;
  const bool hit = listview::DrawHTMLText(canvas, params, output);
  HitAnchor = output.HitAnchor;
  PlainText = output.PlainText;
  LaidWidth = output.LaidWidth;
  LaidHeight = output.LaidHeight;
  return hit;
}
