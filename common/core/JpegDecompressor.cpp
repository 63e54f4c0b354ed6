// libjpeg reports errors through a callback that must not return; ours longjmps back to the
// step that called libjpeg, which throws.
#include "common/core/JpegDecompressor.h"

#include <cstdio>

#include <jerror.h>

namespace common {

TJpegDecompressor::TJpegDecompressor(const void* data, std::size_t size) {
  FInfo.err = jpeg_std_error(&FErrors);
  FErrors.error_exit = ErrorExit;
  FErrors.emit_message = EmitMessage;
  FInfo.client_data = this;
  try {
    Guarded([&] {
      jpeg_create_decompress(&FInfo);
      FProgress.progress_monitor = LimitScans;
      FInfo.progress = &FProgress;
      jpeg_mem_src(&FInfo, static_cast<const unsigned char*>(data),
                   static_cast<unsigned long>(size));
      jpeg_read_header(&FInfo, TRUE);
    });
  } catch (...) {
    jpeg_destroy_decompress(&FInfo);
    throw;
  }
}

TJpegDecompressor::~TJpegDecompressor() { jpeg_destroy_decompress(&FInfo); }

void TJpegDecompressor::ErrorExit(j_common_ptr common) {
  auto* self = static_cast<TJpegDecompressor*>(common->client_data);
  common->err->format_message(common, self->FMessage);
  std::longjmp(self->FJump, 1);
}

// libjpeg only warns about a truncated file and pads the picture grey; we refuse it.
void TJpegDecompressor::EmitMessage(j_common_ptr common, int level) {
  if (level < 0 && common->err->msg_code == JWRN_JPEG_EOF) ErrorExit(common);
}

void TJpegDecompressor::LimitScans(j_common_ptr common) {
  auto* self = static_cast<TJpegDecompressor*>(common->client_data);
  if (self->FInfo.input_scan_number <= kMaxScans) return;
  std::snprintf(self->FMessage, sizeof self->FMessage, "More than %d scans", kMaxScans);
  std::longjmp(self->FJump, 1);
}

template <class Step> void TJpegDecompressor::Guarded(Step step) {
  if (setjmp(FJump)) throw EJpegData(FMessage);
  step();
}

void TJpegDecompressor::Start(int halvings) {
  Guarded([&] {
    FInfo.scale_num = 1;
    FInfo.scale_denom = 1u << halvings;
    jpeg_start_decompress(&FInfo);
  });
  if (FInfo.output_components != 3 && FInfo.output_components != 1)
    throw EJpegData("Unsupported JPEG colour space");
  FRow.resize(static_cast<std::size_t>(FInfo.output_width) * FInfo.output_components);
}

void TJpegDecompressor::ReadRowBGR(unsigned char* out) {
  JSAMPROW rows[] = {FRow.data()};
  Guarded([&] { jpeg_read_scanlines(&FInfo, rows, 1); });
  const int components = FInfo.output_components;
  for (const JSAMPLE* in = FRow.data(); in != FRow.data() + FRow.size(); in += components) {
    *out++ = in[components - 1];
    *out++ = in[components / 2];
    *out++ = in[0];
  }
}

void TJpegDecompressor::Finish() {
  Guarded([&] { jpeg_finish_decompress(&FInfo); });
}

}  // namespace common
