#include "manager/core/Banner.h"

#include <gtest/gtest.h>

namespace manager {
namespace {

TEST(BannerTest, PicturesInOrderAndAgainAfterTheLast) {
  std::vector<int> shown;
  for (int i = 0, index = -1; i < 6; ++i) shown.push_back(index = NextBannerIndex(index, 4));
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 0, 1}));
  EXPECT_EQ(NextBannerIndex(-1, 1), 0);
  EXPECT_EQ(NextBannerIndex(0, 1), 0);
  EXPECT_EQ(NextBannerIndex(-1, 0), -1);  // no pictures
}

TEST(BannerTest, OnlyTheFourPicturesHavePages) {
  for (int index = 0; index < 4; ++index) EXPECT_TRUE(BannerPage(index)) << index;
  EXPECT_FALSE(BannerPage(-1));
  EXPECT_FALSE(BannerPage(4));
}

}  // namespace
}  // namespace manager
