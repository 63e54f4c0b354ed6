// One JPEG held in memory decoded through libjpeg, step by step, with libjpeg's errors as
// exceptions. The header comes first and tells the size the picture claims before anything of
// that size is allocated, so a caller can refuse it there.
#pragma once
#include <csetjmp>
#include <cstddef>
#include <cstdio>  // jpeglib.h needs FILE
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

namespace common {

// libjpeg refused the data (a truncated picture included); the message is libjpeg's own.
class EJpegData : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TJpegDecompressor {
public:
  // Progressive pictures come in a few scans (ten from a common encoder); each scan is a pass
  // over the whole picture, so a small file of thousands of them would decode for minutes.
  static constexpr int kMaxScans = 100;

  // Reads the header of the data, which must outlive this; raises EJpegData.
  TJpegDecompressor(const void* data, std::size_t size);
  ~TJpegDecompressor();
  TJpegDecompressor(const TJpegDecompressor&) = delete;
  TJpegDecompressor& operator=(const TJpegDecompressor&) = delete;

  // The size the header claims.
  unsigned Width() const { return FInfo.image_width; }
  unsigned Height() const { return FInfo.image_height; }
  // Starts decoding at the size halved the given number of times (0 to 3) each way, rounded
  // up; only grey and colour pictures decode.
  void Start(int halvings);
  unsigned OutputWidth() const { return FInfo.output_width; }
  unsigned OutputHeight() const { return FInfo.output_height; }
  // The next row, top to bottom, as OutputWidth() pixels of blue, green and red bytes.
  void ReadRowBGR(unsigned char* out);
  // After the last row: the rest of the data must be whole too.
  void Finish();

private:
  static void ErrorExit(j_common_ptr common);
  static void EmitMessage(j_common_ptr common, int level);
  static void LimitScans(j_common_ptr common);
  // Runs one libjpeg step; no object with a destructor lives between here and libjpeg.
  template <class Step> void Guarded(Step step);

  jpeg_decompress_struct FInfo = {};
  jpeg_error_mgr FErrors = {};
  jpeg_progress_mgr FProgress = {};
  std::jmp_buf FJump;
  char FMessage[JMSG_LENGTH_MAX] = {};
  std::vector<JSAMPLE> FRow;
};

}  // namespace common
