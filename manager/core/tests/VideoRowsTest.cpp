#include "manager/core/VideoRows.h"

#include <gtest/gtest.h>

namespace manager {
namespace {

const TVideoLook kLook{"1.5", {{"P:\\a.THM", 900, 100}}};

TEST(VideoRowsTest, AVideoKeepsItsRowOnlyWhileItLooksTheSame) {
  TVideoLook rewritten = kLook;
  rewritten.Thumbnails[0].WriteTime = 101;
  TVideoLook resized = kLook;
  resized.SizeText = "1.6";
  struct Case {
    std::vector<std::string> shown;
    std::string name;
    TVideoLook look;
    int removed;
    bool kept;
    const char* note;
  };
  for (const Case& c : {
           Case{{}, "b.mp4", kLook, 0, false, "an empty list"},
           Case{{"b.mp4"}, "b.mp4", kLook, 0, true, "unchanged"},
           Case{{"b.mp4"}, "b.mp4", rewritten, 1, false, "thumbnail written since"},
           Case{{"b.mp4"}, "b.mp4", resized, 1, false, "size changed"},
           Case{{"B.MP4"}, "b.mp4", kLook, 1, false, "renamed in another letter case"},
           Case{{"a.mp4", "b.mp4"}, "b.mp4", kLook, 1, true, "a row before it is gone"},
           Case{{"c.mp4"}, "b.mp4", kLook, 0, false, "new before a kept row"},
       }) {
    TVideoRows rows;
    for (const std::string& caption : c.shown) rows.Place(rows.Count(), caption, kLook);
    const TRowChange change = rows.Place(0, c.name, c.look);
    EXPECT_EQ(change.Removed, c.removed) << c.note;
    EXPECT_EQ(change.Kept, c.kept) << c.note;
    EXPECT_EQ(rows.Count(), static_cast<int>(c.shown.size()) - c.removed + !c.kept) << c.note;
  }
}

TEST(VideoRowsTest, ARefillEndsWithTheRowsOfTheFolderAlone) {
  TVideoRows rows;
  for (const char* name : {"a.mp4", "b.mp4", "c.mp4", "e.mp4"}) rows.Place(rows.Count(), name, kLook);
  // The folder holds b, d and nothing after.
  EXPECT_TRUE(rows.Place(0, "b.mp4", kLook).Kept);
  const TRowChange d = rows.Place(1, "d.mp4", kLook);
  EXPECT_EQ(d.Removed, 1);  // c
  EXPECT_FALSE(d.Kept);
  EXPECT_EQ(rows.Cut(2), 1);  // e
  EXPECT_EQ(rows.Count(), 2);
  EXPECT_EQ(rows.Cut(2), 0);  // the last index: nothing more goes
  EXPECT_TRUE(rows.Place(1, "d.mp4", kLook).Kept);
}

}  // namespace
}  // namespace manager
