#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/core/image.h"

namespace skin {

// The largest layout number (an integer entry whose name ends in "Int") a skin may hold: the
// largest coordinate of a window.
constexpr std::int32_t kMaxLayoutNumber = 32767;

// Loads a skin container and answers lookups of its entries by name, without regard to
// letter case; of several entries of one name the first counts.
class TkivSkinReader {
public:
  TkivSkinReader() = default;
  // Loads the file at once; an empty name leaves the reader not ready.
  explicit TkivSkinReader(const std::string& fileName) { Load(fileName); }

  // Run after each successful load.
  std::function<void(TkivSkinReader& sender)> OnLoaded;

  bool Ready() const { return FReady; }

  // A load takes the new entries only when the whole container is sound and its layout
  // numbers lie within kMaxLayoutNumber either way; otherwise (also for a file that can't be
  // read) the reader is not ready and keeps its previous entries unused.
  bool Load(const std::string& fileName);
  bool LoadFromMemory(const std::vector<std::uint8_t>& data);

  // False, leaving the bitmap alone, when not ready, absent or not a readable BMP.
  bool GetBitmap(const std::string& name, Image& bitmap) const;
  // Frame index (from 1) of count equal-width frames of the bitmap entry.
  bool GetFrameBitmap(const std::string& name, Image& bitmap, int count, int index) const;
  // -1 when not ready, absent or not a number.
  std::int32_t GetInt(const std::string& name) const;
  // False when not ready, absent or not a number; else whether the low byte is nonzero.
  bool GetBool(const std::string& name) const;

private:
  // Each bitmap keeps a copy of its own bytes rather than a place in the container, so that a
  // read past one entry is a read past its buffer, which the sanitizers of the tests see.
  struct BitmapEntry {
    std::string Name;
    std::vector<std::uint8_t> Bytes;
  };

  bool FReady = false;
  std::vector<BitmapEntry> FBitmaps;
  // Integers and flags are kept as "name=value" lines, the way the platform's string lists
  // hold them: a name that holds "=" is then found by the text before it, and its value
  // does not parse.
  std::vector<std::string> FIntegers;
  std::vector<std::string> FFlags;
};

}  // namespace skin
