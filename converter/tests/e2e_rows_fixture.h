// A converter test with its own program folder, whose stand-in encoder logs every command line
// it gets to log.txt there and may play a script (tools/encoder-standin/script.h).
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <memory>
#include <string>
#include <vector>

#include "converter/tests/e2e_converter_window.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace e2e {

// The toolbar's Start and Stop buttons (counted as ConverterWindow counts them).
constexpr auto kStart = static_cast<ToolbarCommand>(9);
constexpr auto kStop = static_cast<ToolbarCommand>(10);

// Preferences with the output folder and the completion options; profile 0 is chosen.
inline std::string RunPreferences(const std::string& outputFolder, bool overwrite = true,
                                  bool openFolder = false) {
  return "[Main]\r\nOverwrite=" + std::string(overwrite ? "1" : "0") +
         "\r\nAuto Turn Off=0\r\nAuto Exit=0\r\nAuto Open Dir=" + (openFolder ? "1" : "0") +
         "\r\nSyn Mode=0\r\nOutput Path=" + outputFolder + "\r\nProfile=0\r\n";
}

// Whether an encoder that the process started still runs.
inline bool EncoderRunsUnder(DWORD parent) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{sizeof entry};
  bool found = false;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
    found = found || (entry.th32ParentProcessID == parent &&
                      lstrcmpiA(entry.szExeFile, "vodivi.dll") == 0);
  CloseHandle(snapshot);
  return found;
}

class ConverterTask : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FFolder.empty());
    SetEnvironmentVariableA("VODIVI_LOG", Path("log.txt").c_str());
  }
  void TearDown() override {
    FConverter.reset();
    SetEnvironmentVariableA("VODIVI_LOG", nullptr);
    SetEnvironmentVariableA("VODIVI_SCRIPT", nullptr);
  }

  std::string Path(const std::string& name) const { return FFolder + "\\" + name; }
  void WriteFile(const std::string& name, const std::string& text = "clip") const {
    ASSERT_TRUE(driver::WriteWholeFile(Path(name), text));
  }
  void Script(const std::string& text) const {
    WriteFile("script.txt", text);
    SetEnvironmentVariableA("VODIVI_SCRIPT", Path("script.txt").c_str());
  }
  void WritePreferences(const std::string& text) const { WriteFile("Preferences.ini", text); }
  std::vector<std::string> Logged() const { return driver::FileLines(Path("log.txt")); }

  // Starts the converter with the arguments; false when its window did not come. The rows of
  // the arguments arrive after the window shows; unless told not to, this waits for them.
  bool Start(const std::string& arguments = "", bool waitForInputs = true) {
    FConverter = std::make_unique<ConverterWindow>(FFolder, ConverterWindow::kExistingFolder,
                                                   arguments);
    if (FConverter->Main() && waitForInputs && !arguments.empty()) FConverter->WaitForInputs();
    return FConverter->Main() != nullptr;
  }
  ConverterWindow& Converter() { return *FConverter; }
  DWORD ProcessId() const { return FConverter->ProcessId(); }
  HWND Main() const { return FConverter->Main(); }
  HWND TaskList() const {
    for (HWND child : driver::FindChildren(Main(), {}))
      if (driver::ClassName(child).find("ListView") != std::string::npos) return child;
    return nullptr;
  }
  std::vector<std::vector<std::string>> Rows() const { return driver::ListViewRows(TaskList()); }
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& row : Rows()) captions.push_back(row.at(0));
    return captions;
  }

  // Clicks the first task row, which shows it in the output editor.
  void ClickFirstRow() const {
    DWORD_PTR header = 0;
    SendMessageTimeoutA(TaskList(), LVM_GETHEADER, 0, 0, SMTO_ABORTIFHUNG, 5000, &header);
    RECT r;
    GetWindowRect(reinterpret_cast<HWND>(header), &r);
    driver::ClickAt(TaskList(), POINT{40, r.bottom - r.top + 6});
  }
  // The hint that shows while the pointer rests on the first task row; empty when none came.
  std::string FirstRowHint() const {
    DWORD_PTR header = 0;
    SendMessageTimeoutA(TaskList(), LVM_GETHEADER, 0, 0, SMTO_ABORTIFHUNG, 5000, &header);
    RECT r;
    GetWindowRect(reinterpret_cast<HWND>(header), &r);
    driver::WindowQuery hints;
    hints.className = "THintWindow";
    hints.processId = ProcessId();
    std::string text;
    // A hint starts once the pointer moved within the row; it moves on until one shows.
    int x = 40;
    driver::WaitUntil(
        [&] {
          driver::PointAt(TaskList(), POINT{x = 100 - x, r.bottom - r.top + 6});
          const std::vector<HWND> shown = driver::FindTopWindows(hints);
          if (!shown.empty()) text = driver::WindowText(shown.front());
          return !text.empty();
        },
        10000);
    return text;
  }
  // Output editor: its value cells start right of the 95-pixel keys, a row every 18 pixels.
  // Presses the value of the row and types the text into the editor shown there.
  bool Type(int row, const std::string& text) const {
    driver::WindowQuery query;
    query.className = "TValueListEditor";
    const HWND editor = driver::FindChild(Main(), query);
    driver::ClickAt(editor, POINT{105, row * 18 + 8});
    // The in-place editor, once it stands on the row pressed.
    HWND inplace = nullptr;
    driver::WaitUntil(
        [&] {
          for (HWND child = GetWindow(editor, GW_CHILD); child;
               child = GetWindow(child, GW_HWNDNEXT)) {
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(HWND_DESKTOP, editor, reinterpret_cast<POINT*>(&r), 2);
            if (IsWindowVisible(child) && r.top <= row * 18 + 8 && r.bottom > row * 18 + 8)
              inplace = child;
          }
          return inplace != nullptr;
        },
        10000);
    DWORD_PTR ignored;
    return inplace && SendMessageTimeoutA(inplace, WM_SETTEXT, 0,
                                          reinterpret_cast<LPARAM>(text.c_str()),
                                          SMTO_ABORTIFHUNG, 5000, &ignored);
  }
  // Presses Start and answers No to the completion question; false when it did not come.
  bool RunAll(DWORD timeoutMs = 20000) {
    Converter().Press(kStart);
    const HWND box = driver::WaitForMessageBox("Complete", timeoutMs, ProcessId());
    return box && driver::PressDialogButton(box, IDNO);
  }

 private:
  const std::string FFolder = driver::MakeProgramFolder(
      ::testing::UnitTest::GetInstance()->current_test_info()->name());
  std::unique_ptr<ConverterWindow> FConverter;
};

// A task whose program folder holds the real encoder; the outputs go to its folder "out".
class RealEncoderTask : public ConverterTask {
 protected:
  void SetUp() override {
    ConverterTask::SetUp();
    ASSERT_TRUE(CopyFileA(driver::RealEncoderPath().c_str(), Path("vodivi.dll").c_str(), FALSE));
    ASSERT_TRUE(CreateDirectoryA(Path("out").c_str(), nullptr));
    WritePreferences(RunPreferences(Out()));
  }
  std::string Out() const { return Path("out") + "\\"; }
};

}  // namespace e2e
