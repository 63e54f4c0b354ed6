#include "common/core/FileNames.h"

#include <gtest/gtest.h>

namespace common {
namespace {

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

}  // namespace
}  // namespace common
