#include "converter/core/CommandLineInputs.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

using Lines = std::vector<std::string>;

TEST(CommandLineInputsTest, TheArgumentsAreTheCandidates) {
  const Lines arguments{"a.avi", "b.txt", "dirX"};
  EXPECT_EQ(CommandLineInputs(arguments, [](const std::string&) -> std::string {
              ADD_FAILURE() << "no list file here";
              return {};
            }),
            arguments);
  EXPECT_EQ(CommandLineInputs({}, {}), Lines{});
}

TEST(CommandLineInputsTest, AListFileFirstGivesItsLinesAndHidesTheOtherArguments) {
  std::string read;
  const auto inputs = CommandLineInputs({R"(C:\Temp\LIST.TMP)", "b.avi"}, [&](const std::string& path) {
    read = path;
    return std::string("C:\\x.avi\r\nC:\\dir\r\n");
  });
  EXPECT_EQ(read, R"(C:\Temp\LIST.TMP)");
  EXPECT_EQ(inputs, (Lines{R"(C:\x.avi)", R"(C:\dir)"}));
}

TEST(CommandLineInputsTest, OnlyTheFirstArgumentCanBeAListFile) {
  const Lines arguments{"a.avi", "list.tmp"};
  EXPECT_EQ(CommandLineInputs(arguments, {}), arguments);
  EXPECT_EQ(CommandLineInputs({"C:\\x.tmp\\a.avi"}, {}), Lines{"C:\\x.tmp\\a.avi"});
}

}  // namespace
}  // namespace converter
