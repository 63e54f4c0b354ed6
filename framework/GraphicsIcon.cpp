// Icons: an owned HICON from a resource or an .ico file.
#include "framework/Graphics.h"

#include <cstring>
#include <istream>
#include <iterator>

TIcon::TIcon() { TGraphic::SetTransparent(true); }

TIcon::~TIcon() {
  if (FHandle) DestroyIcon(FHandle);
}

void TIcon::SetHandle(HICON icon) {
  if (icon == FHandle) return;
  if (FHandle) DestroyIcon(FHandle);
  FHandle = icon;
  FWidth = FHeight = 0;
  ICONINFO info;
  if (icon && GetIconInfo(icon, &info)) {
    BITMAP bitmap;
    // Without a colour part the mask holds the AND and XOR halves one above the other.
    if (GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap)) {
      FWidth = bitmap.bmWidth;
      FHeight = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    }
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  Changed();
}

void TIcon::Assign(TPersistent* source) {
  if (!source) return SetHandle(nullptr);
  auto* icon = dynamic_cast<TIcon*>(source);
  if (!icon) return TGraphic::Assign(source);
  if (icon != this) SetHandle(icon->FHandle ? CopyIcon(icon->FHandle) : nullptr);
}

std::unique_ptr<TGraphic> TIcon::Clone() {
  auto copy = std::make_unique<TIcon>();
  copy->Assign(this);
  return copy;
}

void TIcon::Draw(TCanvas* canvas, const RECT& r) {
  DrawIconEx(canvas->Handle(), r.left, r.top, FHandle, r.right - r.left, r.bottom - r.top, 0,
             nullptr, DI_NORMAL);
}

// An .ico file: a directory of images, each a packed DIB with its mask.
void TIcon::LoadFromStream(std::istream& stream) {
  std::string data((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  auto word = [&](size_t at) {
    return static_cast<unsigned>(static_cast<BYTE>(data[at]) | static_cast<BYTE>(data[at + 1]) << 8);
  };
  constexpr size_t kDirectory = 6, kEntry = 16;
  if (data.size() < kDirectory + kEntry || word(0) != 0 || word(2) != 1 || word(4) == 0)
    throw EInvalidGraphic("Icon image is not valid");
  DWORD bytes, offset;
  std::memcpy(&bytes, &data[kDirectory + 8], sizeof bytes);
  std::memcpy(&offset, &data[kDirectory + 12], sizeof offset);
  if (bytes == 0 || offset > data.size() || bytes > data.size() - offset)
    throw EInvalidGraphic("Icon image is not valid");
  HICON icon = CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&data[offset]), bytes, TRUE,
                                        0x00030000, 0, 0, LR_DEFAULTCOLOR);
  if (!icon) throw EInvalidGraphic("Icon image is not valid");
  SetHandle(icon);
}

void TIcon::LoadFromResource(HINSTANCE instance, LPCSTR name) {
  HANDLE icon = LoadImageA(instance, name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE);
  if (!icon) {
    std::string text = IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : name;
    throw EInvalidGraphic("Resource " + text + " not found");
  }
  SetHandle(static_cast<HICON>(icon));
}

void TIcon::LoadFromResourceName(HINSTANCE instance, const std::string& name) {
  LoadFromResource(instance, name.c_str());
}

void TIcon::LoadFromResourceID(HINSTANCE instance, int id) {
  LoadFromResource(instance, MAKEINTRESOURCEA(id));
}
