#pragma once

// What the sample window shows, shared with the tests that read it from outside.
namespace sample {

constexpr const char* kCaption = "Driver Sample";
constexpr const char* kClassName = "DriverSampleWindow";
constexpr int kEditId = 101, kListId = 102, kComboId = 103, kAskId = 104, kStatusId = 105;

// The Ask button asks this, then shows "Answer: Yes" or "Answer: No" in the status line.
constexpr const char* kQuestion = "Keep the sample?";
constexpr const char* kQuestionCaption = "Driver Question";
constexpr const char* kReady = "Ready";

constexpr const char* kColumns[] = {"Name", "Size"};
constexpr const char* kRows[][2] = {
    {"alpha.avi", "320x240"}, {"beta clip.mpg", "640x480"}, {"gamma.mp4", "480x272"}};
constexpr const char* kComboItems[] = {"MPEG-4 Video", "MPEG-4 AVC Video"};

}  // namespace sample
