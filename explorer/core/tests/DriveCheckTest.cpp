#include "explorer/core/DriveCheck.h"

#include <gtest/gtest.h>

#include <vector>

namespace explorer {
namespace {

// Drives C (a disk) and P (a reader without a card); the probe records what it is asked and shows.
class DriveCheckTest : public ::testing::Test {
protected:
  TDriveProbe Probe() {
    return TDriveProbe{
        [this](char letter) -> std::int64_t {
          asked.push_back(letter);
          return letter == 'C' ? 0 : -1;  // an empty disk still measures
        },
        [this](const std::string& text) { shown.push_back("error: " + text); },
        [this](const std::string& text) { shown.push_back("beep, warning: " + text); }};
  }
  std::vector<char> asked;
  std::vector<std::string> shown;
};

TEST_F(DriveCheckTest, ReadyWhenTheSizeCanBeAsked) {
  struct Case {
    char letter;
    bool showMessage, ready;
    std::vector<std::string> shown;
  };
  for (const Case& c : {
           Case{'C', true, true, {}},
           Case{'c', true, true, {}},
           Case{'P', false, false, {}},
           Case{'p', true, false, {"beep, warning: There is no disk in Drive P\ror Drive P: is not ready"}},
           Case{'1', false, false, {"error: Not a valid Drive ID"}},
           Case{'1', true, false,
                {"error: Not a valid Drive ID", "beep, warning: There is no disk in Drive 1\ror Drive 1: is not ready"}},
       }) {
    shown.clear();
    asked.clear();
    EXPECT_EQ(DriveReady(c.letter, c.showMessage, Probe()), c.ready) << c.letter << c.showMessage;
    EXPECT_EQ(shown, c.shown) << c.letter << c.showMessage;
    EXPECT_EQ(asked.size(), 1u) << c.letter;
  }
}

}  // namespace
}  // namespace explorer
