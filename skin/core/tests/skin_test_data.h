#pragma once
// Skin containers and BMP files built byte by byte for the tests.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "skin/core/image.h"

namespace skin::test {

using Bytes = std::vector<std::uint8_t>;

inline void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i)
    bytes[at + i] = std::uint8_t(value >> (8 * i));
}

inline void AppendU32(Bytes& bytes, std::uint32_t value) {
  bytes.resize(bytes.size() + 4);
  PutU32(bytes, bytes.size() - 4, value);
}

inline Bytes IntData(std::int32_t value) {
  Bytes data;
  AppendU32(data, std::uint32_t(value));
  return data;
}

struct TestEntry {
  std::string Name;
  std::uint8_t Type;  // 0 bitmap, 1 integer, 2 flag
  Bytes Data;
};

constexpr std::size_t kRecordSize = 77;
constexpr std::size_t kNextField = 73;

struct TestContainer {
  Bytes Data;
  std::vector<std::size_t> Records;  // offsets of the entries' records, then the terminator's
};

// The layout of the system's own containers: records in order, each followed by its data,
// and a terminator record (all zero but type 2) at the end.
inline TestContainer BuildContainer(const std::vector<TestEntry>& entries) {
  TestContainer c;
  const char magic[12] = "Kivlane_TB";
  c.Data.assign(magic, magic + 12);
  AppendU32(c.Data, 24);
  AppendU32(c.Data, 1);
  AppendU32(c.Data, 24);
  auto appendRecord = [&](const std::string& name, std::uint8_t type, std::uint32_t dataOffset,
                          std::uint32_t dataSize, std::uint32_t next) {
    c.Records.push_back(c.Data.size());
    Bytes field(64);
    std::memcpy(field.data(), name.data(), name.size() < 64 ? name.size() : 64);
    c.Data.insert(c.Data.end(), field.begin(), field.end());
    c.Data.push_back(type);
    AppendU32(c.Data, dataOffset);
    AppendU32(c.Data, dataSize);
    AppendU32(c.Data, next);
  };
  for (const TestEntry& e : entries) {
    const std::uint32_t dataOffset = std::uint32_t(c.Data.size() + kRecordSize);
    const std::uint32_t next = dataOffset + std::uint32_t(e.Data.size());
    appendRecord(e.Name, e.Type, dataOffset, std::uint32_t(e.Data.size()), next);
    c.Data.insert(c.Data.end(), e.Data.begin(), e.Data.end());
  }
  appendRecord("", 2, 0, 0, 0);
  return c;
}

// A BMP file of the image: 24 or 32 bits, or 1, 4 or 8 bits with a palette of the image's
// colours; bottom-up unless topDown.
inline Bytes BmpFile(const Image& image, int bits, bool topDown = false) {
  std::vector<Color> palette;
  if (bits <= 8)
    for (Color c : image.Pixels())
      if (std::find(palette.begin(), palette.end(), c) == palette.end())
        palette.push_back(c);
  const std::size_t stride = (std::size_t(image.Width()) * bits + 31) / 32 * 4;
  const std::uint32_t pixelOffset = std::uint32_t(54 + palette.size() * 4);
  Bytes b = {'B', 'M'};
  AppendU32(b, std::uint32_t(pixelOffset + stride * image.Height()));
  AppendU32(b, 0);
  AppendU32(b, pixelOffset);
  AppendU32(b, 40);
  AppendU32(b, std::uint32_t(image.Width()));
  AppendU32(b, std::uint32_t(topDown ? -image.Height() : image.Height()));
  b.insert(b.end(), {1, 0, std::uint8_t(bits), 0});
  for (std::uint32_t field : {0u, 0u, 2835u, 2835u, std::uint32_t(palette.size()), 0u})
    AppendU32(b, field);
  for (Color c : palette)
    b.insert(b.end(), {std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c), 0});
  for (int row = 0; row < image.Height(); ++row) {
    const int y = topDown ? row : image.Height() - 1 - row;
    Bytes line(stride);
    for (int x = 0; x < image.Width(); ++x) {
      const Color c = image.Pixel(x, y);
      if (bits <= 8) {
        const int index = int(std::find(palette.begin(), palette.end(), c) - palette.begin());
        const int perByte = 8 / bits;
        line[x / perByte] |= std::uint8_t(index << ((perByte - 1 - x % perByte) * bits));
      } else {
        std::uint8_t* p = &line[std::size_t(x) * (bits / 8)];
        p[0] = std::uint8_t(c >> 16);
        p[1] = std::uint8_t(c >> 8);
        p[2] = std::uint8_t(c);
      }
    }
    b.insert(b.end(), line.begin(), line.end());
  }
  return b;
}

// An image whose every pixel differs, so that misplaced pixels show.
inline Image Numbered(int width, int height) {
  Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, Color(0x010000 * (y + 1) + x + 1));
  return image;
}

inline Bytes ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace skin::test
