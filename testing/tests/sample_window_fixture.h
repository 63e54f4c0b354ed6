#pragma once
// The sample window, started for each test, and ways to reach its parts.
#include <gtest/gtest.h>

#include "testing/driver/fixture.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/process.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"
#include "testing/sample-window/sample_window.h"

class SampleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    FProgram = driver::StartProgram(driver::WindowsPath(SAMPLE_WINDOW), "");
    ASSERT_TRUE(FProgram.Started());
    driver::WindowQuery query;
    query.caption = sample::kCaption;
    query.processId = FProgram.Id();
    FWindow = driver::WaitForWindow(query, 30000);
    ASSERT_NE(FWindow, nullptr);
  }

  HWND Control(int id) const {
    driver::WindowQuery query;
    query.id = id;
    return driver::FindChild(FWindow, query);
  }
  bool StatusBecomes(const std::string& text) const {
    return driver::WaitUntil(
        [&] { return driver::WindowText(Control(sample::kStatusId)) == text; }, 10000);
  }
  HWND WaitForQuestion() const {
    return driver::WaitForMessageBox(sample::kQuestionCaption, 10000, FProgram.Id());
  }

  driver::Process FProgram;
  HWND FWindow = nullptr;
};
