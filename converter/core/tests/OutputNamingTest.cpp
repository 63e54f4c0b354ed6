#include "converter/core/OutputNaming.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "common/core/TextCase.h"

using common::SameText;

namespace converter {
namespace {

class OutputPathTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& input, int rowIndex, const std::string& rowExt = ".mp4") {
    ltvItemData row = NewTaskRow(input, {"00:01:00.00", " 320x240"}, rowExt);
    return OutputPath(row, rowIndex, settings);
  }
  std::set<std::string> files;
  // As the file system decides: a name without a folder is taken in the current folder, and
  // case does not count.
  static bool SameFile(const std::string& a, const std::string& b) {
    const auto full = [](const std::string& path) {
      return path.find('\\') == std::string::npos ? R"(C:\Out\)" + path : path;
    };
    return SameText(full(a), full(b));
  }
  OutputSettings settings{R"(C:\Out)", ".mp4", false,
                          [this](const std::string& path) { return files.count(path) > 0; }, SameFile};
};

TEST_F(OutputPathTest, AFreeNameIsTheFolderTheNameAndTheProfilesExtension) {
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 2), R"(C:\Out\clip.mp4)");
  settings.Folder = R"(C:\Out\)";
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 2), R"(C:\Out\clip.mp4)");
}

TEST_F(OutputPathTest, AnExistingFileIsReplacedOnlyWhenOverwriting) {
  files.insert(R"(C:\Out\clip.mp4)");
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 2), R"(C:\Out\clip_3.mp4)");
  settings.Overwrite = true;
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 2), R"(C:\Out\clip.mp4)");
}

TEST_F(OutputPathTest, TheRenamedFileTakesTheRowsOwnExtension) {
  files.insert(R"(C:\Out\clip.mp4)");
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 0, ".MP4"), R"(C:\Out\clip_1.MP4)");
}

TEST_F(OutputPathTest, ARowWithoutExtensionFallsBackToTheProfiles) {
  files.insert(R"(C:\Out\clip.mp4)");
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 0, ""), R"(C:\Out\clip_1.mp4)");
}

TEST_F(OutputPathTest, ATakenRenamedFileIsNeverReplaced) {
  files = {R"(C:\Out\clip.mp4)", R"(C:\Out\clip_3.mp4)", R"(C:\Out\clip_4.mp4)"};
  EXPECT_EQ(PathOf(R"(D:\In\clip.avi)", 2), R"(C:\Out\clip_5.mp4)");
}

TEST_F(OutputPathTest, TheInputIsNeverTheOutputWhateverTheCase) {
  settings.Overwrite = true;
  EXPECT_EQ(PathOf(R"(C:\Out\clip.mp4)", 0), R"(C:\Out\clip_1.mp4)");
  EXPECT_EQ(PathOf(R"(c:\out\clip.MP4)", 0), R"(C:\Out\clip_1.mp4)");
}

TEST_F(OutputPathTest, TheInputIsComparedAsTheFileSystemDoes) {
  settings.Overwrite = true;
  files.insert(R"(C:\Out\clip.mp4)");
  EXPECT_EQ(PathOf("clip.mp4", 0), R"(C:\Out\clip_1.mp4)");
  EXPECT_EQ(PathOf("CLIP.MP4", 3), R"(C:\Out\CLIP_4.mp4)");
}

TEST_F(OutputPathTest, NoTwoRowsOfARunShareAnOutput) {
  settings.Overwrite = true;
  struct Case {
    std::vector<std::string> kept;
    std::string output;
    const char* note;
  };
  for (const Case& c : {
           Case{{}, R"(C:\Out\clip.mp4)", "the first row"},
           Case{{R"(C:\Out\CLIP.mp4)"}, R"(C:\Out\clip_2.mp4)", "an earlier row took the name"},
           Case{{R"(C:\Out\clip.mp4)", R"(C:\Out\clip_2.mp4)"}, R"(C:\Out\clip_3.mp4)",
                "and the renamed one too"},
           Case{{R"(C:\Out\other.mp4)"}, R"(C:\Out\clip.mp4)", "another name is no bar"},
       }) {
    const ltvItemData row = NewTaskRow(R"(D:\In\clip.avi)", {}, ".mp4");
    EXPECT_EQ(OutputPath(row, 1, settings, c.kept), c.output) << c.note;
  }
}

TEST_F(OutputPathTest, TheRenamedFileIsNeverTheInputEither) {
  ltvItemData row = NewTaskRow(R"(C:\Out\Clip_1.MP4)", {}, ".mp4");
  row.SubItems[siOutputName] = "clip";
  files.insert(R"(C:\Out\clip.mp4)");
  EXPECT_EQ(OutputPath(row, 0, settings), R"(C:\Out\clip_2.mp4)");
  settings.Overwrite = true;
  EXPECT_EQ(OutputPath(row, 0, settings), R"(C:\Out\clip.mp4)");
  row.Caption = R"(C:\Out\CLIP.mp4)";
  EXPECT_EQ(OutputPath(row, 0, settings), R"(C:\Out\clip_1.mp4)");
}

