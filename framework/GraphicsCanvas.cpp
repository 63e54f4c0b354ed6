// The canvas over a device context, and the one that borrows a window's DC.
#include "framework/Graphics.h"

TCanvas::TCanvas() : FFont(new TFont), FPen(new TPen), FBrush(new TBrush) {
  // A changed tool is deselected at once, so its old GDI object can be deleted.
  FFont->OnChange = [this](TObject*) { Deselect(csFont); };
  FPen->OnChange = [this](TObject*) { Deselect(csPen); };
  FBrush->OnChange = [this](TObject*) { Deselect(csBrush); };
}

TCanvas::~TCanvas() { SetHandle(nullptr); }

HDC TCanvas::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TCanvas::SetHandle(HDC dc) {
  if (dc == FHandle) return;
  Deselect(csAll);
  FHandle = dc;
}

void TCanvas::Deselect(unsigned tools) {
  tools &= FSelected;
  if (FHandle) {
    if (tools & csFont) SelectObject(FHandle, GetStockObject(SYSTEM_FONT));
    if (tools & csPen) SelectObject(FHandle, GetStockObject(BLACK_PEN));
    if (tools & csBrush) SelectObject(FHandle, GetStockObject(NULL_BRUSH));
  }
  FSelected &= ~tools;
}

HDC TCanvas::RequiredState(unsigned tools) {
  HDC dc = Handle();
  if (!dc) throw EInvalidOperation("Canvas does not allow drawing");
  unsigned missing = tools & ~FSelected;
  if (missing & csFont) {
    SelectObject(dc, FFont->Handle());
    SetTextColor(dc, ColorRef(FFont->Color()));
  }
  if (missing & csPen) {
    SelectObject(dc, FPen->Handle());
    SetROP2(dc, FPen->Mode());
  }
  if (missing & csBrush) {
    SelectObject(dc, FBrush->Handle());
    SetBkColor(dc, ColorRef(FBrush->Color()));
    SetBkMode(dc, FBrush->Style() == bsClear ? TRANSPARENT : OPAQUE);
  }
  FSelected |= missing;
  return dc;
}

TRect TCanvas::ClipRect() {
  RECT r = {};
  GetClipBox(RequiredState(0), &r);
  return r;
}

void TCanvas::SetClipRect(const RECT& r) {
  HRGN region = CreateRectRgnIndirect(&r);
  SelectClipRgn(RequiredState(0), region);  // the DC keeps a copy
  DeleteObject(region);
}

void TCanvas::RemoveClip() { SelectClipRgn(RequiredState(0), nullptr); }

void TCanvas::MoveTo(int x, int y) { MoveToEx(RequiredState(csPen), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) { ::LineTo(RequiredState(csPen), x, y); }

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  ::Rectangle(RequiredState(csPen | csBrush), x1, y1, x2, y2);
}

void TCanvas::FillRect(const RECT& r) { ::FillRect(RequiredState(csBrush), &r, FBrush->Handle()); }

void TCanvas::FrameRect(const RECT& r) { ::FrameRect(RequiredState(csBrush), &r, FBrush->Handle()); }

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  ::Ellipse(RequiredState(csPen | csBrush), x1, y1, x2, y2);
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  ::RoundRect(RequiredState(csPen | csBrush), x1, y1, x2, y2, cornerWidth, cornerHeight);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  ::Polygon(RequiredState(csPen | csBrush), points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  if (points.empty()) return;
  ::Polyline(RequiredState(csPen), points.data(), static_cast<int>(points.size()));
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  ::TextOutA(RequiredState(csFont | csBrush), x, y, text.c_str(), static_cast<int>(text.size()));
}

void TCanvas::TextRect(const RECT& r, int x, int y, const std::string& text) {
  UINT options = ETO_CLIPPED | (FBrush->Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(RequiredState(csFont | csBrush), x, y, options, &r, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawTextEx(const std::string& text, RECT& r, UINT format, int leftMargin,
                        int rightMargin) {
  DRAWTEXTPARAMS margins = {sizeof margins, 0, leftMargin, rightMargin, 0};
  std::string buffer = text;  // the platform may write an ellipsis into it
  return ::DrawTextExA(RequiredState(csFont | csBrush), buffer.data(), static_cast<int>(buffer.size()),
                     &r, format, &margins);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(RequiredState(csFont), text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
  if (graphic && !graphic->Empty())
    StretchDraw(TRect(x, y, x + graphic->Width(), y + graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const RECT& r, TGraphic* graphic) {
  if (!graphic || graphic->Empty()) return;
  RequiredState(0);
  graphic->Draw(this, r);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas* source, const RECT& sourceRect) {
  StretchBlt(RequiredState(0), dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source->RequiredState(0), sourceRect.left, sourceRect.top,
             sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, FCopyMode);
}

TColor TCanvas::Pixels(int x, int y) {
  COLORREF color = GetPixel(RequiredState(0), x, y);
  return color == CLR_INVALID ? clNone : color;  // outside the clip region
}

void TCanvas::SetPixels(int x, int y, TColor color) { SetPixel(RequiredState(0), x, y, ColorRef(color)); }

// ---- TWindowCanvas ----

void TWindowCanvas::CreateHandle() {
  FreeHandle();
  HWND window = FWindow ? FWindow() : nullptr;
  if (!window) return;
  FOwnDC = GetDC(window);
  FDCWindow = window;
  SetHandle(FOwnDC);
}

void TWindowCanvas::FreeHandle() {
  if (!FOwnDC) return;
  // A DC handed in with SetHandle (a paint DC) is its giver's to release, not ours.
  if (HandleAllocated() && Handle() == FOwnDC) SetHandle(nullptr);
  ReleaseDC(FDCWindow, FOwnDC);
  FOwnDC = nullptr;
  FDCWindow = nullptr;
}
