#include "skin/core/skin_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

using test::BuildContainer;
using test::Bytes;
using test::IntData;
using test::TestContainer;

TkivSkinReader Loaded(const Bytes& data) {
  TkivSkinReader reader;
  EXPECT_TRUE(reader.LoadFromMemory(data));
  return reader;
}

TEST(SkinReader, TakesEveryEntryBeforeTheTerminatorButNotTheTerminatorItself) {
  TestContainer c = BuildContainer({{"First", 1, IntData(1)}, {"Last", 1, IntData(2)}});
  // The terminator holds a value of its own, which is never taken.
  const std::size_t terminator = c.Records.back();
  std::memcpy(&c.Data[terminator], "Ended", 5);
  c.Data[terminator + 64] = 1;
  test::PutU32(c.Data, terminator + 65, 0);
  test::PutU32(c.Data, terminator + 69, 4);
  const TkivSkinReader reader = Loaded(c.Data);
  EXPECT_EQ(reader.GetInt("First"), 1);
  EXPECT_EQ(reader.GetInt("Last"), 2);
  EXPECT_EQ(reader.GetInt("Ended"), -1);

  // A chain that ends at its first record is an empty skin, but a loaded one.
  const TkivSkinReader empty = Loaded(BuildContainer({}).Data);
  EXPECT_TRUE(empty.Ready());
  EXPECT_EQ(empty.GetInt("Last"), -1);
}

TEST(SkinReader, FollowsTheChainWhereverItLeads) {
  // Records in reverse file order: the header points at the last one.
  TestContainer c = BuildContainer({{"A", 1, IntData(10)}, {"B", 1, IntData(20)}});
  const std::size_t a = c.Records[0], b = c.Records[1], end = c.Records[2];
  test::PutU32(c.Data, 20, std::uint32_t(b));
  test::PutU32(c.Data, b + test::kNextField, std::uint32_t(a));
  test::PutU32(c.Data, a + test::kNextField, std::uint32_t(end));
  const TkivSkinReader reader = Loaded(c.Data);
  EXPECT_EQ(reader.GetInt("A"), 10);
  EXPECT_EQ(reader.GetInt("B"), 20);
}

TEST(SkinReader, LooksNamesUpWithoutCaseAndTheFirstOfSeveralWins) {
  const Image red(2, 1, 0x0000FF), blue(3, 1, 0xFF0000);
  const TkivSkinReader reader = Loaded(BuildContainer({{"Face", 0, test::BmpFile(red, 24)},
                                                       {"FACE", 0, test::BmpFile(blue, 24)},
                                                       {"Size", 1, IntData(-5)},
                                                       {"size", 1, IntData(7)},
                                                       {"On", 2, {0x00}},
                                                       {"on", 2, {0x01}}})
                                           .Data);
  Image image;
  ASSERT_TRUE(reader.GetBitmap("fAcE", image));
  EXPECT_EQ(image, red);
  EXPECT_EQ(reader.GetInt("SIZE"), -5);
  EXPECT_FALSE(reader.GetBool("ON"));
}

TEST(SkinReader, AnswersAbsentOrUnreadableEntriesWithTheDefaults) {
  const std::string longName(64, 'N');
  const TkivSkinReader reader = Loaded(BuildContainer({{"Odd=Name", 1, IntData(3)},
                                                       {"Flag", 2, {0x00}},
                                                       {"FlagHigh", 2, {0x80}},
                                                       {longName, 1, IntData(64)},
                                                       {"NotABmp", 0, {'B', 'M', 0}}})
                                           .Data);
  // Values are kept as "name=value" lines: a name with "=" is found by its first part, and
  // its value does not read as a number.
  EXPECT_EQ(reader.GetInt("Odd"), -1);
  EXPECT_EQ(reader.GetInt("Odd=Name"), -1);
  EXPECT_EQ(reader.GetInt("Missing"), -1);
  EXPECT_EQ(reader.GetInt(longName), 64);
  EXPECT_FALSE(reader.GetBool("Flag"));
  EXPECT_TRUE(reader.GetBool("FlagHigh"));
  EXPECT_FALSE(reader.GetBool("Missing"));
  EXPECT_FALSE(reader.GetBool("Odd"));

  Image untouched(1, 1, 0x123456);
  EXPECT_FALSE(reader.GetBitmap("NotABmp", untouched));
  EXPECT_FALSE(reader.GetFrameBitmap("Missing", untouched, 2, 1));
  EXPECT_EQ(untouched, Image(1, 1, 0x123456));

  TkivSkinReader never;
  EXPECT_FALSE(never.Ready());
  EXPECT_EQ(never.GetInt("Anything"), -1);
  EXPECT_FALSE(never.GetBool("Anything"));
}

