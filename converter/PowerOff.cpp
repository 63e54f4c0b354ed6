#include "converter/PowerOff.h"

#include <windows.h>

namespace converter {
namespace {

// Failures are left to the shutdown to report.
void EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid))
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  CloseHandle(token);
}

}  // namespace

bool TurnOffComputer() {
  EnableShutdownPrivilege();
  return ExitWindowsEx(EWX_POWEROFF, 0) != 0;
}

}  // namespace converter
