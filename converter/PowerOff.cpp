#include "converter/PowerOff.h"

#include <windows.h>

namespace converter {

bool EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
    return false;
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  // AdjustTokenPrivileges succeeds also when it assigned nothing; the last error tells.
  const bool enabled =
      LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid) &&
      AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr) &&
      GetLastError() == ERROR_SUCCESS;
  CloseHandle(token);
  return enabled;
}

bool TurnOffComputer() {
  EnableShutdownPrivilege();
  return ExitWindowsEx(EWX_POWEROFF, 0) != 0;
}

}  // namespace converter
