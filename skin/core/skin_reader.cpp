#include "skin/core/skin_reader.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

#include "skin/core/bitmap_ops.h"
#include "skin/core/bmp.h"
#include "skin/core/container.h"
#include "skin/core/little_endian.h"
#include "skin/core/text.h"

namespace skin {
namespace {

// The value of the first "name=value" line whose name matches.
std::optional<std::int32_t> FindValue(const std::vector<std::string>& lines,
                                      const std::string& name) {
  for (const std::string& line : lines) {
    const std::size_t equals = line.find('=');
    if (!SameText(line.substr(0, equals), name))
      continue;
    const char* first = line.data() + equals + 1;
    const char* last = line.data() + line.size();
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last)
      return std::nullopt;
    return value;
  }
  return std::nullopt;
}

// A layout number ("FormRoundCornerInt", "TitleBarButtonTopInt", ...) beyond what a window's
// coordinates hold; colours and other integers may take any value.
bool UnusableLayoutNumber(const std::string& name, std::int32_t value) {
  const bool layout = name.size() >= 3 && SameText(name.substr(name.size() - 3), "Int");
  return layout && (value < -kMaxLayoutNumber || value > kMaxLayoutNumber);
}

}  // namespace

bool TkivSkinReader::Load(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) {
    FReady = false;
    return false;
  }
  std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(file),
                                 std::istreambuf_iterator<char>()};
  if (file.bad()) {
    FReady = false;
    return false;
  }
  return LoadFromMemory(data);
}

bool TkivSkinReader::LoadFromMemory(const std::vector<std::uint8_t>& data) {
  const std::optional<std::vector<ContainerEntry>> entries = ReadContainer(data);
  if (!entries) {
    FReady = false;
    return false;
  }
  std::vector<BitmapEntry> bitmaps;
  std::vector<std::string> integers;
  std::vector<std::string> flags;
  for (const ContainerEntry& entry : *entries) {
    const std::uint8_t* bytes = data.data() + entry.DataOffset;
    switch (entry.Type) {
      case EntryType::Bitmap:
        bitmaps.push_back({entry.Name, std::vector<std::uint8_t>(bytes, bytes + entry.DataSize)});
        break;
      case EntryType::Integer: {
        // Sizes other than 4 don't occur; a shorter one reads as zero-filled.
        std::uint8_t value[4] = {};
        std::copy_n(bytes, std::min<std::size_t>(entry.DataSize, 4), value);
        const std::int32_t number = std::int32_t(ReadU32(value));
        if (UnusableLayoutNumber(entry.Name, number)) {
          FReady = false;
          return false;
        }
        integers.push_back(entry.Name + "=" + std::to_string(number));
        break;
      }
      case EntryType::Flag:
        flags.push_back(entry.Name + "=" + std::to_string(entry.DataSize > 0 ? bytes[0] : 0));
        break;
    }
  }
  FBitmaps = std::move(bitmaps);
  FIntegers = std::move(integers);
  FFlags = std::move(flags);
  FReady = true;
  if (OnLoaded)
    OnLoaded(*this);
  return true;
}

bool TkivSkinReader::GetBitmap(const std::string& name, Image& bitmap) const {
  if (!FReady)
    return false;
  const auto entry = std::find_if(FBitmaps.begin(), FBitmaps.end(),
                                  [&](const BitmapEntry& e) { return SameText(e.Name, name); });
  if (entry == FBitmaps.end())
    return false;
  std::optional<Image> image = ReadBmp(entry->Bytes.data(), entry->Bytes.size());
  if (!image)
    return false;
  bitmap = std::move(*image);
  return true;
}

bool TkivSkinReader::GetFrameBitmap(const std::string& name, Image& bitmap, int count,
                                    int index) const {
  Image whole;
  if (!GetBitmap(name, whole))
    return false;
  bitmap = ExtractFrameBitmap(whole, count, index);
  return true;
}

std::int32_t TkivSkinReader::GetInt(const std::string& name) const {
  if (!FReady)
    return -1;
  return FindValue(FIntegers, name).value_or(-1);
}

bool TkivSkinReader::GetBool(const std::string& name) const {
  if (!FReady)
    return false;
  const std::optional<std::int32_t> value = FindValue(FFlags, name);
  return value && (*value & 0xFF) != 0;
}

}  // namespace skin