TEST(SkinReader, AFailedLoadLeavesTheReaderNotReadyWithoutHalfTakenEntries) {
  int loads = 0;
  TkivSkinReader reader;
  reader.OnLoaded = [&](TkivSkinReader& sender) {
    EXPECT_EQ(&sender, &reader);
    ++loads;
  };
  ASSERT_TRUE(reader.LoadFromMemory(BuildContainer({{"Old", 1, IntData(1)}}).Data));
  EXPECT_EQ(loads, 1);

  // The second entry's data runs past the end: nothing of this load counts.
  TestContainer broken = BuildContainer({{"New", 1, IntData(2)}, {"Bad", 1, IntData(3)}});
  test::PutU32(broken.Data, broken.Records[1] + 69, 1u << 30);
  EXPECT_FALSE(reader.LoadFromMemory(broken.Data));
  EXPECT_FALSE(reader.Ready());
  EXPECT_EQ(reader.GetInt("New"), -1);
  EXPECT_EQ(reader.GetInt("Old"), -1);
  EXPECT_EQ(loads, 1);

  EXPECT_FALSE(reader.Load("/nonexistent/skin.kiv"));
  EXPECT_FALSE(reader.Ready());
  EXPECT_EQ(loads, 1);
}

// Layout numbers beyond a window's coordinates once overflowed where the title's buttons and
// the window's outline were worked out; such a skin is now refused like a broken one.
TEST(SkinReader, RefusesLayoutNumbersNoWindowCanUse) {
  struct Case {
    const char* name;
    std::int32_t value;
    bool loads;
  };
  for (const Case& c : {
           Case{"FormRoundCornerInt", 0x7FFFFFFF, false},
           Case{"FormBottomRoundCornerInt", 0x40000000, false},
           Case{"TitleBarButtonLeftOffsetInt", 2147483547, false},
           Case{"TitleBarButtonRightOffsetInt", -2147483647 - 1, false},
           Case{"titlebarbuttontopINT", 32768, false},
           Case{"FormMinWidthInt", -32768, false},
           Case{"FormMinWidthInt", 32767, true},
           Case{"TitleBarButtonRightOffsetInt", -32767, true},
           Case{"FormBackgroundColor", -1, true},  // colours take any value
           Case{"FormBorderColor", 0x7FFFFFFF, true},
       }) {
    TkivSkinReader reader;
    EXPECT_EQ(reader.LoadFromMemory(BuildContainer({{c.name, 1, IntData(c.value)}}).Data), c.loads)
        << c.name << "=" << c.value;
    EXPECT_EQ(reader.Ready(), c.loads) << c.name << "=" << c.value;
    EXPECT_EQ(reader.GetInt(c.name), c.loads ? c.value : -1) << c.name << "=" << c.value;
  }
}

TEST(SkinReader, LoadsAContainerFile) {
  const std::string path = ::testing::TempDir() + "reader_test.kiv";
  {
    const Bytes data = BuildContainer({{"FromFile", 1, IntData(42)}}).Data;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                               std::streamsize(data.size()));
  }
  TkivSkinReader reader;
  EXPECT_TRUE(reader.Load(path));
  EXPECT_EQ(reader.GetInt("FromFile"), 42);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace skin
