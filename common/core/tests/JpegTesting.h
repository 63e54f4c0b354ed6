// JPEG pictures made for tests by libjpeg's encoder, and damaged copies of them.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace jpeg_testing {

// How the picture is stored: whole in one scan, in a few progressive scans, or in a scan for
// each coefficient of each colour (190 of them for colour).
enum class Scans { kOne, kProgressive, kEachCoefficient };

// A picture whose every line is the row: width pixels of 1 (grey), 3 (red, green and blue) or
// 4 (CMYK) bytes each.
inline std::string EncodeLines(unsigned width, unsigned height,
                               const std::vector<unsigned char>& row, Scans scans = Scans::kOne) {
  jpeg_compress_struct info = {};
  jpeg_error_mgr errors = {};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &out, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = static_cast<int>(row.size() / width);
  info.in_color_space = info.input_components == 1   ? JCS_GRAYSCALE
                        : info.input_components == 3 ? JCS_RGB
                                                     : JCS_CMYK;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 90, TRUE);
  if (scans == Scans::kProgressive) jpeg_simple_progression(&info);
  std::vector<jpeg_scan_info> script;
  if (scans == Scans::kEachCoefficient) {
    script.push_back({info.num_components, {0, 1, 2, 3}, 0, 0, 0, 0});
    for (int component = 0; component < info.num_components; ++component)
      for (int k = 1; k < DCTSIZE2; ++k) script.push_back({1, {component}, k, k, 0, 0});
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
  }
  jpeg_start_compress(&info, TRUE);
  JSAMPROW rows[] = {const_cast<unsigned char*>(row.data())};
  while (info.next_scanline < height) jpeg_write_scanlines(&info, rows, 1);
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string data(reinterpret_cast<char*>(out), size);
  std::free(out);
  return data;
}

// A picture whose pixels are all of the one colour.
inline std::string Encode(unsigned width, unsigned height, const std::vector<unsigned char>& pixel,
                          Scans scans = Scans::kOne) {
  std::vector<unsigned char> row;
  for (unsigned x = 0; x < width; ++x) row.insert(row.end(), pixel.begin(), pixel.end());
  return EncodeLines(width, height, row, scans);
}

// The picture with the size its frame header claims changed (nothing else); unchanged when
// it has no frame header.
inline std::string WithClaimedSize(std::string jpeg, unsigned width, unsigned height) {
  for (std::size_t at = 2; at + 9 < jpeg.size();) {
    const auto byte = [&](std::size_t offset) { return static_cast<unsigned char>(jpeg[at + offset]); };
    if (byte(0) != 0xFF) break;
    if (byte(1) == 0xC0 || byte(1) == 0xC2) {
      jpeg[at + 5] = static_cast<char>(height >> 8);
      jpeg[at + 6] = static_cast<char>(height & 0xFF);
      jpeg[at + 7] = static_cast<char>(width >> 8);
      jpeg[at + 8] = static_cast<char>(width & 0xFF);
      break;
    }
    at += 2 + (byte(2) << 8 | byte(3));
  }
  return jpeg;
}

}  // namespace jpeg_testing
