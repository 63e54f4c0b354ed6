// The DIB-section bitmap: its canvas, pixels, transparency and BMP files.
#include "framework/Graphics.h"

#include <cstring>
#include <istream>
#include <ostream>

// The bitmap's canvas: a memory DC with the bitmap selected, made when drawing starts and freed
// whenever the bitmap's handle is given out or replaced.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap* bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!FDC) return;
    SetHandle(nullptr);
    SelectObject(FDC, FOldBitmap);
    DeleteDC(FDC);
    FDC = nullptr;
  }

protected:
  void CreateHandle() override {
    FDC = CreateCompatibleDC(nullptr);
    if (!FDC) return;
    FOldBitmap = FBitmap->FHandle ? SelectObject(FDC, FBitmap->FHandle) : nullptr;
    SetHandle(FDC);
  }

private:
  TBitmap* FBitmap;
  HDC FDC = nullptr;
  HGDIOBJ FOldBitmap = nullptr;
};

namespace {

constexpr int kMaxSide = 32768;  // refuses absurd sizes from damaged files

int BitsPerPixel(TPixelFormat format) { return format == pf32bit ? 32 : 24; }

size_t RowBytesOf(int width, TPixelFormat format) {
  return ((static_cast<size_t>(width) * BitsPerPixel(format) + 31) / 32) * 4;
}

HBITMAP NewDIB(int width, int height, TPixelFormat format, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(BitsPerPixel(format));
  info.bmiHeader.biCompression = BI_RGB;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
  if (!handle)
    throw EOutOfResources("Cannot create a bitmap of " + std::to_string(width) + "x" +
                          std::to_string(height));
  return handle;
}

// GDI converts between the pixel formats on the way.
void CopyPixels(HBITMAP from, HBITMAP to, int width, int height) {
  HDC source = CreateCompatibleDC(nullptr), dest = CreateCompatibleDC(nullptr);
  HGDIOBJ oldSource = SelectObject(source, from), oldDest = SelectObject(dest, to);
  BitBlt(dest, 0, 0, width, height, source, 0, 0, SRCCOPY);
  SelectObject(source, oldSource);
  SelectObject(dest, oldDest);
  DeleteDC(source);
  DeleteDC(dest);
}

// Checks a packed DIB (header, colour table, pixels) and returns where its pixels start.
size_t CheckedBitsOffset(const char* data, size_t size, size_t bitsOffset) {
  auto fail = [] { throw EInvalidGraphic("Bitmap image is not valid"); };
  if (size < sizeof(BITMAPINFOHEADER)) fail();
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof header);
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > size) fail();
  long long height = header.biHeight < 0 ? -static_cast<long long>(header.biHeight) : header.biHeight;
  if (header.biWidth <= 0 || header.biWidth > kMaxSide || height == 0 || height > kMaxSide) fail();
  WORD bpp = header.biBitCount;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) fail();
  size_t colours = header.biClrUsed ? header.biClrUsed : (bpp <= 8 ? 1u << bpp : 0);
  if (colours > 256) fail();
  size_t tableEnd = header.biSize + colours * sizeof(RGBQUAD);
  if (header.biCompression == BI_BITFIELDS && header.biSize == sizeof(BITMAPINFOHEADER))
    tableEnd += 3 * sizeof(DWORD);
  if (bitsOffset == 0) bitsOffset = tableEnd;
  if (bitsOffset < tableEnd || bitsOffset > size) fail();
  size_t available = size - bitsOffset;
  if (header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS) {
    size_t rowBytes = ((static_cast<size_t>(header.biWidth) * bpp + 31) / 32) * 4;
    if (rowBytes * height > available) fail();
  } else if (header.biCompression == BI_RLE8 || header.biCompression == BI_RLE4) {
    if (header.biSizeImage == 0 || header.biSizeImage > available) fail();
  } else {
    fail();
  }
  return bitsOffset;
}

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FHandle) DeleteObject(FHandle);
}

void TBitmap::FreeCanvasDC() {
  if (FCanvas) FCanvas->FreeContext();
}

int TBitmap::RowBytes() const { return static_cast<int>(RowBytesOf(FWidth, FPixelFormat)); }

