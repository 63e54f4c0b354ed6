#include "converter/tests/e2e_converter_window.h"

#include <commctrl.h>

#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_search.h"

namespace e2e {

constexpr DWORD kWindowTimeoutMs = 20000;
constexpr DWORD kEnabledTimeoutMs = 10000;

bool EnabledSoon(HWND window, bool enabled) {
  return driver::WaitUntil([&] { return (IsWindowEnabled(window) != FALSE) == enabled; },
                           kEnabledTimeoutMs);
}

ConverterWindow::ConverterWindow(const std::string& name, const std::string& preferences)
    : FFolder(driver::MakeProgramFolder(name)) {
  if (FFolder.empty()) return;
  if (!preferences.empty() && !driver::WriteWholeFile(PreferencesFile(), preferences)) return;
  Start();
}

ConverterWindow::ConverterWindow(const std::string& folder, ExistingFolder,
                                 const std::string& arguments,
                                 const driver::EnvironmentAdditions& environment)
    : FFolder(folder), FArguments(arguments), FEnvironment(environment) {
  Start();
}

void ConverterWindow::Start() {
  FProcess = driver::StartProgram(FFolder + "\\Tessark.exe", FArguments, FFolder, FEnvironment);
  if (!FProcess.Started()) return;
  driver::WindowQuery query;
  query.className = "TMainForm";
  query.processId = FProcess.Id();
  FMain = driver::WaitForWindow(query, kWindowTimeoutMs);
}

ConverterWindow::~ConverterWindow() {
  if (FProcess.Running()) FProcess.Kill();
}

void ConverterWindow::Press(ToolbarCommand command) const {
  driver::WindowQuery query;
  query.className = "TToolBar";
  driver::PostCommand(FMain, command, driver::FindChild(FMain, query));
}

bool ConverterWindow::WaitForInputs() const {
  driver::WindowQuery query;
  query.className = "TToolBar";
  const HWND toolbar = driver::FindChild(FMain, query);
  constexpr WPARAM kStart = 9;
  return driver::WaitUntil(
      [&] {
        DWORD_PTR enabled = 0;
        return SendMessageTimeoutA(toolbar, TB_ISBUTTONENABLED, kStart, 0, SMTO_ABORTIFHUNG, 5000,
                                   &enabled) &&
               enabled;
      },
      kWindowTimeoutMs);
}

HWND ConverterWindow::WaitForForm(const std::string& caption, const std::string& className) const {
  driver::WindowQuery query;
  query.caption = caption;
  query.className = className;
  query.processId = FProcess.Id();
  return driver::WaitForWindow(query, kWindowTimeoutMs);
}

HWND ConverterWindow::Button(HWND form, const std::string& caption) const {
  driver::WindowQuery query;
  query.caption = caption;
  return driver::FindChild(form, query);
}

bool ConverterWindow::Close() {
  RequestClose();
  return WaitForExit();
}

bool ConverterWindow::WaitForExit() const {
  return FProcess.WaitForExit(kWindowTimeoutMs) && FProcess.ExitCode() == 0;
}

}  // namespace e2e
