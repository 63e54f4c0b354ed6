// JPEG pictures over libjpeg: decoding only.
#pragma once

#include <cstddef>
#include <memory>

#include "framework/Graphics.h"

// libjpeg could not decode the data; the message is libjpeg's own.
class EJPEG : public Exception {
public:
  using Exception::Exception;
};

// How large a picture is decoded: its full size, or a half, quarter or eighth of it each way
// (rounded up), which decodes faster than the full size shrunk afterwards. Each value is the
// number of times the size is halved.
enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };

// Decoded to a 24-bit bitmap when loaded, at the scale set before; a failed load raises EJPEG
// and keeps the old image.
class TJPEGImage : public TGraphic {
public:
  TJPEGImage();
  ~TJPEGImage() override;
  void Assign(TPersistent* source) override;  // another JPEG image or nothing

  int Width() const override { return FBitmap->Width(); }
  void SetWidth(int) override {}  // the size is the image's
  int Height() const override { return FBitmap->Height(); }
  void SetHeight(int) override {}
  bool Empty() const override { return FBitmap->Empty(); }
  TJPEGScale Scale() const { return FScale; }
  void SetScale(TJPEGScale scale) { FScale = scale; }
  void LoadFromStream(std::istream& stream) override;
  void LoadFromMemory(const void* data, std::size_t size);
  std::unique_ptr<TGraphic> Clone() override;

protected:
  void Draw(TCanvas* canvas, const RECT& r) override;

private:
  std::unique_ptr<TBitmap> FBitmap;
  TJPEGScale FScale = jsFullSize;
};
