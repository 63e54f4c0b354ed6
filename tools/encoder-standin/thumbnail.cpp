#include "tools/encoder-standin/thumbnail.h"

#include <cstdio>
#include <vector>

#include <jpeglib.h>

bool WriteThumbnail(const std::string& path) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file);
  info.image_width = 160;
  info.image_height = 120;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(info.image_width * 3);
  for (size_t x = 0; x < row.size(); x += 3) {
    row[x] = 40;
    row[x + 1] = 150;
    row[x + 2] = 90;
  }
  JSAMPROW rows[] = {row.data()};
  while (info.next_scanline < info.image_height) jpeg_write_scanlines(&info, rows, 1);
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(file) == 0;
}
