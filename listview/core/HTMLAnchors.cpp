// Anchors with their hover and focus looks and hit rectangles, images from their five kinds
// of source, and the tiled BODY picture.
#include "listview/core/HTMLLayout.h"

#include <algorithm>

#include "listview/core/HTMLText.h"

namespace listview {

void THTMLLayout::OpenAnchor(TPass& p, const std::string& tag) {
  if (p.Painting && FAnchors == P.FocusAnchorIndex) {
    FFocus.Left = p.Run.Left;
    FFocus.Top = p.Run.Top;
  }
  const int number = ++FAnchors;
  const bool hovered = number == P.HoverAnchorIndex;
  THTMLFont& font = p.Font;
  if (p.Painting && (!P.HoverOnlyUnderline || hovered)) {
    font.Underline = true;
    if (P.HoverBackColor != clNone) {
      FHoverBackSaved = C.BrushColor();
      C.SetBrushColor(P.HoverBackColor);
    }
    if (P.HoverTextColor != clNone) {
      FHoverTextSaved = font.Color;
      font.Color = P.HoverTextColor;
    }
  }
  const bool keepHoverText = P.HoverTextColor != clNone && hovered && P.HoverOnlyUnderline;
  if (!P.Selected && !keepHoverText) font.Color = P.AnchorColor;
  const std::size_t end = tag.find('>');
  FAnchorTarget = BetweenQuotes(tag.substr(0, end), 2);
  FInAnchor = true;
  FHitRect.Left = p.LineRect.Left + p.Line.Width;
  FHitRect.Top = p.LineRect.Top;
}

void THTMLLayout::CloseAnchor(TPass& p) {
  const int number = FAnchors;
  THTMLFont& font = p.Font;
  if (p.Painting && !(P.HoverOnlyUnderline && number != P.HoverAnchorIndex)) {
    font.Underline = false;
    if (P.HoverBackColor != clNone) C.SetBrushColor(FHoverBackSaved);
    if (P.HoverTextColor != clNone) font.Color = FHoverTextSaved;
  }
  if (!P.Selected) font.Color = FBase.Color;
  FInAnchor = false;
  if (FHitPending) {
    FHitRect.Right = p.LineRect.Left + p.Line.Width;
    FHitRect.Bottom = p.LineRect.Bottom;
    // An anchor begun on an earlier line is reported from the start of this one.
    if (FHitRect.Top != p.LineRect.Top) {
      FHitRect.Left = p.LineRect.Left;
      FHitRect.Top = p.LineRect.Top;
    }
    O.HitAnchorRect = FHitRect;
    O.HitAnchorIndex = number;
    FHitPending = false;
  }
  if (number - 1 == P.FocusAnchorIndex) {
    FFocus.Right = p.Run.Left + 1;
    FFocus.Bottom = p.Run.Bottom - p.Line.ImageOffset;
    FFocus.Top = FFocus.Bottom - C.TextHeight("gh");
    FFocus.Left -= 1;
    if (p.Painting) C.DrawFocusRect(FFocus);
  }
}

// The focus rectangle of an anchor that goes on to the next line is drawn up to this line's end.
void THTMLLayout::EndFocusedLine(TPass& p) {
  if (!FocusedAnchorOpen()) return;
  FFocus.Right = p.Run.Left + 1;
  FFocus.Bottom = p.Run.Bottom;
  FFocus.Left -= 1;
  C.DrawFocusRect(FFocus);
  FFocus.Left = p.LineRect.Left + 1;
  FFocus.Top = FFocus.Bottom;
}

void THTMLLayout::ImageTag(TPass& p, const std::string& tag) {
  const int number = ++FImages;
  std::string attributes = TagAttributes(tag, 3);
  std::string source = AttributeValue(attributes, "SRC");
  attributes = UpperCase(attributes);
  // An image under the hit point shows its ALT picture.
  if (PosNoCase("ALT", attributes) && number == FHoverImage)
    source = AttributeValue(attributes, "ALT");
  const TSize size = PlaceImage(p, source, IntOfText(AttributeValue(attributes, "WIDTH")),
                                IntOfText(AttributeValue(attributes, "HEIGHT")));
  THTMLLine& line = p.Line;
  const int x = P.HitX - p.LineRect.Left;
  if (FInAnchor && line.Width < x && x < line.Width + size.Width && p.Run.Top < P.HitY &&
      P.HitY < p.Run.Top + size.Height) {
    line.ImageHit = true;
    O.HitAnchor = FAnchorTarget;
    FHoverImage = number;
  }
  const int available = p.LineRect.Width();
  // An image wider than the rest of the line starts the next one; one wider than any line stays.
  if (line.Width + size.Width > available && size.Width < available) {
    p.Stopped = true;
    return;
  }
  line.Width += size.Width;
  p.Run.Left += size.Width;
  line.Height = std::max(line.Height, size.Height);
  if (PosNoCase("ALIGN", attributes)) {
    if (attributes.find("\"TOP") != std::string::npos)
      line.ImageOffset = line.Height - C.TextHeight("gh");
    else if (attributes.find("\"MIDDLE") != std::string::npos)
      line.ImageOffset = (line.Height - C.TextHeight("gh")) / 2;
  }
}

// Draws the image of a source when painting; returns the room it takes, 0 x 0 for none.
TSize THTMLLayout::PlaceImage(TPass& p, std::string source, int width, int height) {
  TSize size;
  if (!P.Images) return size;
  THTMLImages& images = *P.Images;
  const int ppiX = C.PixelsPerInchX(), ppiY = C.PixelsPerInchY();
  const int left = p.Run.Left, top = p.Run.Top;
  if (PosNoCase("IDX:", source)) {
    source.erase(0, 4);
    const int index = IntOfText(source);
    if (index >= 0 && index < images.ImageCount()) {
      const TSize natural = images.ImageSize();
      size = {MulDiv(natural.Width, ppiX, 96), MulDiv(natural.Height, ppiY, 96)};
      if (p.Painting && !P.PrintScaling)
        images.DrawImage(index, left, top);
      else if (p.Painting)
        images.StretchImage(index, {left, top, left + RoundToEven(natural.Width * P.PrintScale),
                                    top + RoundToEven(natural.Height * P.PrintScale)});
    }
  }
  for (const char* shell : {"SSYS:", "LSYS:"}) {
    if (!PosNoCase(shell, source)) continue;
    source.erase(0, 5);
    const TSize icon = images.ShellIcon(source, shell[0] == 'L', left, top, P.PrintScale,
                                        P.PrintScaling, p.Painting);
    size = {MulDiv(icon.Width, ppiX, 96), MulDiv(icon.Height, ppiY, 96)};
  }
  THTMLImageSource* picture = PictureOf(source);
  if (picture && !picture->Empty()) {
    const bool natural = width < 1 || height < 1;
    if (p.Painting && natural)
      picture->Draw(left + picture->FrameLeft(), top + picture->FrameTop());
    else if (p.Painting)
      picture->StretchDraw({left, top, left + width, top + height});
    size = {MulDiv(natural ? picture->Width() : width, ppiX, 96),
            MulDiv(natural ? picture->Height() : height, ppiY, 96)};
  }
  return size;
}

// A name without ":" is a container picture; a source with "://" the cache's.
THTMLImageSource* THTMLLayout::PictureOf(const std::string& source) {
  THTMLImageSource* picture = nullptr;
  if (source.find(':') == std::string::npos) picture = P.Images->PictureByName(source);
  if (source.find("://") != std::string::npos) picture = P.Images->PictureBySource(source);
  return picture;
}

void THTMLLayout::TileBackground(const std::string& source) {
  THTMLImageSource* picture = P.Images ? PictureOf(source) : nullptr;
  if (!picture || picture->Empty() || picture->Width() <= 0 || picture->Height() <= 0) return;
  C.SetClipRect(P.Rect);
  for (int y = P.Rect.Top; y < P.Rect.Bottom; y += picture->Height())
    for (int x = P.Rect.Left; x < P.Rect.Right; x += picture->Width()) picture->Draw(x, y);
  C.RemoveClip();
}

}  // namespace listview
