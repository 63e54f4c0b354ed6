#include "manager/core/VideoSizes.h"

#include <gtest/gtest.h>

namespace manager {
namespace {

TEST(VideoSizesTest, MegabytesInTheGeneralFormat) {
  struct Case {
    std::uint64_t bytes;
    char separator;
    const char* text;
  };
  for (const Case& c : {
           Case{12345678, '.', "12.345678"},
           Case{12345678, ',', "12,345678"},
           Case{4500000000ULL, '.', "4500"},  // beyond 32 bits
           Case{1000000, '.', "1"},
           Case{0, '.', "0"},
           Case{123456789012345678ULL, '.', "123456789012.346"},  // 15 significant digits
       })
    EXPECT_EQ(FileSizeMB(c.bytes, c.separator), c.text) << c.bytes;
}

TEST(VideoSizesTest, SummaryCountsRowsAndAddsTheirSizes) {
  struct Case {
    std::vector<std::string> sizes;
    char separator;
    const char* summary;
  };
  for (const Case& c : {
           Case{{"12.345678", "0.004"}, '.', "2 Selected.  12.35MB Total."},
           Case{{"1,5", "2,25"}, ',', "2 Selected.  3,75MB Total."},
           Case{{"4500"}, '.', "1 Selected.  4500.00MB Total."},
           Case{{"1.5", "size?"}, '.', "2 Selected.  1.50MB Total."},
       })
    EXPECT_EQ(SelectionSummary(c.sizes, c.separator), c.summary) << c.summary;
}

}  // namespace
}  // namespace manager
