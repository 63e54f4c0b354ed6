// A canvas that records what the renderer draws. Every character is 10 pixels wide and a line
// of text twice the font's point size high; DrawText shows "&&" as one character and a single
// "&" as none, as prefix processing does.
#pragma once

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "listview/core/HTMLDrawText.h"

namespace listview {

constexpr int kCharWidth = 10;

inline void PrintTo(const TRect& r, std::ostream* os) {
  *os << "{" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << "}";
}

struct TDrawnText {
  std::string Text;
  TRect Rect;
  THTMLFont Font;
  TColor Brush;
};

struct TDrawnRect {
  TRect Rect;
  TColor Pen;
  TColor Brush;
};

struct TGradient {
  TColor From, To;
  bool Horizontal;
  TRect Rect;
};

class TFakeCanvas : public THTMLCanvas {
public:
  TFakeCanvas() { FFont.Name = "Tahoma"; }
  THTMLFont Font() override { return FFont; }
  void SetFont(const THTMLFont& font) override { FFont = font; }
  TColor BrushColor() override { return FBrush; }
  void SetBrushColor(TColor color) override { FBrush = color; }
  TColor PenColor() override { return FPen; }
  void SetPenColor(TColor color) override { FPen = color; }
  void SetPenWidth(int) override {}
  int TextWidth(const std::string& text) override { return int(text.size()) * kCharWidth; }
  int TextHeight(const std::string&) override { return FFont.Size * 2; }
  void DrawText(const std::string& text, TRect& r, unsigned format) override {
    int width = ShownLength(text) * kCharWidth;
    if (format & dtCalcRect) {
      if (format & dtEndEllipsis) width = std::min(width, r.Width());
      r.Right = r.Left + width;
      r.Bottom = r.Top + TextHeight(text);
      return;
    }
    Texts.push_back({text, r, FFont, FBrush});
  }
  void Rectangle(const TRect& r) override { Rects.push_back({r, FPen, FBrush}); }
  void MoveTo(int x, int y) override { Lines.push_back({{x, y}}); }
  void LineTo(int x, int y) override { Lines.back().push_back({x, y}); }
  void DrawFocusRect(const TRect& r) override { FocusRects.push_back(r); }
  void FillGradient(TColor from, TColor to, bool horizontal, const TRect& r) override {
    Gradients.push_back({from, to, horizontal, r});
  }
  void SetClipRect(const TRect& r) override { Clips.push_back(r); }
  void RemoveClip() override { Clips.push_back({}); }
  int PixelsPerInchX() override { return PixelsPerInch; }
  int PixelsPerInchY() override { return PixelsPerInch; }
  void OpenRotatedFont(int tenths) override {
    Rotations.push_back(tenths);
    MostRotatedOpen = std::max(MostRotatedOpen, ++RotatedOpen);
  }
  void CloseRotatedFont() override { --RotatedOpen; }

  // The texts drawn, in order, joined by "|".
  std::string Drawn() const {
    std::string all;
    for (const TDrawnText& t : Texts) all += (all.empty() ? "" : "|") + t.Text;
    return all;
  }

  std::vector<TDrawnText> Texts;
  std::vector<TDrawnRect> Rects;
  std::vector<std::vector<std::pair<int, int>>> Lines;
  std::vector<TRect> FocusRects;
  std::vector<TGradient> Gradients;
  std::vector<TRect> Clips;  // an empty rectangle is a removed clip
  std::vector<int> Rotations;
  int RotatedOpen = 0;
  int MostRotatedOpen = 0;
  int PixelsPerInch = 96;

private:
  static int ShownLength(const std::string& text) {
    int n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '&') {
        if (i + 1 < text.size() && text[i + 1] == '&') ++n, ++i;
        continue;
      }
      ++n;
    }
    return n;
  }
  THTMLFont FFont;
  TColor FBrush = 0xFFFFFF;
  TColor FPen = clBlack;
};

// Draws are logged as "NAME@left,top-right,bottom".
struct TFakePicture : THTMLImageSource {
  TFakePicture(std::vector<std::string>* log, std::string name, int width, int height,
               int frameLeft = 0, int frameTop = 0)
      : Log(log), Name(std::move(name)), W(width), H(height), FL(frameLeft), FT(frameTop) {}
  bool Empty() override { return W == 0; }
  int Width() override { return W; }
  int Height() override { return H; }
  int FrameLeft() override { return FL; }
  int FrameTop() override { return FT; }
  void Draw(int x, int y) override { StretchDraw({x, y, x + W, y + H}); }
  void StretchDraw(const TRect& r) override {
    Log->push_back(Name + "@" + std::to_string(r.Left) + "," + std::to_string(r.Top) + "-" +
                   std::to_string(r.Right) + "," + std::to_string(r.Bottom));
  }
  std::vector<std::string>* Log;
  std::string Name;
  int W, H, FL, FT;
};

class TFakeImages : public THTMLImages {
public:
  int ImageCount() override { return Count; }
  TSize ImageSize() override { return {16, 16}; }
  void DrawImage(int index, int x, int y) override {
    Drawn.push_back("IDX" + std::to_string(index) + "@" + std::to_string(x) + "," + std::to_string(y));
  }
  void StretchImage(int index, const TRect& r) override {
    Drawn.push_back("IDX" + std::to_string(index) + "@" + std::to_string(r.Left) + "," +
                    std::to_string(r.Top) + "-" + std::to_string(r.Right) + "," +
                    std::to_string(r.Bottom));
  }
  TSize ShellIcon(const std::string& path, bool large, int x, int y, double, bool,
                  bool paint) override {
    if (paint)
      Drawn.push_back(std::string(large ? "LSYS" : "SSYS") + path + "@" + std::to_string(x) + "," +
                      std::to_string(y));
    return large ? TSize{32, 32} : TSize{16, 16};
  }
  THTMLImageSource* PictureByName(const std::string& name) override {
    auto it = Named.find(UpperName(name));
    return it == Named.end() ? nullptr : &it->second;
  }
  THTMLImageSource* PictureBySource(const std::string& source) override {
    for (auto& cached : Cache)
      if (cached.first == source) return &cached.second;
    Cache.push_back({source, TFakePicture(&Drawn, source, 0, 0)});
    return &Cache.back().second;
  }
  void AddPicture(const std::string& name, int width, int height, int frameLeft = 0,
                  int frameTop = 0) {
    Named.emplace(UpperName(name), TFakePicture(&Drawn, name, width, height, frameLeft, frameTop));
  }
  static std::string UpperName(std::string name) {
    for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
    return name;
  }
  int Count = 5;
  std::map<std::string, TFakePicture> Named;  // keys in upper case
  std::deque<std::pair<std::string, TFakePicture>> Cache;
  std::vector<std::string> Drawn;
};

// One call of the renderer on a fresh fake canvas, 200 x 100 at the origin unless changed.
struct TRender {
  explicit TRender(const std::string& text) {
    Params.Text = text;
    Params.Rect = {0, 0, 200, 100};
    Params.Images = &Images;
  }
  bool Run() { return DrawHTMLText(Canvas, Params, Output); }
  TFakeCanvas Canvas;
  TFakeImages Images;
  THTMLDrawParams Params;
  THTMLDrawOutput Output;
};

}  // namespace listview
