#include "converter/core/StagedOutput.h"

#include <gtest/gtest.h>

#include "converter/core/tests/ScratchFolder.h"

namespace converter {
namespace {

class StagedOutputTest : public ScratchFolder {};

// A row's end: its jobs wrote the temporaries or not, and it was complete (put in place) or
// failed or stopped (not). The earlier output and thumbnail change only by a complete new one,
// and no temporary is left either way.
TEST_F(StagedOutputTest, TheOutputIsReplacedOnlyWhenPutInPlaceAndNoTemporaryStays) {
  struct Case {
    bool earlier, written, pictured, putInPlace;
    bool placed;
    std::string output, thumbnail;  // afterwards; "" for none
    const char* note;
  };
  for (const Case& c : {
           Case{true, true, true, true, true, "new", "new picture", "a second conversion, complete"},
           Case{true, true, true, false, false, "old", "old picture", "failed or stopped when written"},
           Case{true, false, false, true, false, "old", "old picture", "nothing written to put in place"},
           Case{false, true, true, true, true, "new", "new picture", "a first conversion"},
           Case{false, true, true, false, false, "", "", "a first conversion that failed"},
           // The old behaviour left the earlier picture beside the new video.
           Case{true, true, false, true, true, "new", "", "complete, but its thumbnail job failed"},
       }) {
    if (c.earlier) {
      Write("clip.mp4", "old");
      Write("clip.THM", "old picture");
    }
    bool placed = false;
    {
      TStagedOutput staged(PathOf("clip.mp4"), PathOf("clip~1.tmp.mp4"));
      if (c.written) Write("clip~1.tmp.mp4", "new");
      if (c.pictured) Write("clip~1.tmp.THM", "new picture");
      if (c.putInPlace) placed = staged.PutInPlace();
    }
    EXPECT_EQ(placed, c.placed) << c.note;
    EXPECT_EQ(Exists("clip.mp4") ? Read("clip.mp4") : "", c.output) << c.note;
    EXPECT_EQ(Exists("clip.THM") ? Read("clip.THM") : "", c.thumbnail) << c.note;
    EXPECT_FALSE(Exists("clip~1.tmp.mp4")) << c.note;
    EXPECT_FALSE(Exists("clip~1.tmp.THM")) << c.note;
    std::remove(PathOf("clip.mp4").c_str());
    std::remove(PathOf("clip.THM").c_str());
  }
}

}  // namespace
}  // namespace converter
