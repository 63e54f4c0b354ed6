// The converter started from a program folder of its own, for end-to-end tests.
#pragma once
#include <windows.h>

#include <string>

#include "testing/driver/process.h"

namespace e2e {

// The toolbar's buttons are numbered from 1 in the order they stand, separators included.
enum ToolbarCommand { kAddFiles = 1, kSettings = 12, kAbout = 14 };

// Whether the window comes to be enabled (or disabled) within 10 s.
bool EnabledSoon(HWND window, bool enabled);

class ConverterWindow {
 public:
  // Makes a fresh program folder (the real one with the stand-in encoder) named after name,
  // with preferences as its Preferences.ini unless empty, starts Tessark.exe there and waits
  // for its main window; Main() is null when any of this failed.
  explicit ConverterWindow(const std::string& name, const std::string& preferences = "");
  // Starts it in a program folder made by the test, with the arguments on its command line
  // and the additions in its environment.
  enum ExistingFolder { kExistingFolder };
  ConverterWindow(const std::string& folder, ExistingFolder, const std::string& arguments = "",
                  const driver::EnvironmentAdditions& environment = {});
  ~ConverterWindow();

  const std::string& Folder() const { return FFolder; }  // without a final backslash
  std::string PreferencesFile() const { return FFolder + "\\Preferences.ini"; }
  HWND Main() const { return FMain; }
  DWORD ProcessId() const { return FProcess.Id(); }
  // Presses a toolbar button.
  void Press(ToolbarCommand command) const;
  // Waits until the inputs of the command line are in the list, which the window shows by
  // enabling Start; false when that did not come (no input could be added, for one).
  bool WaitForInputs() const;
  // A shown top-level window of the program with this caption and window class.
  HWND WaitForForm(const std::string& caption, const std::string& className) const;
  // The child button (or check box, radio button) with this caption.
  HWND Button(HWND form, const std::string& caption) const;
  // Closes the main window the way the user does; true when the program then ends.
  bool Close();
  void RequestClose() const { PostMessageA(FMain, WM_CLOSE, 0, 0); }
  // True when the program ends in time with exit code 0.
  bool WaitForExit() const;

 private:
  void Start();
  std::string FFolder;
  std::string FArguments;
  driver::EnvironmentAdditions FEnvironment;
  driver::Process FProcess;
  HWND FMain = nullptr;
};

}  // namespace e2e
