// Colours, drawing tools, canvases and pictures over GDI.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "framework/Classes.h"
#include "framework/SysUtils.h"

// 0x00BBGGRR; a top byte of 0xFF names a system colour by the index in the low byte.
using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clScrollBar = clSystemColor | COLOR_SCROLLBAR;
constexpr TColor clBackground = clSystemColor | COLOR_BACKGROUND;
constexpr TColor clActiveCaption = clSystemColor | COLOR_ACTIVECAPTION;
constexpr TColor clInactiveCaption = clSystemColor | COLOR_INACTIVECAPTION;
constexpr TColor clMenu = clSystemColor | COLOR_MENU;
constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
constexpr TColor clWindowFrame = clSystemColor | COLOR_WINDOWFRAME;
constexpr TColor clMenuText = clSystemColor | COLOR_MENUTEXT;
constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
constexpr TColor clCaptionText = clSystemColor | COLOR_CAPTIONTEXT;
constexpr TColor clActiveBorder = clSystemColor | COLOR_ACTIVEBORDER;
constexpr TColor clInactiveBorder = clSystemColor | COLOR_INACTIVEBORDER;
constexpr TColor clAppWorkSpace = clSystemColor | COLOR_APPWORKSPACE;
constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
constexpr TColor clBtnShadow = clSystemColor | COLOR_BTNSHADOW;
constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;
constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
constexpr TColor clInactiveCaptionText = clSystemColor | COLOR_INACTIVECAPTIONTEXT;
constexpr TColor clBtnHighlight = clSystemColor | COLOR_BTNHIGHLIGHT;
constexpr TColor cl3DDkShadow = clSystemColor | COLOR_3DDKSHADOW;
constexpr TColor cl3DLight = clSystemColor | COLOR_3DLIGHT;
constexpr TColor clInfoText = clSystemColor | COLOR_INFOTEXT;
constexpr TColor clInfoBk = clSystemColor | COLOR_INFOBK;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours become the current RGB; every other value is returned as it is.
TColor ColorToRGB(TColor color);
// The colour for a GDI call: system colours resolved, the flag bits of clNone and clDefault dropped.
inline COLORREF ColorRef(TColor color) { return ColorToRGB(color) & 0x00FFFFFF; }

// A bad or unsupported picture file.
class EInvalidGraphic : public Exception {
public:
  using Exception::Exception;
};

// An operation a graphic class cannot do (saving a kind that has no writer, for one).
class EInvalidGraphicOperation : public Exception {
public:
  using Exception::Exception;
};

// Base of the drawing tools: owns the GDI object, which is made when first asked for and made
// again after a change. The old object is deleted only then, so that a canvas that had it
// selected has had the change notice (and deselected it) first.
class TGraphicsObject : public TPersistent {
public:
  ~TGraphicsObject() override;
  TNotifyEvent OnChange;

protected:
  HGDIOBJ HandleOf();                 // the object, made by CreateHandle when missing or stale
  virtual HGDIOBJ CreateHandle() = 0;
  void AdoptHandle(HGDIOBJ handle);   // the next object is this one, made elsewhere; notifies
  void HandleChanged();               // the object must be made again; notifies
  void Changed();                     // notifies only

private:
  HGDIOBJ FHandle = nullptr;
  HGDIOBJ FAdopted = nullptr;
  bool FStale = false;
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits

class TFont : public TGraphicsObject {
public:
  TFont();
  void Assign(TPersistent* source) override;

  HFONT Handle();
  void SetHandle(HFONT font);  // takes ownership; the properties are read back from it
  std::string Name() const { return FName; }
  void SetName(const std::string& name);
  int Size() const;  // points at the screen's resolution
  void SetSize(int points);
  int Height() const { return FHeight; }  // pixels; negative is the character height
  void SetHeight(int pixels);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  BYTE Charset() const { return FCharset; }
  void SetCharset(BYTE charset);
  static int PixelsPerInch();

protected:
  HGDIOBJ CreateHandle() override;

private:
  std::string FName = "Tahoma";
  int FHeight;
  TColor FColor = clWindowText;
  TFontStyles FStyle = 0;
  BYTE FCharset = DEFAULT_CHARSET;
};

enum TPenStyle {
  psSolid = PS_SOLID, psDash = PS_DASH, psDot = PS_DOT, psDashDot = PS_DASHDOT,
  psDashDotDot = PS_DASHDOTDOT, psClear = PS_NULL, psInsideFrame = PS_INSIDEFRAME
};

enum TPenMode {
  pmBlack = R2_BLACK, pmWhite = R2_WHITE, pmNop = R2_NOP, pmNot = R2_NOT, pmCopy = R2_COPYPEN,
  pmNotCopy = R2_NOTCOPYPEN, pmMergePenNot = R2_MERGEPENNOT, pmMaskPenNot = R2_MASKPENNOT,
  pmMergeNotPen = R2_MERGENOTPEN, pmMaskNotPen = R2_MASKNOTPEN, pmMerge = R2_MERGEPEN,
  pmNotMerge = R2_NOTMERGEPEN, pmMask = R2_MASKPEN, pmNotMask = R2_NOTMASKPEN,
  pmXor = R2_XORPEN, pmNotXor = R2_NOTXORPEN
};

class TPen : public TGraphicsObject {
public:
  void Assign(TPersistent* source) override;

