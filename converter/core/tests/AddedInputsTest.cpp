#include "converter/core/AddedInputs.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

// The old behaviour dropped such inputs without a word, or listed "???.avi", which failed at Start.
TEST(AddedInputsTest, APathTooLongOrWithCharactersLostToTheCodePageIsRefusedWithWhy) {
  const std::string lost = "The name has characters that the system's code page cannot hold.";
  const std::string folder = "C:\\" + std::string(200, 'f') + "\\";
  struct Case {
    std::string path;
    std::string problem;
    const char* note;
  };
  for (const Case& c : {
           Case{R"(C:\In\clip.avi)", "", "an ordinary path"},
           Case{folder + std::string(51, 'n') + ".avi", "", "259 characters"},
           Case{folder + std::string(52, 'n') + ".avi", "The path is longer than 259 characters.",
                "260 characters"},
           Case{R"(C:\In\???.avi)", lost, "a name in another script"},
           Case{R"(C:\??\clip.avi)", lost, "a folder in another script"},
           Case{R"(\\?\C:\In\clip.avi)", "", "the system's own prefix"},
           Case{folder + std::string(52, '?') + ".avi", lost, "both: the lost name comes first"},
       })
    EXPECT_EQ(InputProblem(c.path), c.problem) << c.note;
}

TEST(AddedInputsTest, TheMessageListsTheFirstFewThenCounts) {
  EXPECT_EQ(InputsNotAddedText({"a: why", "b: why"}),
            "These files cannot be added to the Task List:\n\na: why\nb: why");
  EXPECT_EQ(InputsNotAddedText(std::vector<std::string>(7, "x")),
            "These files cannot be added to the Task List:\n\nx\nx\nx\nx\nx\nand 2 more.");
}

}  // namespace
}  // namespace converter
