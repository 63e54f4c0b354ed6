#include "listview/RichListUtil.h"

#include <vector>

#include "listview/core/ProgressCell.h"

namespace {
class TProgressGDICanvas : public listview::TProgressCanvas {
public:
  explicit TProgressGDICanvas(TCanvas* canvas) : FCanvas(canvas) {}
  void SetColors(listview::TColor brushAndPen, listview::TColor font) override {
    FCanvas->Brush()->SetColor(brushAndPen);
    FCanvas->Pen()->SetColor(brushAndPen);
    FCanvas->Font()->SetColor(font);
  }
  int TextWidth(const std::string& text) override { return FCanvas->TextWidth(text); }
  int TextHeight(const std::string& text) override { return FCanvas->TextHeight(text); }
  void TextRect(const listview::TRect& r, int x, int y, const std::string& text) override {
    FCanvas->TextRect({r.Left, r.Top, r.Right, r.Bottom}, x, y, text);
  }
  void FrameRect(const listview::TRect& r) override { FCanvas->FrameRect({r.Left, r.Top, r.Right, r.Bottom}); }
private:
  TCanvas* FCanvas;
};
}  // namespace

void DrawProgressCell(TCanvas* canvas, const TRect& r, TColor colorFrom, TColor fontColorFrom, TColor colorTo,
                      TColor fontColorTo, int percent) {
  TProgressGDICanvas gdi(canvas);
  listview::PaintProgressCell(gdi, {r.left, r.top, r.right, r.bottom}, colorFrom, fontColorFrom, colorTo,
                              fontColorTo, percent);
}

int ComCtlVersion(const std::string& fileName) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &handle);
  if (size == 0) return -1;
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(fileName.c_str(), 0, size, block.data())) return -1;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length) || !info) return -1;
  return info->dwSignature == 0xFEEF04BD ? static_cast<int>(info->dwFileVersionMS) : -1;
}

TEditPin EditPin;

LRESULT CALLBACK EditPinWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_WINDOWPOSCHANGING) {
    auto& pos = *reinterpret_cast<WINDOWPOS*>(lParam);
    pos.x = EditPin.Rect.left;
    pos.y = EditPin.Rect.top;
    pos.cx = EditPin.Rect.right - EditPin.Rect.left;
    pos.cy = EditPin.Rect.bottom - EditPin.Rect.top;
  }
  return CallWindowProcA(EditPin.OldProc, wnd, msg, wParam, lParam);
}
