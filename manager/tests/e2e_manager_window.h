// Hollimer started from a program folder of its own, and the console drive it finds, for
// end-to-end tests.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/driver/process.h"

namespace e2e {

constexpr DWORD kWindowTimeoutMs = 20000;
// The window class of the console drive combo.
constexpr const char* kConsoleComboClass = "TDirTreeCombo";

// The fixture drive as a console: "MP_ROOT" and the given folders below the drive's root
// while this lives; afterwards the drive is empty again.
class ConsoleDrive {
 public:
  explicit ConsoleDrive(const std::vector<std::string>& folders = {});
  ~ConsoleDrive();
  ConsoleDrive(const ConsoleDrive&) = delete;
  ConsoleDrive& operator=(const ConsoleDrive&) = delete;
  // Path below the drive's root, e.g. "MP_ROOT\\100MNV01\\M4V00001.MP4".
  static std::string PathOf(const std::string& path);
};

// A picture of the screen once the window has handled what was posted to it, named in the
// folder of the test prefix (where the run keeps its pictures); its path is printed for a
// look. True when taken.
bool Screenshot(HWND window, const std::string& name);

// The system's words for an error code as the manager shows them: without the final full
// stop and line break.
std::string SystemReason(DWORD code);

// Removes the folder with everything in it.
void RemoveFolderTree(const std::string& folder);
// A file of the size, its bytes all "x"; true when written.
bool WriteSizedFile(const std::string& path, size_t size);

class ManagerWindow {
 public:
  // Makes a fresh program folder (the real one with the stand-in encoder as "vodivi.dll")
  // named after name, writes preferences as its Preferences.ini unless empty, and takes the
  // converter's "vodivi.dll" out unless besideConverter.
  ManagerWindow(const std::string& name, const std::string& preferences,
                bool besideConverter = true);
  ~ManagerWindow();

  bool Ready() const { return FReady; }
  const std::string& Folder() const { return FFolder; }  // without a final backslash
  std::string PreferencesFile() const { return FFolder + "\\Preferences.ini"; }
  DWORD ProcessId() const { return FProcess.Id(); }
  bool Start();
  // The main window once it is shown; null at the time limit.
  HWND WaitForMain();
  HWND Main() const { return FMain; }
  // A shown message box of the program.
  HWND WaitForBox(const std::string& caption) const;
  // Whether the program shows its main window now.
  bool MainShown() const;

  // Controls of the main window.
  HWND PCList() const { return Child("TListView", 0); }
  HWND PSPList() const { return Child("TListView", 1); }
  HWND StatusBar() const { return Child("TStatusBar", 0); }
  HWND PathEdit() const { return Child("TEdit", 0); }
  HWND ConsoleCombo() const { return Child(kConsoleComboClass, 0); }
  HWND TypeCombo() const { return Child("TComboBox", 0); }
  HWND Button(const std::string& caption) const;
  // Picks the video type as the user does, by its index.
  void PickType(int index) const;
  // The rows of a list (caption and size) once the list holds count rows; what it holds at
  // the time limit otherwise.
  std::vector<std::vector<std::string>> WaitForRows(HWND list, int count) const;
  // Whether the list comes to hold rows of exactly these captions, in this order; a rename
  // keeps the count, so the rows are read until they match, and the failure tells what the
  // list held at the time limit.
  ::testing::AssertionResult Shows(HWND list, const std::vector<std::string>& captions) const;
  std::vector<std::string> WaitForStatusText(int panel, const std::string& text) const;
  // A shown top-level form of the program by its class ("TRenameForm").
  HWND WaitForForm(const std::string& className) const;
  // Opens the list's popup menu at its first row and chooses the entry that is the given
  // number of Down presses away (separators are skipped); true when the menu showed.
  bool ChooseFromPopup(HWND list, int downs) const;

  // Closes the main window the way the user does; true when the program ends with exit code 0.
  bool Close();

 private:
  HWND Child(const std::string& className, size_t index) const;
  std::string FFolder;
  bool FReady = false;
  driver::Process FProcess;
  HWND FMain = nullptr;
};

}  // namespace e2e
