// The two passes over each line, and the runs of text between tags.
#include "listview/core/HTMLLayout.h"

#include <algorithm>
#include <cctype>

#include "listview/core/HTMLText.h"

namespace listview {

bool DrawHTMLText(THTMLCanvas& canvas, const THTMLDrawParams& params, THTMLDrawOutput& output) {
  return THTMLLayout(canvas, params, output).DrawHTMLText();
}

bool THTMLLayout::DrawHTMLText() {
  FBase = FMeasureFont = FPaintFont = C.Font();
  FEntryBrush = C.BrushColor();
  C.SetBrushColor(clNone);
  O.PlainText.clear();
  O.FocusedAnchor.clear();
  O.LaidWidth = O.LaidHeight = O.AnchorCount = 0;
  O.HitAnchorIndex = -1;

  std::string text = PrepareMarkup(P.Text);
  FLine = P.Rect;
  FLine.Left += 1;
  bool hit = false;
  while (!text.empty()) {
    C.SetFont(FMeasureFont);
    THTMLLine line;
    line.Height = C.TextHeight("gh");
    const int gh = line.Height;
    const int anchors = FAnchors, level = FListLevel, images = FImages;
    const bool inAnchor = FInAnchor;
    const std::string target = FAnchorTarget;
    RenderHTMLPass(text, FLine, false, FMeasureFont, line);
    FInAnchor = inAnchor;
    FAnchorTarget = target;
    line.Height += P.LineSpacing;

    TRect draw = FLine;
    if (FAlign == THTMLAlign::Right && draw.Right - line.Width > draw.Left)
      draw.Left = draw.Right - line.Width;
    if (FAlign == THTMLAlign::Center && draw.Right - draw.Left - line.Width > 0)
      draw.Left += (draw.Right - draw.Left - line.Width) / 2;
    draw.Left += FIndent;
    const int height = line.Height + line.SubOffset + line.SupOffset;
    draw.Bottom = draw.Top + height;

    if (!P.MeasureOnly) {
      C.SetFont(FPaintFont);
      FAnchors = anchors;
      FListLevel = level;
      FImages = images;
      std::string raw = line.Raw;
      RenderHTMLPass(raw, draw, !P.HitTestOnly, FPaintFont, line);
      const int textBottom = draw.Bottom - line.ImageOffset;
      if ((line.TextHit && textBottom - gh < P.HitY && P.HitY < textBottom) || line.ImageHit)
        hit = true;
    }
    FLine.Top += height;
    O.LaidHeight += height;
    // A painted text ends after its last whole line.
    if (!P.MeasureOnly && FLine.Top + gh > FLine.Bottom) text.clear();
  }
  if (O.LaidHeight == 0) O.LaidHeight = C.TextHeight("gh");
  CloseRotatedFont();
  O.AnchorCount = FAnchors;
  C.SetBrushColor(FEntryBrush);
  C.SetFont(FBase);
  return hit;
}

unsigned THTMLLayout::TextFormat() const {
  return dtSingleLine | dtBottom | dtExpandTabs | (P.WordWrap ? 0u : unsigned{dtEndEllipsis});
}

void THTMLLayout::RenderHTMLPass(std::string& text, TRect lineRect, bool painting,
                                 THTMLFont& font, THTMLLine& line) {
  lineRect.Bottom -= line.SubOffset;
  line.Raw.clear();
  line.Width = 0;
  line.TextHit = line.ImageHit = false;
  TPass p{lineRect, lineRect, painting, font, line, ""};
  if (FParagraphBack && painting) {
    C.SetPenColor(C.BrushColor());
    C.Rectangle({P.Rect.Left, lineRect.Top, P.Rect.Right, lineRect.Top + line.Height});
  }
  int trailing = 0;
  while (!text.empty() && !p.Done && !p.Stopped) {
    const std::size_t tag = text.find('<');
    const std::size_t space = P.WordWrap ? text.find(' ') : std::string::npos;
    std::size_t length = text.size();
    if (tag != std::string::npos && (space == std::string::npos || space > tag)) length = tag;
    else if (space != std::string::npos) length = space + 1;
    const std::string raw = text.substr(0, length);
    std::string run = raw;
    ReplaceAll("&nbsp;", " ", run);
    ReplaceAll("&lt;", "<", run);
    ReplaceAll("&gt;", ">", run);
    if (!run.empty()) LayRun(p, text, raw, run, trailing);

    if (!text.empty() && text.size() <= 2 && text[0] == '<') text.clear();
    if (!p.Done && text.size() > 2 && text[0] == '<') {
      const bool closing = text[1] == '/' && text.size() > 3 && std::isalpha(static_cast<unsigned char>(text[2]));
      if (closing) CloseTag(p, text);
      else OpenTag(p, text);
      if (!p.Stopped) {
        const std::size_t end = text.find('>');
        if (end == std::string::npos) {
          text.clear();
        } else {
          line.Raw += text.substr(0, end + 1);
          text.erase(0, end + 1);
        }
      }
    }
  }
  line.Width -= trailing;
  O.LaidWidth = std::max(O.LaidWidth, line.Width);
  if (painting) EndFocusedLine(p);
}

void THTMLLayout::LayRun(TPass& p, std::string& text, const std::string& raw,
                         const std::string& run, int& trailing) {
  THTMLLine& line = p.Line;
  const int h = C.TextHeight(run);
  if (FSubscript) line.SubOffset = std::max(line.SubOffset, h / 4);
  if (FSuperscript) line.SupOffset = std::max(line.SupOffset, h / 4);
  line.Height = std::max(line.Height, h);
  O.PlainText += run;
  if (FHidden) {
    text.erase(0, raw.size());
    return;
  }
  int runWidth = 0;  // text drawn while painting takes no room in the line's width
  if (p.Painting) {
    DrawRun(p, run);
  } else {
    p.Run = p.LineRect;
    TRect measured = p.Run;
    C.DrawText(run, measured, TextFormat() | dtExternalLeading | dtCalcRect);
    runWidth = measured.Width();
    const int before = line.Width;
    line.Width += runWidth;
    TextHitTest(p, before, line.Width);
  }
  const int available = p.LineRect.Width();
  bool fits = line.Width < available || runWidth >= available;
  const bool first = p.LineText.empty();
  // A word split by a tag stays together.
  if (!fits && !first && p.LineText.back() != ' ') fits = true;
  p.LineText += run;
  if (fits || !P.WordWrap) {
    line.Raw += raw;
    // Without word wrap the run that overflows is the last one laid.
    if (!p.Painting && !fits && !first) text.clear();
    else text.erase(0, raw.size());
    trailing = raw.back() == ' ' ? C.TextWidth(" ") : 0;
  } else {
    p.Done = true;
    line.Width -= runWidth;
  }
}

void THTMLLayout::DrawRun(TPass& p, const std::string& run) {
  TRect& r = p.Run;
  if (FSuperscript) r.Bottom -= p.Line.SupOffset;
  if (FSubscript) r.Bottom += p.Line.SubOffset;
  r.Bottom -= p.Line.ImageOffset;
  if (FShadow) {
    THTMLFont shadow = p.Font;
    shadow.Color = P.ShadowColor;
    C.SetFont(shadow);
    const int d = P.ShadowOffset;
    TRect s{r.Left + d, r.Top + d, r.Right + d, r.Bottom + d};
    C.DrawText(run, s, TextFormat());
    ApplyFont(p);
  }
  C.DrawText(run, r, TextFormat());
  C.DrawText(run, r, TextFormat() | dtCalcRect);
  if (FocusedAnchorOpen()) O.FocusedAnchor = FAnchorTarget;
  if (FErrorMark) DrawErrorMark(r);
  r = {r.Right, p.LineRect.Top, p.LineRect.Right, p.LineRect.Bottom};
}

void THTMLLayout::DrawErrorMark(const TRect& r) {
  C.SetPenColor(clRed);
  C.SetPenWidth(1);
  int x = r.Left / 2 * 2;
  int offset = x % 4 == 0 ? 2 : 0;
  C.MoveTo(x, r.Bottom + offset - 1);
  while (x < r.Right) {
    x += 2;
    offset = 2 - offset;
    C.LineTo(x, r.Bottom + offset - 1);
  }
}

void THTMLLayout::TextHitTest(TPass& p, int before, int after) {
  const int x = P.HitX - p.LineRect.Left;
  if (!FInAnchor || x < before || x > after) return;
  p.Line.TextHit = true;
  if (P.HitY > p.Run.Top) {
    O.HitAnchor = FAnchorTarget;
    FHitPending = true;
  }
}

}  // namespace listview