  HPEN Handle();
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return FMode; }  // applied by the canvas, not part of the object
  void SetMode(TPenMode mode);

protected:
  HGDIOBJ CreateHandle() override;

private:
  TColor FColor = clBlack;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  TPenMode FMode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBitmap;

class TBrush : public TGraphicsObject {
public:
  void Assign(TPersistent* source) override;

  HBRUSH Handle();
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle style);
  TBitmap* Bitmap() const { return FBitmap; }  // a pattern; not owned, wins over Style
  void SetBitmap(TBitmap* bitmap);

protected:
  HGDIOBJ CreateHandle() override;

private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
};

class TGraphic;

// Drawing on a device context. The tools are selected into the DC when an operation needs them
// and deselected when they change or the DC goes.
class TCanvas : public TPersistent {
public:
  TCanvas();
  ~TCanvas() override;

  HDC Handle();  // made by CreateHandle when missing
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return FHandle != nullptr; }
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* font) { FFont->Assign(font); }
  TPen* Pen() const { return FPen.get(); }
  void SetPen(TPen* pen) { FPen->Assign(pen); }
  TBrush* Brush() const { return FBrush.get(); }
  void SetBrush(TBrush* brush) { FBrush->Assign(brush); }
  DWORD CopyMode() const { return FCopyMode; }  // raster operation of CopyRect and Draw
  void SetCopyMode(DWORD rop) { FCopyMode = rop; }
  TRect ClipRect();
  void SetClipRect(const RECT& r);  // drawing stays inside r until RemoveClip
  void RemoveClip();

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const RECT& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
  void FillRect(const RECT& r);
  void FrameRect(const RECT& r);
  void Ellipse(int x1, int y1, int x2, int y2);
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Polygon(const std::vector<TPoint>& points);
  void Polyline(const std::vector<TPoint>& points);
  void TextOut(int x, int y, const std::string& text);
  void TextRect(const RECT& r, int x, int y, const std::string& text);  // clipped to r
  // DrawTextEx with the canvas's font, on its brush colour or, with a clear brush, transparent;
  // DT_CALCRECT only measures into r. Returns the text's height.
  int DrawTextEx(const std::string& text, RECT& r, UINT format, int leftMargin = 0,
                 int rightMargin = 0);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  void Draw(int x, int y, TGraphic* graphic);
  void StretchDraw(const RECT& r, TGraphic* graphic);
  void CopyRect(const RECT& dest, TCanvas* source, const RECT& sourceRect);
  TColor Pixels(int x, int y);
  void SetPixels(int x, int y, TColor color);

protected:
  virtual void CreateHandle() {}  // canvases that get their DC only when drawing starts

private:
  enum : unsigned { csFont = 1, csPen = 2, csBrush = 4, csAll = 7 };
  HDC RequiredState(unsigned tools);
  void Deselect(unsigned tools);
  HDC FHandle = nullptr;
  unsigned FSelected = 0;
  std::unique_ptr<TFont> FFont;
  std::unique_ptr<TPen> FPen;
  std::unique_ptr<TBrush> FBrush;
  DWORD FCopyMode = SRCCOPY;
};

// A canvas on a window's client area: it asks for the window when it first draws (the window
// may not exist when the canvas is made) and gives the DC back in FreeHandle.
class TWindowCanvas : public TCanvas {
public:
  explicit TWindowCanvas(std::function<HWND()> window) : FWindow(std::move(window)) {}
  ~TWindowCanvas() override { FreeHandle(); }
  void FreeHandle();

protected:
  void CreateHandle() override;

private:
  std::function<HWND()> FWindow;
  HWND FDCWindow = nullptr;
  HDC FOwnDC = nullptr;
};

