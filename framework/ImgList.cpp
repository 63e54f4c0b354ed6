// The image list component.
#include "framework/ImgList.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() { DestroyOwnHandle(); }

void TImageList::DestroyOwnHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

void TImageList::SetHandle(HIMAGELIST list) {
  if (list == FHandle) return;
  DestroyOwnHandle();
  FHandle = list;
  if (list) {
    ImageList_GetIconSize(list, &FWidth, &FHeight);
    ImageList_SetBkColor(list, FBkColor == clNone ? CLR_NONE : ColorRef(FBkColor));
  }
  Changed();
}

void TImageList::SetBkColor(TColor c) {
  FBkColor = c;
  if (FHandle) ImageList_SetBkColor(FHandle, c == clNone ? CLR_NONE : ColorRef(c));
}

HIMAGELIST TImageList::Handle() {
  if (!FHandle)
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR24 | (FMasked ? ILC_MASK : 0), 4, FAllocBy);
  return FHandle;
}

void TImageList::Recreate() {
  DestroyOwnHandle();
  Changed();
}

void TImageList::Changed() {
  if (OnChange) OnChange(this);
}

void TImageList::SetWidth(int width) {
  if (width <= 0 || width == FWidth) return;
  FWidth = width;
  Recreate();
}

void TImageList::SetHeight(int height) {
  if (height <= 0 || height == FHeight) return;
  FHeight = height;
  Recreate();
}

void TImageList::SetMasked(bool masked) {
  if (masked == FMasked) return;
  FMasked = masked;
  Recreate();
}

int TImageList::Count() { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

int TImageList::Add(TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty()) return -1;
  int index = ImageList_Add(Handle(), image->Handle(), mask ? mask->Handle() : nullptr);
  if (index >= 0) Changed();
  return index;
}

int TImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) return -1;
  if (!FMasked) return Add(image, nullptr);
  TBitmap copy;  // the platform blackens the masked pixels of the bitmap it is given
  copy.Assign(image);
  int index = ImageList_AddMasked(Handle(), copy.Handle(), ColorRef(maskColor));
  if (index >= 0) Changed();
  return index;
}

bool TImageList::Replace(int index, TBitmap* image, TBitmap* mask) {
  if (!image || image->Empty() || index < 0 || index >= Count()) return false;
  if (!ImageList_Replace(Handle(), index, image->Handle(), mask ? mask->Handle() : nullptr))
    return false;
  Changed();
  return true;
}

void TImageList::Clear() {
  if (FHandle && ImageList_Remove(FHandle, -1)) Changed();
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (!FHandle || index < 0 || index >= Count()) return;
  HDC dc = canvas->Handle();
  if (enabled) {
    UINT style = FDrawingStyle == dsTransparent ? ILD_TRANSPARENT
               : FDrawingStyle == dsFocus      ? ILD_FOCUS
               : FDrawingStyle == dsSelected   ? ILD_SELECTED
                                               : ILD_NORMAL;
    COLORREF blend = FBlendColor == clNone ? CLR_DEFAULT : ColorRef(FBlendColor);
    ImageList_DrawEx(FHandle, index, dc, x, y, 0, 0, CLR_DEFAULT, blend, style);
    return;
  }
  HICON icon = ImageList_GetIcon(FHandle, index, ILD_NORMAL);
  if (!icon) return;
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, x, y, FWidth, FHeight,
             DST_ICON | DSS_DISABLED);
  DestroyIcon(icon);
}

void TImageList::GetBitmap(int index, TBitmap* bitmap) {
  if (!bitmap || !FHandle || index < 0 || index >= Count()) return;
  bitmap->SetSize(FWidth, FHeight);
  TCanvas* canvas = bitmap->Canvas();
  COLORREF background = ImageList_GetBkColor(FHandle);
  canvas->Brush()->SetColor(background == CLR_NONE ? clWhite : background);
  canvas->FillRect(TRect(0, 0, FWidth, FHeight));
  ImageList_Draw(FHandle, index, canvas->Handle(), 0, 0, ILD_NORMAL);
}
