// Message dialogs over the platform's message box, and the open and save dialogs.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Forms.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
  mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

// The framework's message dialog: a form with the type's caption ("Warning", "Error",
// "Information", "Confirmation"; the application's title for mtCustom) and icon, the message,
// and the buttons asked for in the order Yes, No, OK, Cancel, Abort, Retry, Ignore. The first
// button has the focus; Esc means Cancel (or No when there is no Cancel).
TForm* CreateMessageDialog(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons);
// Shows that dialog modally; returns the chosen button's result.
int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// The message with the application's title and an OK button.
void ShowMessage(const std::string& msg);

enum TOpenOption : unsigned {
  ofReadOnly = 1u << 0, ofOverwritePrompt = 1u << 1, ofHideReadOnly = 1u << 2, ofNoChangeDir = 1u << 3,
  ofAllowMultiSelect = 1u << 4, ofPathMustExist = 1u << 5, ofFileMustExist = 1u << 6,
  ofCreatePrompt = 1u << 7, ofNoReadOnlyReturn = 1u << 8, ofEnableSizing = 1u << 9
};
using TOpenOptions = unsigned;

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  // "Description|pattern|Description|pattern...".
  const std::string& Filter() const { return FFilter; }
  void SetFilter(const std::string& f) { FFilter = f; }
  int FilterIndex() const { return FFilterIndex; }   // 1-based
  void SetFilterIndex(int i) { FFilterIndex = i; }
  const std::string& FileName() const { return FFileName; }
  void SetFileName(const std::string& f) { FFileName = f; }
  // The chosen files with their folders (one unless ofAllowMultiSelect).
  TStrings* Files() const { return FFiles.get(); }
  const std::string& InitialDir() const { return FInitialDir; }
  void SetInitialDir(const std::string& d) { FInitialDir = d; }
  const std::string& DefaultExt() const { return FDefaultExt; }   // without the dot
  void SetDefaultExt(const std::string& e) { FDefaultExt = e; }
  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& t) { FTitle = t; }
  TOpenOptions Options() const { return FOptions; }
  void SetOptions(TOpenOptions o) { FOptions = o; }
  // The dialog's window while it is shown.
  HWND Handle() const { return FHandle; }

  // Shows the dialog; true when the user chose a file.
  virtual bool Execute();
  // Once the dialog is shown.
  TNotifyEvent OnShow;

  // The filter as the platform wants it: the pairs, each text ended by a null, then a null.
  static std::string PlatformFilter(const std::string& filter);

protected:
  virtual bool RunDialog(OPENFILENAMEA& ofn) { return GetOpenFileNameA(&ofn) != FALSE; }

private:
  static UINT_PTR CALLBACK Hook(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // Makes the buffer for the chosen names hold at least needed characters, at least doubling it
  // when it grows so that growing often stays cheap.
  void GrowNames(OPENFILENAMEA& ofn, size_t needed);
  void TakeResult(const char* buffer, int filterIndex);
  std::vector<char> FNames;   // what the platform writes the chosen names into
  std::string FFilter, FFileName, FInitialDir, FDefaultExt, FTitle;
  int FFilterIndex = 1;
  std::unique_ptr<TStringList> FFiles;
  TOpenOptions FOptions = ofHideReadOnly | ofEnableSizing;
  HWND FHandle = nullptr;
};

class TSaveDialog : public TOpenDialog {
public:
  using TOpenDialog::TOpenDialog;
protected:
  bool RunDialog(OPENFILENAMEA& ofn) override { return GetSaveFileNameA(&ofn) != FALSE; }
};
