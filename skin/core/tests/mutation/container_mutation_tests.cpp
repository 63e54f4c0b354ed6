// Thousands of containers corrupted from the built-in one. Built with the address sanitizer:
// every load must end loaded or not ready, without a crash, a hang or a read outside the
// container's bytes, and lookups on what was loaded must stay inside it too.
#include <gtest/gtest.h>

#include <random>

#include "skin/core/container.h"
#include "skin/core/skin_reader.h"
#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

using test::Bytes;

constexpr int kMutantsPerKind = 3000;

class ContainerMutation : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    Original = new Bytes(test::ReadFile(BUILTIN_SKIN_FILE));
    const auto entries = ReadContainer(*Original);
    ASSERT_TRUE(entries);
    Entries = new std::vector<ContainerEntry>(*entries);
  }
  static void TearDownTestSuite() {
    delete Original;
    delete Entries;
  }

  std::uint32_t Random(std::uint32_t below) {
    return std::uniform_int_distribution<std::uint32_t>(0, below - 1)(FRandom);
  }

  // Where a record field of a random entry lies: 64 type, 65 data offset, 69 data size,
  // 73 next record (the header's first-record field stands in for "record" -1).
  std::size_t RandomOffsetField() {
    const std::uint32_t which = Random(std::uint32_t(Entries->size()) + 1);
    if (which == Entries->size())
      return 20;
    const std::size_t record = (*Entries)[which].DataOffset - test::kRecordSize;
    static const std::size_t kFields[] = {65, 69, 73};
    return record + kFields[Random(3)];
  }

  std::uint32_t RecordOffset() {
    return std::uint32_t((*Entries)[Random(std::uint32_t(Entries->size()))].DataOffset -
                         test::kRecordSize);
  }

  // Loads the mutant from a buffer of exactly its size and reads every entry the skin has.
  void Check(const Bytes& mutant) {
    TkivSkinReader reader;
    const bool loaded = reader.LoadFromMemory(Bytes(mutant.begin(), mutant.end()));
    ASSERT_EQ(loaded, reader.Ready());
    // A sound container may still be refused for a layout number no window can use.
    ASSERT_TRUE(!loaded || ReadContainer(mutant).has_value());
    for (const ContainerEntry& e : *Entries) {
      Image image;
      const bool found = reader.GetBitmap(e.Name, image);
      reader.GetFrameBitmap(e.Name, image, 3, 2);
      const std::int32_t value = reader.GetInt(e.Name);
      const bool flag = reader.GetBool(e.Name);
      if (!loaded) {
        ASSERT_FALSE(found || flag);
        ASSERT_EQ(value, -1);
      }
    }
    ++(loaded ? Loaded : NotReady);
  }

  static Bytes* Original;
  static std::vector<ContainerEntry>* Entries;
  std::mt19937 FRandom{20261209};
  int Loaded = 0;
  int NotReady = 0;
};

Bytes* ContainerMutation::Original = nullptr;
std::vector<ContainerEntry>* ContainerMutation::Entries = nullptr;

TEST_F(ContainerMutation, FlippedBytes) {
  for (int i = 0; i < kMutantsPerKind; ++i) {
    Bytes mutant = *Original;
    for (std::uint32_t n = Random(8) + 1; n > 0; --n) {
      // Half the flips hit the header and record fields, where they change the walk.
      const std::size_t at = Random(2) ? RandomOffsetField() + Random(4)
                                       : Random(std::uint32_t(mutant.size()));
      mutant[at] ^= std::uint8_t(Random(255) + 1);
    }
    ASSERT_NO_FATAL_FAILURE(Check(mutant)) << "mutant " << i;
  }
  EXPECT_GT(Loaded, 0);
  EXPECT_GT(NotReady, 0);
}

TEST_F(ContainerMutation, CutLengths) {
  for (int i = 0; i < kMutantsPerKind; ++i) {
    const std::size_t length = i < 100 ? std::size_t(i) : Random(std::uint32_t(Original->size()));
    ASSERT_NO_FATAL_FAILURE(Check(Bytes(Original->begin(), Original->begin() + length)))
        << "length " << length;
  }
  EXPECT_EQ(Loaded, 0);
}

TEST_F(ContainerMutation, CyclicAndOutOfRangeOffsets) {
  const std::uint32_t size = std::uint32_t(Original->size());
  for (int i = 0; i < kMutantsPerKind; ++i) {
    Bytes mutant = *Original;
    for (std::uint32_t n = Random(3) + 1; n > 0; --n) {
      const std::uint32_t values[] = {RecordOffset(), size - Random(100), size + Random(100),
                                      0xFFFFFFFF - Random(100), 0x80000000u, Random(size)};
      test::PutU32(mutant, RandomOffsetField(), values[Random(std::size(values))]);
    }
    ASSERT_NO_FATAL_FAILURE(Check(mutant)) << "mutant " << i;
  }
  EXPECT_GT(NotReady, 0);
}

// A bitmap entry whose size is cut below its BMP's own: each entry is read from a buffer of its
// own size, so a decoder that trusted the BMP's header over the entry would be caught here.
TEST_F(ContainerMutation, BitmapEntriesCutShort) {
  int bitmaps = 0;
  for (const ContainerEntry& e : *Entries) {
    if (e.Type != EntryType::Bitmap)
      continue;
    ++bitmaps;
    const std::size_t sizeField = e.DataOffset - test::kRecordSize + 69;
    for (const std::size_t cut : {std::size_t(0), std::size_t(53), e.DataSize - 1}) {
      Bytes mutant = *Original;
      test::PutU32(mutant, sizeField, std::uint32_t(cut));
      TkivSkinReader reader;
      ASSERT_TRUE(reader.LoadFromMemory(mutant)) << e.Name;
      Image image;
      EXPECT_FALSE(reader.GetBitmap(e.Name, image)) << e.Name << " cut to " << cut;
    }
  }
  EXPECT_GT(bitmaps, 0);
}

}  // namespace
}  // namespace skin
