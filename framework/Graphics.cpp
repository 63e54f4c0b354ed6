// Colours, the drawing tools and the graphic base class.
#include "framework/Graphics.h"

#include <fstream>
#include <utility>

TColor ColorToRGB(TColor color) {
  if ((color & 0xFF000000) == clSystemColor) return GetSysColor(color & 0xFF);
  return color;
}

// ---- TGraphicsObject ----

TGraphicsObject::~TGraphicsObject() {
  if (FHandle) DeleteObject(FHandle);
  if (FAdopted) DeleteObject(FAdopted);
}

HGDIOBJ TGraphicsObject::HandleOf() {
  if (FStale) {
    if (FHandle) DeleteObject(FHandle);  // stock objects ignore this
    FHandle = std::exchange(FAdopted, nullptr);
    FStale = false;
  }
  if (!FHandle) FHandle = CreateHandle();
  return FHandle;
}

void TGraphicsObject::AdoptHandle(HGDIOBJ handle) {
  if (FAdopted) DeleteObject(FAdopted);
  FAdopted = handle;
  FStale = true;
  Changed();
}

void TGraphicsObject::HandleChanged() {
  if (FAdopted) DeleteObject(std::exchange(FAdopted, nullptr));
  FStale = true;
  Changed();
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TFont ----

TFont::TFont() : FHeight(-MulDiv(8, PixelsPerInch(), 72)) {}

int TFont::PixelsPerInch() {
  static const int ppi = [] {
    HDC dc = GetDC(nullptr);
    int value = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return value > 0 ? value : 96;
  }();
  return ppi;
}

void TFont::Assign(TPersistent* source) {
  auto* font = dynamic_cast<TFont*>(source);
  if (!font) return TPersistent::Assign(source);
  FName = font->FName;
  FHeight = font->FHeight;
  FColor = font->FColor;
  FStyle = font->FStyle;
  FCharset = font->FCharset;
  HandleChanged();
}

HFONT TFont::Handle() { return static_cast<HFONT>(HandleOf()); }

void TFont::SetHandle(HFONT font) {
  LOGFONTA lf;
  if (!font || !GetObjectA(font, sizeof lf, &lf)) return;  // not a font: keep this one
  FName = lf.lfFaceName;
  FHeight = lf.lfHeight;
  FStyle = 0;
  if (lf.lfWeight >= FW_BOLD) FStyle |= fsBold;
  if (lf.lfItalic) FStyle |= fsItalic;
  if (lf.lfUnderline) FStyle |= fsUnderline;
  if (lf.lfStrikeOut) FStyle |= fsStrikeOut;
  FCharset = lf.lfCharSet;
  AdoptHandle(font);
}

HGDIOBJ TFont::CreateHandle() {
  LOGFONTA lf = {};
  lf.lfHeight = FHeight;
  lf.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (FStyle & fsItalic) != 0;
  lf.lfUnderline = (FStyle & fsUnderline) != 0;
  lf.lfStrikeOut = (FStyle & fsStrikeOut) != 0;
  lf.lfCharSet = FCharset;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynA(lf.lfFaceName, FName.c_str(), LF_FACESIZE);
  return CreateFontIndirectA(&lf);
}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == FName) return;
  FName = name;
  HandleChanged();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, PixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch(), 72)); }

void TFont::SetHeight(int pixels) {
  if (pixels == FHeight) return;
  FHeight = pixels;
  HandleChanged();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;  // the text colour is the DC's, not the font object's
  Changed();
}

void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  HandleChanged();
}

void TFont::SetCharset(BYTE charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  HandleChanged();
}

// ---- TPen ----

void TPen::Assign(TPersistent* source) {
  auto* pen = dynamic_cast<TPen*>(source);
  if (!pen) return TPersistent::Assign(source);
  FColor = pen->FColor;
  FWidth = pen->FWidth;
  FStyle = pen->FStyle;
  FMode = pen->FMode;
  HandleChanged();
}

HPEN TPen::Handle() { return static_cast<HPEN>(HandleOf()); }

HGDIOBJ TPen::CreateHandle() { return CreatePen(FStyle, FWidth, ColorRef(FColor)); }

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  HandleChanged();
}

void TPen::SetWidth(int width) {
  if (width < 0) width = 0;
  if (width == FWidth) return;
  FWidth = width;
  HandleChanged();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  HandleChanged();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == FMode) return;
  FMode = mode;
  Changed();
}

// ---- TBrush ----

void TBrush::Assign(TPersistent* source) {
  auto* brush = dynamic_cast<TBrush*>(source);
  if (!brush) return TPersistent::Assign(source);
  FColor = brush->FColor;
  FStyle = brush->FStyle;
  FBitmap = brush->FBitmap;
  HandleChanged();
}

HBRUSH TBrush::Handle() { return static_cast<HBRUSH>(HandleOf()); }

HGDIOBJ TBrush::CreateHandle() {
  if (FBitmap && !FBitmap->Empty()) return CreatePatternBrush(FBitmap->Handle());
  switch (FStyle) {
    case bsSolid: return CreateSolidBrush(ColorRef(FColor));
    case bsClear: return GetStockObject(NULL_BRUSH);
    default: return CreateHatchBrush(FStyle - bsHorizontal, ColorRef(FColor));
  }
}

void TBrush::SetColor(TColor color) {
  if (color == FColor && FStyle != bsClear) return;
  FColor = color;
  if (FStyle == bsClear) FStyle = bsSolid;  // giving a colour means painting with it
  HandleChanged();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  HandleChanged();
}

void TBrush::SetBitmap(TBitmap* bitmap) {
  if (bitmap == FBitmap) return;
  FBitmap = bitmap;
  HandleChanged();
}

// ---- TGraphic ----

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == FTransparent) return;
  FTransparent = transparent;
  Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EInOutError("Cannot open file \"" + fileName + "\"");
  LoadFromStream(file);
}

void TGraphic::SaveToFile(const std::string& fileName) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EInOutError("Cannot create file \"" + fileName + "\"");
  SaveToStream(file);
  file.close();
  if (!file) throw EInOutError("Cannot write file \"" + fileName + "\"");
}

void TGraphic::SaveToStream(std::ostream&) {
  throw EInvalidGraphicOperation("Cannot save a " + ClassName());
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}
