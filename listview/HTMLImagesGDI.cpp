// Images of the mark-up renderer: the list view's image list and the system's shell icons.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdint>
#include <vector>

#include "framework/ImgList.h"
#include "listview/HTMLGDI.h"
#include "listview/PictureContainer.h"
#include "listview/core/HTMLText.h"

namespace {
// A container or cache picture as the renderer draws it on the canvas.
class TGDIImageSource : public listview::THTMLImageSource {
public:
  TGDIImageSource(TCanvas* canvas, THTMLPicture* picture) : FCanvas(canvas), FPicture(picture) {}
  bool Empty() override { return FPicture->Empty(); }
  int Width() override { return FPicture->Width(); }
  int Height() override { return FPicture->Height(); }
  int FrameLeft() override { return FPicture->FrameLeft(); }
  int FrameTop() override { return FPicture->FrameTop(); }
  void Draw(int x, int y) override { FCanvas->Draw(x, y, FPicture); }
  // The picture fills r only while its Stretch is on; it is its own setting again afterwards.
  void StretchDraw(const listview::TRect& r) override {
    const bool stretch = FPicture->Stretch();
    FPicture->SetStretch(true);
    FCanvas->StretchDraw({r.Left, r.Top, r.Right, r.Bottom}, FPicture);
    FPicture->SetStretch(stretch);
  }
private:
  TCanvas* FCanvas;
  THTMLPicture* FPicture;
};
}  // namespace

THTMLGDIImages::THTMLGDIImages(TCanvas* canvas, TImageList* images, TPictureContainer* container,
                               THTMLPictureCache* cache)
    : FCanvas(canvas), FImages(images), FContainer(container), FCache(cache) {}

THTMLGDIImages::~THTMLGDIImages() = default;

listview::THTMLImageSource* THTMLGDIImages::SourceOf(THTMLPicture* picture) {
  if (!picture) return nullptr;
  auto& source = FSources[picture];
  if (!source) source = std::make_unique<TGDIImageSource>(FCanvas, picture);
  return source.get();
}

listview::THTMLImageSource* THTMLGDIImages::PictureByName(const std::string& name) {
  return FContainer ? SourceOf(FContainer->PictureByName(name)) : nullptr;
}

listview::THTMLImageSource* THTMLGDIImages::PictureBySource(const std::string& source) {
  if (!FCache) return nullptr;
  THTMLPicture* picture = FCache->PictureBySource(source);
  if (!picture) {
    // Synchronous, so that the source is recorded and the next paint finds this picture.
    picture = FCache->NewPicture();
    picture->SetAsynch(false);
    picture->AssignSource(source);
  }
  return SourceOf(picture);
}

int THTMLGDIImages::ImageCount() { return FImages ? FImages->Count() : 0; }

listview::TSize THTMLGDIImages::ImageSize() {
  return FImages ? listview::TSize{FImages->Width(), FImages->Height()} : listview::TSize{};
}

void THTMLGDIImages::DrawImage(int index, int x, int y) { FImages->Draw(FCanvas, x, y, index, true); }

void THTMLGDIImages::StretchImage(int index, const listview::TRect& r) {
  TBitmap bitmap;
  FImages->GetBitmap(index, &bitmap);
  StretchBitmapToRect(FCanvas, {r.Left, r.Top, r.Right, r.Bottom}, &bitmap);
}

listview::TSize THTMLGDIImages::ShellIcon(const std::string& path, bool large, int x, int y,
                                          double scale, bool scaled, bool paint) {
  SIZE size = {};
  DrawShellIcon(FCanvas, x, y, size, scale, scaled, paint, large, path);
  return {size.cx, size.cy};
}

bool IsDirectory(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// An icon index as it stands, or the index of the shell's icon for the path; a path that does
// not exist gets the icon of its name.
int ShellIconIndex(const std::string& path) {
  if (path.empty()) return 0;
  if (listview::IsIntText(path)) return listview::IntOfText(path);
  const bool exists = GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES || IsDirectory(path);
  SHFILEINFOA info = {};
  SHGetFileInfoA(path.c_str(), 0, &info, sizeof info,
                 SHGFI_SYSICONINDEX | (exists ? 0 : SHGFI_USEFILEATTRIBUTES));
  return info.iIcon;
}

}  // namespace

void DrawShellIcon(TCanvas* canvas, int x, int y, SIZE& size, double scale, bool scaled,
                   bool paint, bool large, const std::string& path) {
  const int index = ShellIconIndex(path);
  SHFILEINFOA info = {};
  HIMAGELIST list = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
      "", 0, &info, sizeof info, SHGFI_SYSICONINDEX | (large ? 0 : SHGFI_SMALLICON)));
  int width = 0, height = 0;
  ImageList_GetIconSize(list, &width, &height);
  size = {width, height};
  if (!paint || !list) return;
  if (!scaled) {
    ImageList_Draw(list, index, canvas->Handle(), x, y, ILD_TRANSPARENT);
    return;
  }
  TBitmap icon;
  icon.SetSize(width, height);
  ImageList_Draw(list, index, icon.Canvas()->Handle(), 0, 0, ILD_NORMAL);
  StretchBitmapToRect(canvas,
                      {x, y, x + listview::RoundToEven(width * scale),
                       y + listview::RoundToEven(height * scale)},
                      &icon);
}

void StretchBitmapToRect(TCanvas* canvas, const RECT& r, TBitmap* bitmap) {
  const int width = bitmap->Width(), height = bitmap->Height();
  if (width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> bits(static_cast<std::size_t>(width) * height);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap->Handle(), 0, height, bits.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  StretchDIBits(canvas->Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, width,
                height, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}