// The old behaviour named the output by the video alone, so its thumbnail could take the place of
// another row's input, of an earlier row's thumbnail, or of a thumbnail "Not overwrite" keeps.
TEST_F(OutputPathTest, TheThumbnailTooMustBeFreeForTheName) {
  struct Case {
    std::string caption;  // the row's input
    std::set<std::string> files;
    std::vector<std::string> kept;
    bool overwrite;
    std::string output;
    const char* note;
  };
  for (const Case& c : {
           Case{R"(D:\In\clip.avi)", {R"(C:\Out\clip.THM)"}, {}, false, R"(C:\Out\clip_3.mp4)",
                "a thumbnail alone, kept by Not overwrite"},
           Case{R"(D:\In\clip.avi)", {R"(C:\Out\clip.THM)"}, {}, true, R"(C:\Out\clip.mp4)",
                "the same thumbnail, overwritten"},
           Case{R"(D:\In\clip.avi)", {}, {R"(c:\out\CLIP.thm)"}, true, R"(C:\Out\clip_3.mp4)",
                "another row's input named as the thumbnail"},
           Case{R"(C:\Out\clip.THM)", {}, {}, true, R"(C:\Out\clip_3.mp4)",
                "the row's own input"},
       }) {
    files = c.files;
    settings.Overwrite = c.overwrite;
    ltvItemData row = NewTaskRow(c.caption, {"00:01:00.00", " 320x240"}, ".mp4");
    row.SubItems[siOutputName] = "clip";
    EXPECT_EQ(OutputPath(row, 2, settings, c.kept), c.output) << c.note;
  }
}

TEST(OutputFitsTest, TheOutputAndItsThumbnailMustFitTheLongestPath) {
  const std::string folder = "C:\\" + std::string(241, 'f') + "\\";  // 245 characters
  EXPECT_TRUE(OutputFits(folder + std::string(10, 'n') + ".mp4"));  // 259 characters
  EXPECT_FALSE(OutputFits(folder + std::string(11, 'n') + ".mp4"));
  EXPECT_FALSE(OutputFits(folder + std::string(12, 'n') + ".m"));  // its ".THM" is 261
}

// The encoder writes there before the output is replaced: nothing may be overwritten on the way.
TEST_F(OutputPathTest, TheTemporaryOutputIsAFreeNameWithTheOutputsExtensionLast) {
  struct Case {
    std::string output;
    std::set<std::string> files;
    std::vector<std::string> kept;
    std::string temporary;
    const char* note;
  };
  for (const Case& c : {
           Case{R"(C:\Out\clip.mp4)", {R"(C:\Out\clip.mp4)"}, {}, R"(C:\Out\clip~1.tmp.mp4)",
                "the output itself may exist"},
           Case{R"(C:\Out\my.clip.MP4)", {}, {}, R"(C:\Out\my.clip~1.tmp.MP4)",
                "only the last extension moves"},
           Case{R"(C:\Out\clip.mp4)", {R"(C:\Out\clip~1.tmp.mp4)"}, {}, R"(C:\Out\clip~2.tmp.mp4)",
                "a file of the name, left by someone"},
           Case{R"(C:\Out\clip.mp4)", {R"(C:\Out\clip~1.tmp.THM)"}, {}, R"(C:\Out\clip~2.tmp.mp4)",
                "a file of its thumbnail's name"},
           Case{R"(C:\Out\clip.mp4)", {}, {R"(c:\out\CLIP~1.TMP.mp4)", R"(C:\Out\clip~2.tmp.THM)"},
                R"(C:\Out\clip~3.tmp.mp4)", "inputs of the run, not written yet"},
           Case{R"(C:\Out\clip)", {}, {}, R"(C:\Out\clip~1.tmp)",
                "no extension: the thumbnail is still not the output's"},
       }) {
    files = c.files;
    const std::string temporary = TemporaryOutputPath(c.output, settings, c.kept);
    EXPECT_EQ(temporary, c.temporary) << c.note;
    EXPECT_NE(ThumbnailPath(temporary), ThumbnailPath(c.output)) << c.note;
  }
}

// The old behaviour added "~1.tmp" whatever the length, so an output that fitted got a temporary
// that the converter could neither rename nor delete.
TEST_F(OutputPathTest, ATemporaryNameIsCutShortToFitOrNotGivenAtAll) {
  const std::string folder = "C:\\" + std::string(241, 'f') + "\\";  // 245 characters
  struct Case {
    std::string output;
    std::string temporary;
    const char* note;
  };
  for (const Case& c : {
           Case{folder + "clip.mp4", folder + "clip~1.tmp.mp4", "room enough"},
           Case{folder + "holiday.mp4", folder + "holi~1.tmp.mp4", "the name is cut"},
           Case{folder + "holiday.m", folder + "holi~1.tmp.m", "room for the thumbnail's .THM"},
           Case{"C:\\" + std::string(247, 'f') + "\\a.mp4", "", "no room even without the name"},
       }) {
    const std::string temporary = TemporaryOutputPath(c.output, settings, {});
    EXPECT_EQ(temporary, c.temporary) << c.note;
    EXPECT_LE(temporary.size(), kLongestPath) << c.note;
    EXPECT_LE(ThumbnailPath(temporary).size(), kLongestPath) << c.note;
  }
  files = {folder + "holi~1.tmp.mp4"};
  EXPECT_EQ(TemporaryOutputPath(folder + "holiday.mp4", settings, {}), folder + "holi~2.tmp.mp4");
}

TEST(ThumbnailPathTest, ReplacesTheExtensionOfTheFileNameOnly) {
  EXPECT_EQ(ThumbnailPath(R"(C:\Out\clip.mp4)"), R"(C:\Out\clip.THM)");
  EXPECT_EQ(ThumbnailPath(R"(C:\Out\my.clip.mp4)"), R"(C:\Out\my.clip.THM)");
  EXPECT_EQ(ThumbnailPath(R"(C:\My.Videos\clip_3)"), R"(C:\My.Videos\clip_3.THM)");
  EXPECT_EQ(ThumbnailPath("clip.mp4"), "clip.THM");
}

}  // namespace
}  // namespace converter
