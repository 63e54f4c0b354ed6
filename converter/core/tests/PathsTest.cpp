#include "converter/core/Paths.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

using Names = std::vector<std::string>;

TEST(StripExtensionTest, RemovesFromTheLastDotOn) {
  EXPECT_EQ(StripExtension("C:\\Videos\\clip.avi"), "C:\\Videos\\clip");
  EXPECT_EQ(StripExtension("clip.part1.avi"), "clip.part1");
  EXPECT_EQ(StripExtension("clip."), "clip");
}

TEST(StripExtensionTest, TextWithoutADotComesBackWhole) {
  EXPECT_EQ(StripExtension("clip"), "clip");
  EXPECT_EQ(StripExtension(""), "");
}

TEST(StripExtensionTest, DotInAFolderCountsWhenTheNameHasNone) {
  EXPECT_EQ(StripExtension("C:\\My.Videos\\clip"), "C:\\My");
}

TEST(ExtractFileExtTest, ExtensionOfTheFileNameOnly) {
  EXPECT_EQ(ExtractFileExt("C:\\Videos\\clip.part1.AVI"), ".AVI");
  EXPECT_EQ(ExtractFileExt("C:\\My.Videos\\clip"), "");
  EXPECT_EQ(ExtractFileExt("C:/My.Videos/clip"), "");
  EXPECT_EQ(ExtractFileExt("clip"), "");
}

TEST(AddBackslashTest, AddsOneOnlyWhenMissing) {
  EXPECT_EQ(AddBackslash("C:\\Out"), "C:\\Out\\");
  EXPECT_EQ(AddBackslash("C:\\Out\\"), "C:\\Out\\");
  EXPECT_EQ(AddBackslash("C:\\"), "C:\\");
  EXPECT_EQ(AddBackslash(""), "\\");
}

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
