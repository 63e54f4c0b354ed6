// JPEG decoding with libjpeg's ordinary sequence. libjpeg reports errors through a callback
// that must not return; ours longjmps back to the step that called libjpeg, which throws.
#include "framework/Jpeg.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE
#include <istream>
#include <iterator>
#include <string>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace {

// libjpeg's state, destroyed on every path out of a decode.
struct Decompressor {
  jpeg_decompress_struct info = {};
  jpeg_error_mgr errors = {};
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX] = {};

  Decompressor() {
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ErrorExit;
    errors.emit_message = EmitMessage;
    info.client_data = this;
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }

  static void ErrorExit(j_common_ptr common) {
    auto* self = static_cast<Decompressor*>(common->client_data);
    common->err->format_message(common, self->message);
    std::longjmp(self->jump, 1);
  }

  // libjpeg only warns about a truncated file and pads the picture grey; we refuse it.
  static void EmitMessage(j_common_ptr common, int level) {
    if (level < 0 && common->err->msg_code == JWRN_JPEG_EOF) ErrorExit(common);
  }

  // Runs one libjpeg step; no object with a destructor lives between here and libjpeg.
  template <class Step> void Guarded(Step step) {
    if (setjmp(jump)) throw EJPEG(message);
    step();
  }
};

}  // namespace

TJPEGImage::TJPEGImage() : FBitmap(new TBitmap) {}

TJPEGImage::~TJPEGImage() = default;

void TJPEGImage::LoadFromStream(std::istream& stream) {
  std::string data((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  LoadFromMemory(data.data(), data.size());
}

void TJPEGImage::LoadFromMemory(const void* data, std::size_t size) {
  Decompressor d;
  d.Guarded([&] {
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, static_cast<const unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&d.info, TRUE);
    d.info.scale_num = 1;
    d.info.scale_denom = 1u << FScale;
    jpeg_start_decompress(&d.info);
  });
  int components = d.info.output_components;
  if (components != 3 && components != 1) throw EJPEG("Unsupported JPEG colour space");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height));
  std::vector<JSAMPLE> row(static_cast<size_t>(d.info.output_width) * components);
  JSAMPROW rows[] = {row.data()};
  for (int y = 0; y < bitmap->Height(); ++y) {
    d.Guarded([&] { jpeg_read_scanlines(&d.info, rows, 1); });
    BYTE* out = static_cast<BYTE*>(bitmap->ScanLine(y));
    for (size_t x = 0; x < d.info.output_width; ++x, out += 3) {
      const JSAMPLE* in = &row[x * components];
      out[0] = in[components - 1];  // the bitmap is BGR
      out[1] = in[components / 2];
      out[2] = in[0];
    }
  }
  d.Guarded([&] { jpeg_finish_decompress(&d.info); });
  FBitmap = std::move(bitmap);
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
