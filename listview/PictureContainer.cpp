#include "listview/PictureContainer.h"

#include <fstream>
#include <iterator>

#include "listview/core/PictureSources.h"

namespace {
listview::Bytes ReadAll(std::istream& stream) {
  return listview::Bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

// The decoded picture's extent in HIMETRIC.
SIZE HimetricSize(IPicture* picture) {
  OLE_XSIZE_HIMETRIC w = 0;
  OLE_YSIZE_HIMETRIC h = 0;
  picture->get_Width(&w);
  picture->get_Height(&h);
  return {w, h};
}
}  // namespace

THTMLPicture::THTMLPicture() = default;
THTMLPicture::~THTMLPicture() { DropPicture(); }

void THTMLPicture::DropPicture() {
  if (FPicture) FPicture->Release();
  FPicture = nullptr;
}

void THTMLPicture::Assign(TPersistent* source) {
  if (source == this) return;
  // The old bytes go undecoded: they may be what no loader reads.
  FEmpty = true;
  DropPicture();
  FData.clear();
  FFrameCount = -1;
  FFrame = 1;
  auto* picture = dynamic_cast<THTMLPicture*>(source);
  if (picture && !picture->FData.empty()) {
    LoadBytes(picture->FData);
    Changed();
  }
}

void THTMLPicture::LoadBytes(listview::Bytes bytes) {
  FData = std::move(bytes);
  FFrameCount = -1;
  FEmpty = false;
  DecodePicture();
}

void THTMLPicture::LoadFromStream(std::istream& stream) {
  LoadBytes(ReadAll(stream));
  Changed();
}

void THTMLPicture::ReadData(std::istream& stream) { LoadBytes(ReadAll(stream)); }

void THTMLPicture::LoadFromFile(const std::string& fileName) {
  try {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) throw EInvalidGraphic("Cannot open " + fileName);
    LoadFromStream(file);
  } catch (const std::exception&) {
    // A picture that cannot be had shows nothing; the mark-up around it still does.
    FEmpty = true;
  }
}

void THTMLPicture::SaveToStream(std::ostream& stream) {
  stream.write(reinterpret_cast<const char*>(FData.data()), (std::streamsize)FData.size());
}

std::unique_ptr<TGraphic> THTMLPicture::Clone() {
  auto copy = std::make_unique<THTMLPicture>();
  copy->Assign(this);
  return copy;
}

void THTMLPicture::SetFrame(int frame) {
  FFrame = frame;
  if (FData.empty()) return;
  DecodePicture();
  if (OnFrameChange) OnFrameChange(this);
}

int THTMLPicture::FrameCount() {
  if (FFrameCount == -1) FFrameCount = listview::GifFrameCount(FData);
  return FFrameCount;
}

void THTMLPicture::DecodePicture() {
  DropPicture();
  const listview::GifFrameSelection s = listview::SelectGifFrame(FData, FFrame);
  FFrameLeft = s.Left;
  FFrameTop = s.Top;
  FFrameWidth = s.Width;
  FFrameHeight = s.Height;
  FScreenWidth = s.ScreenWidth;
  FScreenHeight = s.ScreenHeight;
  // The loader gets exactly the bytes kept: the frames before the chosen one are left out.
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, s.Data.size());
  if (!block) throw Exception("Could not allocate memory for image");
  if (void* p = GlobalLock(block)) {
    std::copy(s.Data.begin(), s.Data.end(), static_cast<std::uint8_t*>(p));
    GlobalUnlock(block);
  }
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream))) {
    GlobalFree(block);
    throw Exception("Could not create image stream");
  }
  if (!stream) throw Exception("Empty image stream created");
  const HRESULT hr = OleLoadPicture(stream, (LONG)s.Data.size(), FALSE, IID_IPicture, (void**)&FPicture);
  stream->Release();
  if (FAILED(hr)) {
    FPicture = nullptr;
    throw Exception("Could not load image. Invalid format");
  }
  if (!FPicture) throw Exception("Could not load image");
}

int THTMLPicture::Width() const {
  return FPicture ? listview::HimetricToPixels(HimetricSize(FPicture).cx, FLogPixelsX) : 0;
}

int THTMLPicture::Height() const {
  return FPicture ? listview::HimetricToPixels(HimetricSize(FPicture).cy, FLogPixelsY) : 0;
}

void THTMLPicture::Draw(TCanvas* canvas, const RECT& r) {
  if (FEmpty || !FPicture) return;
  const SIZE hm = HimetricSize(FPicture);
  HDC dc = canvas->Handle();
  int w = r.right - r.left, h = r.bottom - r.top;
  if (!FStretch) {
    w = listview::HimetricToPixels(hm.cx, GetDeviceCaps(dc, LOGPIXELSX));
    h = listview::HimetricToPixels(hm.cy, GetDeviceCaps(dc, LOGPIXELSY));
  }
  // The picture's own origin is its bottom left.
  FPicture->Render(dc, r.left, r.top, w, h, 0, hm.cy, hm.cx, -hm.cy, nullptr);
}

void THTMLPicture::AssignSource(const std::string& source) {
  const listview::SourceRoute route = listview::RouteSource(source);
  switch (route.Kind) {
    case listview::SourceKind::Resource: {
      FSource = source;
      HMODULE module = GetModuleHandleA(nullptr);
      HRSRC found = FindResourceA(module, route.Name.c_str(), RT_RCDATA);
      if (!found) return;
      const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
      if (!bytes) return;
      LoadBytes(listview::Bytes(bytes, bytes + SizeofResource(module, found)));
      Changed();
      return;
    }
    case listview::SourceKind::File:
      FSource = source;
      LoadFromFile(route.Name);
      return;
    case listview::SourceKind::Remote:
      if (!FAsynch) {
        FPendingSource = FSource = source;
      } else if (!FDownLoadBusy) {
        FPendingSource = source;
        FDownLoadBusy = true;
      }
      return;
  }
}

THTMLPicture* THTMLPictureCache::NewPicture() {
  FItems.push_back(std::make_unique<THTMLPicture>());
  return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::PictureBySource(const std::string& source) const {
  for (const auto& p : FItems)
    if (p->Source() == source) return p.get();
  return nullptr;
}

void TPictureItem::Assign(TPersistent* source) {
  auto* item = dynamic_cast<TPictureItem*>(source);
  if (!item) return TPersistent::Assign(source);
  Name = item->Name;
  Tag = item->Tag;
  FPicture->Assign(item->FPicture.get());
}

TPictureItem* TPictureCollection::Add() {
  FItems.push_back(std::make_unique<TPictureItem>(this));
  return FItems.back().get();
}

void TPictureCollection::Assign(TPersistent* source) {
  auto* collection = dynamic_cast<TPictureCollection*>(source);
  if (!collection) return TPersistent::Assign(source);
  FItems.clear();
  for (const auto& item : collection->FItems) Add()->Assign(item.get());
}

std::string TPictureContainer::Version() const { return listview::VersionText(listview::PackVersion(1, 0, 0, 0)); }

THTMLPicture* TPictureContainer::PictureByName(const std::string& name) {
  for (int i = 0; i < FItems->Count(); ++i)
    if (listview::SameNameIgnoringCase(FItems->Items(i)->Name, name)) return FItems->Items(i)->Picture();
  return nullptr;
}
