#include "converter/core/TaskRows.h"

#include <gtest/gtest.h>

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
           Case{"00:00:20", "00:00:20", "00:00:00 00:00:20 00:00:20"},  // start equal to the end
           Case{"00:00:00", "00:00:00", "00:00:00 00:01:00 00:01:00"},  // end of zero
           Case{"00:01:00", "00:02:00", "00:00:00 00:02:00 00:02:00"},  // start at the duration; the end may pass it
           Case{"00:00:-5", "00:00:50", "00:00:00 00:00:50 00:00:50"},  // negative start
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

}  // namespace
}  // namespace converter
