// The image list component over the common controls' image list.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Classes.h"
#include "framework/Graphics.h"

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };

// Images of one size in one list; the list is made when first used and made again (empty)
// when the size or masking changes. A list handed over with SetHandle (the shell's system
// list, say) may be shared: then it is never destroyed by this object.
class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* owner);
  ~TImageList() override;

  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // Takes the list (its image size too), destroying the old one unless it is shared.
  void SetHandle(HIMAGELIST list);
  bool ShareImages() const { return FShareImages; }
  void SetShareImages(bool v) { FShareImages = v; }
  // The colour behind the images; clNone draws them transparently.
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor c);
  // What a focused or selected image is blended with.
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor c) { FBlendColor = c; }
  int Width() const { return FWidth; }
  void SetWidth(int width);
  int Height() const { return FHeight; }
  void SetHeight(int height);
  bool Masked() const { return FMasked; }
  void SetMasked(bool masked);
  // How many images the list makes room for whenever it is full; the platform copies all the
  // images each time, so a list filled with many wants a large step. Read when the list is made.
  int AllocBy() const { return FAllocBy; }
  void SetAllocBy(int count) { FAllocBy = count > 0 ? count : 1; }
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle style) { FDrawingStyle = style; }
  int Count();

  // Each returns the index of the first image added (a wide bitmap gives several), -1 on failure.
  int Add(TBitmap* image, TBitmap* mask);
  int AddMasked(TBitmap* image, TColor maskColor);
  // Puts the image in place of the one at the index; false when there is none there.
  bool Replace(int index, TBitmap* image, TBitmap* mask);
  void Clear();
  // A disabled image is drawn embossed in the system's disabled style.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  // The image on the list's background colour, at the list's size.
  void GetBitmap(int index, TBitmap* bitmap);
  TNotifyEvent OnChange;

private:
  void Recreate();
  void Changed();
  void DestroyOwnHandle();
  HIMAGELIST FHandle = nullptr;
  bool FShareImages = false;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  int FWidth = 16;
  int FHeight = 16;
  bool FMasked = true;
  int FAllocBy = 4;
  TDrawingStyle FDrawingStyle = dsNormal;
};
