#include "converter/core/TaskRows.h"

#include <gtest/gtest.h>

#include "converter/core/EncoderCommands.h"

namespace converter {
namespace {

ltvItemData SixtySecondRow() {
  return NewTaskRow(R"(C:\Videos\my.clip.avi)", {"00:01:00.00", " 320x240"}, ".mp4");
}

TEST(NewTaskRowTest, FillsEverySubItemFromTheProbe) {
  const auto row = SixtySecondRow();
  EXPECT_EQ(row.Caption, R"(C:\Videos\my.clip.avi)");
  const std::array<std::string, TaskSubItemCount> expected{
      "00:01:00.00", " 320x240", "OK", "my.clip", ".mp4", "00:00:00.0", "00:01:00.00", "00:01:00.00",
      "00:00:00.0",  "00:01:00.00", "my.clip"};
  EXPECT_EQ(row.SubItems, expected);
}

TEST(NewTaskRowTest, NamesTheOutputAfterTheFileNameOnly) {
  EXPECT_EQ(NewTaskRow(R"(C:\My.Videos\clip)", {}, ".mp4").SubItems[siOutputName], "clip");
}

TEST(NewTaskRowTest, AnUnprobedInputGetsEmptyLengthAndSize) {
  const auto row = NewTaskRow("a.avi", {}, "");
  EXPECT_EQ(row.SubItems[siLength], "");
  EXPECT_EQ(row.SubItems[siSize], "");
  EXPECT_EQ(row.SubItems[siOutputExt], "");
  EXPECT_EQ(row.Seconds(siLength), -1);
  EXPECT_EQ(row.Seconds(siStart), 0);
}

TEST(HasInputTest, MatchesWholePathsWithCase) {
  const std::vector<std::string> captions{R"(C:\a.avi)", R"(C:\b.avi)"};
  EXPECT_TRUE(HasInput(captions, R"(C:\b.avi)"));
  EXPECT_FALSE(HasInput(captions, R"(C:\B.avi)"));
  EXPECT_FALSE(HasInput(captions, R"(C:\a.av)"));
}

class OutputEditTest : public ::testing::Test {
 protected:
  void Edit(const std::string& name, const std::string& start, const std::string& end) {
    ApplyOutputEdit(row, name, start, end);
  }
  std::string Trim() const {
    return row.SubItems[siStart] + " " + row.SubItems[siEnd] + " " + row.SubItems[siConvertLength];
  }
  ltvItemData row = SixtySecondRow();
};

TEST_F(OutputEditTest, TakesNameExtensionAndTimes) {
  Edit("holiday.avi", "00:00:10", "00:00:50.5");
  EXPECT_EQ(row.SubItems[siOutputName], "holiday");
  EXPECT_EQ(row.SubItems[siOutputExt], ".avi");
  EXPECT_EQ(Trim(), "00:00:10 00:00:50.5 00:00:40.5");
}

TEST_F(OutputEditTest, ANameWithoutExtensionClearsTheRowsExtension) {
  Edit("holiday", "", "");
  EXPECT_EQ(row.SubItems[siOutputName], "holiday");
  EXPECT_EQ(row.SubItems[siOutputExt], "");
}

TEST_F(OutputEditTest, ANameAFileCannotHaveKeepsTheOldName) {
  Edit("holiday.avi", "", "");
  Edit("bad?na*me|x.mp4", "", "");
  EXPECT_EQ(row.SubItems[siOutputName], "holiday");
  EXPECT_EQ(row.SubItems[siOutputExt], ".avi");
}

TEST_F(OutputEditTest, MalformedTimesKeepTheOldValues) {
  Edit("clip", "00:00:10", "00:00:50");
  Edit("clip", "ten", "00:01");
  EXPECT_EQ(Trim(), "00:00:10 00:00:50 00:00:40");
}

TEST_F(OutputEditTest, OutOfOrderTimesAreRejectedOneByOne) {
  struct Case {
    const char* start;
    const char* end;
    const char* trim;
  };
  for (const Case& c : {
           Case{"00:00:20", "00:00:20", "00:00:00.0 00:00:20 00:00:20"},  // start equal to the end
           Case{"00:00:00", "00:00:00", "00:00:00.0 00:01:00.00 00:01:00.00"},  // end of zero
           Case{"00:01:00", "00:02:00", "00:00:00.0 00:02:00 00:02:00"},  // start at the duration; the end may pass it
           Case{"00:00:-5", "00:00:50", "00:00:00.0 00:00:50 00:00:50"},  // negative start
       }) {
    row = SixtySecondRow();
    Edit("clip", c.start, c.end);
    EXPECT_EQ(Trim(), c.trim) << c.start << " " << c.end;
  }
}

TEST_F(OutputEditTest, AnEndBeforeOrAtTheKeptStartIsRejected) {
  for (const char* end : {"00:00:20", "00:00:30"}) {
    row = SixtySecondRow();
    Edit("clip", "00:00:30", "00:00:50");
    Edit("clip", "", end);
    EXPECT_EQ(Trim(), "00:00:30 00:00:50 00:00:20") << end;
  }
}

// The run cuts a clip only where the user moved its start or end: a name, a time confirmed as it
// stands or typed back, keep the whole clip with its hundredths.
TEST(OutputEditTrimTest, OnlyAMovedStartOrEndTrimsTheClip) {
  struct Edit {
    const char* name;
    const char* start;
    const char* end;
  };
  struct Case {
    std::vector<Edit> edits;
    const char* trim;
    const char* note;
  };
  for (const Case& c : {
           Case{{{"holiday.mp4", "00:00:00.0", "00:01:02.34"}}, "", "a new name alone"},
           Case{{{"clip.mp4", "00:00:00", "00:01:02.340"}}, "", "the same times in other texts"},
           Case{{{"clip.mp4", "00:00:05", "00:00:50"}, {"clip.mp4", "00:00:00", "00:01:02.34"}}, "",
                "a trim typed back"},
           Case{{{"clip.mp4", "00:00:00.0", "00:00:50"}}, " -t 50", "the end moved"},
           Case{{{"clip.mp4", "00:00:10", "00:01:02.34"}}, " -ss 00:00:10 -t 52", "the start moved"},
           Case{{{"clip.mp4", "00:00:00.0", "00:01:30"}}, " -t 90", "an end past the clip"},
       }) {
    ltvItemData row = NewTaskRow("clip.avi", {"00:01:02.34", " 320x240"}, ".mp4");
    for (const Edit& e : c.edits) ApplyOutputEdit(row, e.name, e.start, e.end);
    EXPECT_EQ(TrimOptions(row), c.trim) << c.note;
  }
}

TEST(ForbiddenFileNameCharactersTest, NamesEachCharacterAFileNameCannotHoldOnce) {
  struct Case {
    const char* name;
    const char* found;
  };
  for (const Case& c : {
           Case{"holiday.mp4", ""},
           Case{"Tom's clip & more (2).mp4", ""},
           Case{"bad?na*me|x", "?*|"},
           Case{"a\\b/c:d", "\\/:"},
           Case{"\"quoted\" <x>??", "\"<>?"},
       })
    EXPECT_EQ(ForbiddenFileNameCharacters(c.name), c.found) << c.name;
  EXPECT_EQ(ForbiddenFileNameCharacters(std::string("tab\there")), "\t");
}

TEST(RefusedNameMessageTest, NamesTheNameAndItsForbiddenCharacters) {
  EXPECT_EQ(RefusedNameMessage("holiday.mp4"), "");
  const std::string rule = ".\nPlease type a name without any of these characters: \\ / : * ? \" < > |";
  EXPECT_EQ(RefusedNameMessage("bad?na*me|x"),
            "The name \"bad?na*me|x\" cannot be used: a file name cannot contain ? * |" + rule);
  EXPECT_EQ(RefusedNameMessage("a\tb:"),
            "The name \"a\tb:\" cannot be used: a file name cannot contain : or control characters" +
                rule);
}

}  // namespace
}  // namespace converter
