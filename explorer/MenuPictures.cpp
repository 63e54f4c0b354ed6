#include "explorer/MenuPictures.h"

#include <windows.h>

TBitmap* TMenuPictures::Get(const std::string& name) {
  if (name.empty()) return nullptr;
  for (auto& [known, bitmap] : FBitmaps)
    if (known == name) return bitmap.get();
  // The light grey of the pictures becomes the system's face colour, the menu's own.
  auto loaded = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 16, 16, LR_LOADMAP3DCOLORS));
  if (!loaded) return nullptr;
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(16, 16);
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, loaded);
  BitBlt(bitmap->Canvas()->Handle(), 0, 0, 16, 16, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
  DeleteObject(loaded);
  FBitmaps.emplace_back(name, std::move(bitmap));
  return FBitmaps.back().second.get();
}