void TBitmap::Replace(HBITMAP handle, void* bits, int width, int height) {
  FreeCanvasDC();
  if (FHandle) DeleteObject(FHandle);
  FHandle = handle;
  FBits = bits;
  FWidth = width;
  FHeight = height;
  Changed();
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) FCanvas.reset(new TBitmapCanvas(this));
  return FCanvas.get();
}

HBITMAP TBitmap::Handle() {
  FreeCanvasDC();
  return FHandle;
}

// A new DIB of the given size and format, with the old pixels that fit and white elsewhere.
void TBitmap::SetSize(int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (width == FWidth && height == FHeight) return;
  if (width == 0 || height == 0) return Replace(nullptr, nullptr, width, height);
  void* bits = nullptr;
  HBITMAP handle = NewDIB(width, height, FPixelFormat, &bits);
  std::memset(bits, 0xFF, RowBytesOf(width, FPixelFormat) * height);
  if (FHandle) {
    FreeCanvasDC();
    CopyPixels(FHandle, handle, width, height);
  }
  Replace(handle, bits, width, height);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FPixelFormat) return;
  if (Empty()) {
    FPixelFormat = format;
    return Changed();
  }
  void* bits = nullptr;
  HBITMAP handle = NewDIB(FWidth, FHeight, format, &bits);
  FreeCanvasDC();
  CopyPixels(FHandle, handle, FWidth, FHeight);
  FPixelFormat = format;
  Replace(handle, bits, FWidth, FHeight);
}

void* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= FHeight) throw EInvalidGraphicOperation("Scan line index out of range");
  GdiFlush();
  return static_cast<BYTE*>(FBits) + static_cast<size_t>(row) * RowBytes();
}

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed && FTransparentColor != clDefault) return FTransparentColor;
  if (Empty()) return clDefault;
  const BYTE* pixel = static_cast<const BYTE*>(ScanLine(FHeight - 1));
  return RGB(pixel[2], pixel[1], pixel[0]);
}

void TBitmap::SetTransparentColor(TColor color) {
  FTransparentColor = color;
  FTransparentMode = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == FTransparentMode) return;
  FTransparentMode = mode;
  if (mode == tmAuto) FTransparentColor = clDefault;
  Changed();
}

void TBitmap::Assign(TPersistent* source) {
  if (!source) return SetSize(0, 0);
  if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    if (bitmap == this) return;
    FPixelFormat = bitmap->FPixelFormat;
    FTransparentColor = bitmap->FTransparentColor;
    FTransparentMode = bitmap->FTransparentMode;
    TGraphic::SetTransparent(bitmap->Transparent());
    if (bitmap->Empty()) return Replace(nullptr, nullptr, bitmap->FWidth, bitmap->FHeight);
    void* bits = nullptr;
    HBITMAP handle = NewDIB(bitmap->FWidth, bitmap->FHeight, FPixelFormat, &bits);
    GdiFlush();
    std::memcpy(bits, bitmap->FBits, static_cast<size_t>(bitmap->RowBytes()) * bitmap->FHeight);
    return Replace(handle, bits, bitmap->FWidth, bitmap->FHeight);
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    Replace(nullptr, nullptr, 0, 0);
    SetSize(graphic->Width(), graphic->Height());
    if (!Empty()) Canvas()->Draw(0, 0, graphic);
    return;
  }
  TGraphic::Assign(source);
}

std::unique_ptr<TGraphic> TBitmap::Clone() {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(this);
  return copy;
}

void TBitmap::Draw(TCanvas* canvas, const RECT& r) {
  HDC dest = canvas->Handle(), source = Canvas()->Handle();
  int width = r.right - r.left, height = r.bottom - r.top;
  if (Transparent()) {
    TransparentBlt(dest, r.left, r.top, width, height, source, 0, 0, FWidth, FHeight,
                   ColorRef(TransparentColor()));
  } else if (width == FWidth && height == FHeight) {
    BitBlt(dest, r.left, r.top, width, height, source, 0, 0, canvas->CopyMode());
  } else if (width > FWidth || height > FHeight) {
    // Enlarged: plain pixel copies (halftone blurs neighbouring pixels into each other).
    int oldMode = SetStretchBltMode(dest, COLORONCOLOR);
    StretchBlt(dest, r.left, r.top, width, height, source, 0, 0, FWidth, FHeight, canvas->CopyMode());
    SetStretchBltMode(dest, oldMode);
  } else {
    int oldMode = SetStretchBltMode(dest, HALFTONE);
    POINT oldOrigin;
    SetBrushOrgEx(dest, 0, 0, &oldOrigin);  // HALFTONE wants it reset
    StretchBlt(dest, r.left, r.top, width, height, source, 0, 0, FWidth, FHeight, canvas->CopyMode());
    SetBrushOrgEx(dest, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dest, oldMode);
  }
}

