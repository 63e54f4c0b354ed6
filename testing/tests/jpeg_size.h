#pragma once
#include <string>
#include <utility>

// Width and height from the JPEG's start-of-frame marker; 0x0 when there is none.
inline std::pair<int, int> JpegSize(const std::string& data) {
  for (size_t at = 2; at + 9 < data.size();) {
    if (static_cast<unsigned char>(data[at]) != 0xFF) break;
    const unsigned char marker = data[at + 1];
    const auto byte = [&](size_t offset) { return static_cast<unsigned char>(data[at + offset]); };
    if (marker == 0xC0 || marker == 0xC2) return {byte(7) << 8 | byte(8), byte(5) << 8 | byte(6)};
    at += 2 + (byte(2) << 8 | byte(3));
  }
  return {0, 0};
}
