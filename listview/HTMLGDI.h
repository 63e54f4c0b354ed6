#pragma once
// The mark-up renderer's canvas and image sources over the framework's canvas, image list and
// the system image list.
#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "framework/Graphics.h"
#include "listview/core/HTMLCanvas.h"

class TImageList;
class THTMLPicture;
class THTMLPictureCache;
class TPictureContainer;

class THTMLGDICanvas : public listview::THTMLCanvas {
public:
  explicit THTMLGDICanvas(TCanvas* canvas) : FCanvas(canvas) {}
  ~THTMLGDICanvas() override { CloseRotatedFont(); }
  listview::THTMLFont Font() override;
  void SetFont(const listview::THTMLFont& font) override;
  listview::TColor BrushColor() override;
  void SetBrushColor(listview::TColor color) override;
  listview::TColor PenColor() override { return FCanvas->Pen()->Color(); }
  void SetPenColor(listview::TColor color) override { FCanvas->Pen()->SetColor(color); }
  void SetPenWidth(int width) override { FCanvas->Pen()->SetWidth(width); }
  int TextWidth(const std::string& text) override { return FCanvas->TextWidth(text); }
  int TextHeight(const std::string& text) override { return FCanvas->TextHeight(text); }
  void DrawText(const std::string& text, listview::TRect& r, unsigned format) override;
  void Rectangle(const listview::TRect& r) override;
  void MoveTo(int x, int y) override { FCanvas->MoveTo(x, y); }
  void LineTo(int x, int y) override { FCanvas->LineTo(x, y); }
  void DrawFocusRect(const listview::TRect& r) override;
  void FillGradient(listview::TColor from, listview::TColor to, bool horizontal,
                    const listview::TRect& r) override;
  void SetClipRect(const listview::TRect& r) override;
  void RemoveClip() override { FCanvas->RemoveClip(); }
  int PixelsPerInchX() override { return GetDeviceCaps(FCanvas->Handle(), LOGPIXELSX); }
  int PixelsPerInchY() override { return GetDeviceCaps(FCanvas->Handle(), LOGPIXELSY); }
  void OpenRotatedFont(int tenthsOfDegrees) override;
  void CloseRotatedFont() override;

private:
  TCanvas* FCanvas;
  HFONT FRotated = nullptr;
  HGDIOBJ FReplaced = nullptr;
};

// Image-list images, shell icons, and the pictures of a container and a cache (either may be
// missing). A cache records a source it has no picture of as a new picture loaded from it.
class THTMLGDIImages : public listview::THTMLImages {
public:
  THTMLGDIImages(TCanvas* canvas, TImageList* images, TPictureContainer* container = nullptr,
                 THTMLPictureCache* cache = nullptr);
  ~THTMLGDIImages() override;
  int ImageCount() override;
  listview::TSize ImageSize() override;
  void DrawImage(int index, int x, int y) override;
  void StretchImage(int index, const listview::TRect& r) override;
  listview::TSize ShellIcon(const std::string& path, bool large, int x, int y, double scale,
                            bool scaled, bool paint) override;
  listview::THTMLImageSource* PictureByName(const std::string& name) override;
  listview::THTMLImageSource* PictureBySource(const std::string& source) override;

private:
  listview::THTMLImageSource* SourceOf(THTMLPicture* picture);
  TCanvas* FCanvas;
  TImageList* FImages;
  TPictureContainer* FContainer;
  THTMLPictureCache* FCache;
  std::map<THTMLPicture*, std::unique_ptr<listview::THTMLImageSource>> FSources;
};

// The system's icon of a path (or of an icon index, or of the empty path) at (x, y), stretched
// by scale when scaled; size gets the icon's size, painted or not.
void DrawShellIcon(TCanvas* canvas, int x, int y, SIZE& size, double scale, bool scaled,
                   bool paint, bool large, const std::string& path);
// The bitmap's pixels stretched onto r.
void StretchBitmapToRect(TCanvas* canvas, const RECT& r, TBitmap* bitmap);
bool IsDirectory(const std::string& path);