// Decodes any DIB the platform reads (palettes, 16 bits, RLE) into our own format.
void TBitmap::LoadDIB(const BITMAPINFO* info, const void* bits) {
  int width = info->bmiHeader.biWidth;
  int height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
  TPixelFormat format = info->bmiHeader.biBitCount == 32 ? pf32bit : pf24bit;
  void* ourBits = nullptr;
  HBITMAP handle = NewDIB(width, height, format, &ourBits);
  HDC dc = GetDC(nullptr);
  int lines = SetDIBits(dc, handle, 0, height, bits, info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  if (lines != height) {
    DeleteObject(handle);
    throw EInvalidGraphic("Bitmap image is not valid");
  }
  FPixelFormat = format;
  Replace(handle, ourBits, width, height);
}

void TBitmap::LoadFromStream(std::istream& stream) {
  BITMAPFILEHEADER fileHeader;
  if (!stream.read(reinterpret_cast<char*>(&fileHeader), sizeof fileHeader) || fileHeader.bfType != 0x4D42)
    throw EInvalidGraphic("Bitmap image is not valid");
  std::string data;
  if (fileHeader.bfSize > sizeof fileHeader) {
    data.resize(fileHeader.bfSize - sizeof fileHeader);
    stream.read(&data[0], static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<size_t>(stream.gcount()));
  } else {  // some writers leave the size 0
    data.assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
  }
  if (fileHeader.bfOffBits < sizeof fileHeader + sizeof(BITMAPINFOHEADER))
    throw EInvalidGraphic("Bitmap image is not valid");
  size_t offset = CheckedBitsOffset(data.data(), data.size(), fileHeader.bfOffBits - sizeof fileHeader);
  LoadDIB(reinterpret_cast<const BITMAPINFO*>(data.data()), data.data() + offset);
}

void TBitmap::LoadFromResource(HINSTANCE instance, LPCSTR name) {
  HRSRC resource = FindResourceA(instance, name, reinterpret_cast<LPCSTR>(RT_BITMAP));
  HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
  const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
  if (!data) {
    std::string text = IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : name;
    throw EInvalidGraphic("Resource " + text + " not found");
  }
  size_t size = SizeofResource(instance, resource);
  // The packed DIB's alignment is the resource's; copy it so that the header is aligned.
  std::string copy(data, size);
  size_t offset = CheckedBitsOffset(copy.data(), copy.size(), 0);
  LoadDIB(reinterpret_cast<const BITMAPINFO*>(copy.data()), copy.data() + offset);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  LoadFromResource(instance, name.c_str());
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadFromResource(instance, MAKEINTRESOURCEA(id));
}

// Bottom-up rows, as most readers expect.
void TBitmap::SaveToStream(std::ostream& stream) {
  if (Empty()) throw EInvalidGraphicOperation("Cannot save an empty bitmap");
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = FWidth;
  header.biHeight = FHeight;
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(BitsPerPixel(FPixelFormat));
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(RowBytes()) * FHeight;
  BITMAPFILEHEADER fileHeader = {};
  fileHeader.bfType = 0x4D42;
  fileHeader.bfOffBits = sizeof fileHeader + sizeof header;
  fileHeader.bfSize = fileHeader.bfOffBits + header.biSizeImage;
  stream.write(reinterpret_cast<const char*>(&fileHeader), sizeof fileHeader);
  stream.write(reinterpret_cast<const char*>(&header), sizeof header);
  for (int row = FHeight - 1; row >= 0; --row)
    stream.write(static_cast<const char*>(ScanLine(row)), RowBytes());
  if (!stream) throw EInOutError("Cannot write the bitmap");
}
