#include "preview/core/MediaResults.h"

#include <gtest/gtest.h>

namespace preview {
namespace {

TEST(MediaResultsTest, OnlyCodesWithTheSignBitFailAndTheirMessageEndsInTheCode) {
  std::vector<int32_t> asked;
  auto text = [&](int32_t code) {
    asked.push_back(code);
    return std::string("Unspecified error");
  };
  for (int32_t code : {0, 1, 0x00040242, 0x7FFFFFFF})
    EXPECT_FALSE(FailureMessage(code, text)) << std::hex << code;
  EXPECT_TRUE(asked.empty());

  EXPECT_EQ(FailureMessage((int32_t)0x80004005, text), "Unspecified error ($80004005).");
  EXPECT_EQ(FailureMessage((int32_t)0x80040218, text), "Unspecified error ($80040218).");
  EXPECT_EQ(asked, (std::vector<int32_t>{(int32_t)0x80004005, (int32_t)0x80040218}));
  // No text from the platform still names the code.
  EXPECT_EQ(FailureMessage(INT32_MIN, [](int32_t) { return std::string(); }), " ($80000000).");
}

TEST(MediaResultsTest, RunIsDoneOnAnySuccessPauseAndStopOnlyOnSOk) {
  struct Case { TGraphCommand command; int32_t code; bool done; };
  for (const Case& c : {
           Case{TGraphCommand::Run, 0, true},
           Case{TGraphCommand::Run, 1, true},      // S_FALSE: still changing state
           Case{TGraphCommand::Pause, 0, true},
           Case{TGraphCommand::Pause, 1, false},
           Case{TGraphCommand::Stop, 1, false},
           Case{TGraphCommand::Stop, 0, true},
       })
    EXPECT_EQ(CommandDone(c.command, c.code), c.done) << (int)c.command << " " << c.code;
}

TEST(MediaResultsTest, FilterStatesMapToPlayStates) {
  struct Case { int32_t filterState; TGraphPlayState state; };
  for (const Case& c : {Case{0, psStopped}, Case{1, psPaused}, Case{2, psPlaying},
                        Case{3, psNone}, Case{-1, psNone}})
    EXPECT_EQ(PlayStateOf(c.filterState), c.state) << c.filterState;
}

TEST(MediaResultsTest, RunningObjectTableNameHasEightPointerDigitsAndThePid) {
  EXPECT_EQ(ROTItemName(0x00A1B2C3, 0x1F4), "FilterGraph 00A1B2C3 pid 1F4");
  EXPECT_EQ(ROTItemName(0xFFFFFFFF, 0), "FilterGraph FFFFFFFF pid 0");
}

}  // namespace
}  // namespace preview
