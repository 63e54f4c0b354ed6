// JPEG decoding through the portable decompressor, into a 24-bit bitmap.
#include "framework/Jpeg.h"

#include <istream>
#include <iterator>
#include <string>

#include "common/core/JpegDecompressor.h"

TJPEGImage::TJPEGImage() : FBitmap(new TBitmap) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromStream(std::istream& stream) {
  std::string data((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  LoadFromMemory(data.data(), data.size());
}

void TJPEGImage::LoadFromMemory(const void* data, std::size_t size) {
  try {
    common::TJpegDecompressor decompressor(data, size);
    decompressor.Start(FScale);
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(static_cast<int>(decompressor.OutputWidth()),
                    static_cast<int>(decompressor.OutputHeight()));
    for (int y = 0; y < bitmap->Height(); ++y)
      decompressor.ReadRowBGR(static_cast<unsigned char*>(bitmap->ScanLine(y)));
    decompressor.Finish();
    FBitmap = std::move(bitmap);
  } catch (const common::EJpegData& e) {
    throw EJPEG(e.what());
  }
  Changed();
}

void TJPEGImage::Assign(TPersistent* source) {
  if (!source) {
    FBitmap = std::make_unique<TBitmap>();
    return Changed();
  }
  auto* image = dynamic_cast<TJPEGImage*>(source);
  if (!image) return TGraphic::Assign(source);
  if (image == this) return;
  FBitmap->Assign(image->FBitmap.get());
  Changed();
}

std::unique_ptr<TGraphic> TJPEGImage::Clone() {
  auto copy = std::make_unique<TJPEGImage>();
  copy->Assign(this);
  return copy;
}

void TJPEGImage::Draw(TCanvas* canvas, const RECT& r) { canvas->StretchDraw(r, FBitmap.get()); }