// Base of pictures that a canvas can draw.
class TGraphic : public TPersistent {
public:
  virtual int Width() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual int Height() const = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Empty() const = 0;
  virtual bool Transparent() const { return FTransparent; }
  virtual void SetTransparent(bool transparent);
  virtual void LoadFromFile(const std::string& fileName);
  virtual void LoadFromStream(std::istream& stream) = 0;
  void SaveToFile(const std::string& fileName);
  virtual void SaveToStream(std::ostream& stream);  // EInvalidGraphicOperation unless overridden
  // A new graphic of the same kind and content (TPicture keeps its own copy).
  virtual std::unique_ptr<TGraphic> Clone() = 0;
  TNotifyEvent OnChange;

protected:
  friend class TCanvas;
  virtual void Draw(TCanvas* canvas, const RECT& r) = 0;
  void Changed();

private:
  bool FTransparent = false;
};

enum TPixelFormat { pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };  // auto keys on the bottom-left pixel

class TBitmapCanvas;

// A top-down DIB section.
class TBitmap : public TGraphic {
public:
  TBitmap();
  ~TBitmap() override;
  void Assign(TPersistent* source) override;  // a bitmap, any other graphic drawn, or nothing

  int Width() const override { return FWidth; }
  void SetWidth(int width) override { SetSize(width, FHeight); }
  int Height() const override { return FHeight; }
  void SetHeight(int height) override { SetSize(FWidth, height); }
  void SetSize(int width, int height);  // keeps the pixels that still fit
  bool Empty() const override { return FWidth == 0 || FHeight == 0; }
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  void SetPixelFormat(TPixelFormat format);
  TCanvas* Canvas();
  HBITMAP Handle();  // frees the canvas's DC, so the bitmap can be selected elsewhere
  void* ScanLine(int row);  // row 0 is the top one; pending GDI drawing is flushed first
  TColor TransparentColor();
  void SetTransparentColor(TColor color);  // switches to tmFixed
  TTransparentMode TransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode mode);

  void LoadFromStream(std::istream& stream) override;  // BMP
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void LoadFromResourceID(HINSTANCE instance, int id);
  void SaveToStream(std::ostream& stream) override;  // BMP
  std::unique_ptr<TGraphic> Clone() override;

protected:
  void Draw(TCanvas* canvas, const RECT& r) override;

private:
  friend class TBitmapCanvas;
  void LoadFromResource(HINSTANCE instance, LPCSTR name);
  void LoadDIB(const BITMAPINFO* info, const void* bits);
  void Replace(HBITMAP handle, void* bits, int width, int height);
  void FreeCanvasDC();
  int RowBytes() const;
  HBITMAP FHandle = nullptr;
  void* FBits = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pf24bit;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};

class TIcon : public TGraphic {
public:
  TIcon();
  ~TIcon() override;
  void Assign(TPersistent* source) override;

  HICON Handle() const { return FHandle; }
  void SetHandle(HICON icon);  // takes ownership
  int Width() const override { return FWidth; }
  void SetWidth(int) override {}  // an icon's size comes from its image
  int Height() const override { return FHeight; }
  void SetHeight(int) override {}
  bool Empty() const override { return FHandle == nullptr; }
  void LoadFromStream(std::istream& stream) override;  // ICO; the first image
  void LoadFromResourceName(HINSTANCE instance, const std::string& name);
  void LoadFromResourceID(HINSTANCE instance, int id);
  std::unique_ptr<TGraphic> Clone() override;

protected:
  void Draw(TCanvas* canvas, const RECT& r) override;

private:
  void LoadFromResource(HINSTANCE instance, LPCSTR name);
  HICON FHandle = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};

// Holds one graphic of any kind and tells when it changes.
class TPicture : public TPersistent {
public:
  TPicture();
  ~TPicture() override;
  void Assign(TPersistent* source) override;  // a picture, a graphic (copied) or nothing

  TGraphic* Graphic() const { return FGraphic.get(); }
  void SetGraphic(TGraphic* graphic);  // keeps a copy
  TBitmap* Bitmap();  // the graphic as a bitmap; any other kind is replaced by an empty one
  TIcon* Icon();      // likewise for an icon
  int Width() const;
  int Height() const;
  // .bmp, .ico, .jpg, .jpeg and .thm (letter case ignored); other extensions raise EInvalidGraphic.
  void LoadFromFile(const std::string& fileName);
  TNotifyEvent OnChange;

private:
  void Replace(std::unique_ptr<TGraphic> graphic);
  void Changed();
  std::unique_ptr<TGraphic> FGraphic;
};
