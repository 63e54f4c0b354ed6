// The picture: one graphic of any kind, chosen by file extension when loaded.
#include "framework/Graphics.h"

#include "framework/Jpeg.h"

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Replace(std::unique_ptr<TGraphic> graphic) {
  FGraphic = std::move(graphic);
  if (FGraphic) FGraphic->OnChange = [this](TObject*) { Changed(); };
  Changed();
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TPicture::SetGraphic(TGraphic* graphic) {
  if (graphic != FGraphic.get()) Replace(graphic ? graphic->Clone() : nullptr);
}

void TPicture::Assign(TPersistent* source) {
  if (!source) return Replace(nullptr);
  if (auto* picture = dynamic_cast<TPicture*>(source)) return SetGraphic(picture->Graphic());
  if (auto* graphic = dynamic_cast<TGraphic*>(source)) return SetGraphic(graphic);
  TPersistent::Assign(source);
}

TBitmap* TPicture::Bitmap() {
  if (!dynamic_cast<TBitmap*>(FGraphic.get())) Replace(std::make_unique<TBitmap>());
  return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon() {
  if (!dynamic_cast<TIcon*>(FGraphic.get())) Replace(std::make_unique<TIcon>());
  return static_cast<TIcon*>(FGraphic.get());
}

int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }

int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

// A file that fails to load leaves the picture as it was.
void TPicture::LoadFromFile(const std::string& fileName) {
  std::string ext = LowerCase(ExtractFileExt(fileName));
  std::unique_ptr<TGraphic> graphic;
  if (ext == ".bmp")
    graphic = std::make_unique<TBitmap>();
  else if (ext == ".ico")
    graphic = std::make_unique<TIcon>();
  else if (ext == ".jpg" || ext == ".jpeg" || ext == ".thm")
    graphic = std::make_unique<TJPEGImage>();
  else
    throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
  graphic->LoadFromFile(fileName);
  Replace(std::move(graphic));
}
