#include "converter/core/Paths.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

using Names = std::vector<std::string>;

TEST(FilesWithExtensionTest, KeepsMatchingNamesInTheirOrderInAnyCase) {
  EXPECT_EQ(FilesWithExtension({"b.ovx", "a.OVX", "c.ovx.bak", "ovx", "d.ovx"}, ".Ovx"),
            (Names{"b.ovx", "a.OVX", "d.ovx"}));
  EXPECT_TRUE(FilesWithExtension({}, ".ovx").empty());
}

TEST(ProfileNamesTest, SortedWithoutRegardToCaseAndWithoutExtension) {
  EXPECT_EQ(ProfileNames({"PSP MPEG-4 480x272.ovx", "iPod.ovx", "notes.txt", "PSP H.264 480x272.OVX",
                          "archive.zip"}),
            (Names{"iPod", "PSP H.264 480x272", "PSP MPEG-4 480x272"}));
}

TEST(ProfileNamesTest, OrderDoesNotDependOnTheFolder) {
  EXPECT_EQ(ProfileNames({"b.ovx", "A.ovx", "a.ovx"}), ProfileNames({"a.ovx", "b.ovx", "A.ovx"}));
}

}  // namespace
}  // namespace converter
