// What the mark-up renderer draws on and takes its pictures from. The platform puts a device
// context behind these; tests put a canvas with a fixed width per character.
#pragma once

#include <string>

#include "listview/core/Colors.h"
#include "listview/core/Geometry.h"

namespace listview {

constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;

struct TSize {
  int Width = 0;
  int Height = 0;
};

// The platform's DrawTextEx formats the renderer uses, with their platform values.
enum : unsigned {
  dtBottom = 0x08,
  dtSingleLine = 0x20,
  dtExpandTabs = 0x40,
  dtExternalLeading = 0x200,
  dtCalcRect = 0x400,
  dtEndEllipsis = 0x8000,
};

struct THTMLFont {
  std::string Name;
  int Size = 8;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  TColor Color = clBlack;
};

// Text is drawn as DrawTextEx draws it, prefix processing on ("&&" shows "&", a single "&"
// underlines the next character). A brush colour of clNone is a clear brush: text then has a
// transparent background, any other colour an opaque one.
class THTMLCanvas {
public:
  virtual ~THTMLCanvas() = default;
  virtual THTMLFont Font() = 0;
  virtual void SetFont(const THTMLFont& font) = 0;
  virtual TColor BrushColor() = 0;
  virtual void SetBrushColor(TColor color) = 0;
  virtual TColor PenColor() = 0;
  virtual void SetPenColor(TColor color) = 0;
  virtual void SetPenWidth(int width) = 0;
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  // With dtCalcRect only measures: r gets the text's right and bottom.
  virtual void DrawText(const std::string& text, TRect& r, unsigned format) = 0;
  virtual void Rectangle(const TRect& r) = 0;
  virtual void MoveTo(int x, int y) = 0;
  virtual void LineTo(int x, int y) = 0;
  virtual void DrawFocusRect(const TRect& r) = 0;
  // Sixty-four bands from one colour to the other, columns when horizontal; leaves the pen and
  // brush in the last band's colour.
  virtual void FillGradient(TColor from, TColor to, bool horizontal, const TRect& r) = 0;
  virtual void SetClipRect(const TRect& r) = 0;
  virtual void RemoveClip() = 0;
  virtual int PixelsPerInchX() = 0;
  virtual int PixelsPerInchY() = 0;
  // One rotated copy of the current font at a time: opening selects it into the device
  // context and remembers the font it replaced; closing puts that back and deletes the copy.
  virtual void OpenRotatedFont(int tenthsOfDegrees) = 0;
  virtual void CloseRotatedFont() = 0;
};

// A picture from the container or the cache; sizes in pixels at 96 per inch.
class THTMLImageSource {
public:
  virtual ~THTMLImageSource() = default;
  virtual bool Empty() = 0;
  virtual int Width() = 0;
  virtual int Height() = 0;
  virtual int FrameLeft() = 0;  // offset of the shown GIF frame; 0 otherwise
  virtual int FrameTop() = 0;
  virtual void Draw(int x, int y) = 0;
  virtual void StretchDraw(const TRect& r) = 0;
};

// Where "<IMG" sources and the BODY background come from.
class THTMLImages {
public:
  virtual ~THTMLImages() = default;
  // The image list: 0 images when there is none.
  virtual int ImageCount() = 0;
  virtual TSize ImageSize() = 0;
  virtual void DrawImage(int index, int x, int y) = 0;
  virtual void StretchImage(int index, const TRect& r) = 0;
  // The system's icon for a path or an icon index, drawn at (x, y) when paint, stretched by
  // scale when scaled; returns its size.
  virtual TSize ShellIcon(const std::string& path, bool large, int x, int y, double scale,
                          bool scaled, bool paint) = 0;
  // None when there is no container or no picture of that name (any case).
  virtual THTMLImageSource* PictureByName(const std::string& name) = 0;
  // None when there is no cache; otherwise the cache's picture of this exact source, recorded
  // (empty) when it had none.
  virtual THTMLImageSource* PictureBySource(const std::string& source) = 0;
};

}  // namespace listview
