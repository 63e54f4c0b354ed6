#include "preview/core/VMRRules.h"

#include <gtest/gtest.h>

namespace preview {
namespace {

constexpr TVMRPreferences kMixer = PreferenceBit(vpForceMixer);
constexpr TVMRPreferences kOffscreen = PreferenceBit(vpForceOffscreen);
constexpr TVMRPreferences kAGP = PreferenceBit(vpPreferAGPMemWhenMixing);

TEST(VMRRulesTest, StreamCountsOutsideOneToSixteenAreOne) {
  struct Case { uint32_t asked, stored; };
  for (const Case& c : {Case{0, 1}, Case{1, 1}, Case{16, 16}, Case{17, 1}, Case{0xFFFFFFFF, 1}})
    EXPECT_EQ(ClampStreams(c.asked), c.stored) << c.asked;
}

TEST(VMRRulesTest, TheStreamCountIsSetWhenNotTheDefaultOrWhenTheMixerIsForced) {
  struct Case { uint32_t streams; TVMRPreferences preferences; bool sets; };
  for (const Case& c : {Case{4, 0, false}, Case{4, kMixer, true}, Case{4, kOffscreen, false},
                        Case{1, 0, true}, Case{16, kOffscreen, true}})
    EXPECT_EQ(SetsStreams(c.streams, c.preferences), c.sets) << c.streams << " " << int(c.preferences);
}

TEST(VMRRulesTest, PreferencesGoOutWithoutTheMixerAndComeBackWithIt) {
  EXPECT_EQ(RenderingPrefsOf(kMixer), 0u);
  EXPECT_EQ(RenderingPrefsOf(kMixer | kOffscreen | kAGP), 0x21u);
  struct Case { uint32_t answer; TVMRPreferences before, after; };
  for (const Case& c : {
           Case{0, kMixer, kMixer},                  // the mixer is kept
           Case{0, kOffscreen, 0},                   // a preference the renderer dropped
           Case{0x01, kMixer | kOffscreen, kMixer | kOffscreen},
           Case{0x04, 0, kMixer},                    // the renderer's own answer counts too
           Case{0xFFFFFF20, 0, kAGP},                // only the low byte's preferences
       })
    EXPECT_EQ(PreferencesReadBack(c.answer, c.before), c.after) << std::hex << c.answer;
}

}  // namespace
}  // namespace preview
