#include "skin/core/container.h"

#include <gtest/gtest.h>

#include "skin/core/tests/skin_test_data.h"

namespace skin {
namespace {

using test::BuildContainer;
using test::IntData;
using test::PutU32;
using test::TestContainer;

TestContainer ThreeInts() {
  return BuildContainer({{"A", 1, IntData(1)}, {"B", 1, IntData(2)}, {"C", 1, IntData(3)}});
}

TEST(ReadContainer, SkipsUnknownTypesAndIgnoresTheHeaderSizeField) {
  TestContainer c = ThreeInts();
  c.Data[c.Records[1] + 64] = 7;
  PutU32(c.Data, c.Records[1] + 65, 0xFFFFFFF0);  // an unknown entry's data is never read
  PutU32(c.Data, 12, 4000);
  const auto entries = ReadContainer(c.Data);
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 2u);
  EXPECT_EQ((*entries)[0].Name, "A");
  EXPECT_EQ((*entries)[1].Name, "C");
}

TEST(ReadContainer, RejectsAChainThatComesBackToARecord) {
  TestContainer c = ThreeInts();
  PutU32(c.Data, c.Records[2] + test::kNextField, std::uint32_t(c.Records[0]));
  EXPECT_FALSE(ReadContainer(c.Data));
  PutU32(c.Data, c.Records[0] + test::kNextField, std::uint32_t(c.Records[0]));
  EXPECT_FALSE(ReadContainer(c.Data));
}

TEST(ReadContainer, RejectsRecordsAndDataOutsideTheContainer) {
  const TestContainer good = ThreeInts();
  ASSERT_TRUE(ReadContainer(good.Data));
  auto with = [&](std::size_t at, std::uint32_t value) {
    TestContainer c = good;
    PutU32(c.Data, at, value);
    return c.Data;
  };
  const std::uint32_t size = std::uint32_t(good.Data.size());
  EXPECT_FALSE(ReadContainer(with(20, size))) << "first record past the end";
  EXPECT_FALSE(ReadContainer(with(20, size - 76))) << "first record across the end";
  EXPECT_FALSE(ReadContainer(with(good.Records[0] + test::kNextField, 0xFFFFFFFF)));
  EXPECT_FALSE(ReadContainer(with(good.Records[1] + 65, size - 3))) << "data across the end";
  EXPECT_FALSE(ReadContainer(with(good.Records[1] + 69, 0xFFFFFFFF))) << "huge data";
  EXPECT_FALSE(ReadContainer(test::Bytes(good.Data.begin(), good.Data.end() - 1)));
  EXPECT_FALSE(ReadContainer(test::Bytes(good.Data.begin(), good.Data.begin() + 23)));
}

}  // namespace
}  // namespace skin
