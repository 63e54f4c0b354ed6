#include "manager/core/VideoListing.h"

#include <gtest/gtest.h>

#include <set>

namespace manager {
namespace {

using Names = std::vector<std::string>;

TEST(VideoListingTest, FilesWithExactlyTheVideoExtensionSortedWithoutCase) {
  EXPECT_EQ(VideoFileNames({{"b.mp4"},
                            {"M4V00002.MP4"},
                            {"clip.mp4x"},          // what the "*.mp4" mask also finds
                            {"folder.mp4", true},   // a folder
                            {"A.Mp4"},
                            {"clip.mp4.THM"},
                            {"mp4"},
                            {"c.avi"},
                            {"m4v00001.mp4"}}),
            (Names{"A.Mp4", "b.mp4", "m4v00001.mp4", "M4V00002.MP4"}));
  EXPECT_TRUE(VideoFileNames({}).empty());
}

TEST(VideoListingTest, OwnThumbnailThenTheDefaultOfThoseThatExist) {
  const std::string folder = "P:\\MP_ROOT\\100MNV01\\";
  const std::string own = folder + "M4V00001.THM";
  const std::string fallback = "C:\\Hollimer\\DefaultPreview.THM";
  struct Case {
    const char* note;
    std::set<std::string> files;
    Names candidates;
  };
  for (const Case& c : {
           Case{"both", {own, fallback}, {own, fallback}},
           Case{"own only", {own}, {own}},
           Case{"default only", {fallback}, {fallback}},
           Case{"neither: no row", {}, {}},
       }) {
    const auto exists = [&](const std::string& path) { return c.files.count(path) > 0; };
    EXPECT_EQ(ThumbnailCandidates(folder, "M4V00001.MP4", "C:\\Hollimer\\", exists), c.candidates)
        << c.note;
  }
}

}  // namespace
}  // namespace manager
