// The privilege that turning the computer off needs (the shutdown itself is not tried here).
#include "converter/PowerOff.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

namespace converter {
namespace {

bool ShutdownPrivilegeEnabled() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
  DWORD size = 0;
  GetTokenInformation(token, TokenPrivileges, nullptr, 0, &size);
  std::vector<char> buffer(size);
  const bool read = GetTokenInformation(token, TokenPrivileges, buffer.data(), size, &size);
  CloseHandle(token);
  LUID shutdown{};
  LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &shutdown);
  const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (DWORD i = 0; read && i < privileges->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& privilege = privileges->Privileges[i];
    if (privilege.Luid.LowPart == shutdown.LowPart && privilege.Luid.HighPart == shutdown.HighPart)
      return privilege.Attributes & SE_PRIVILEGE_ENABLED;
  }
  return false;
}

void DisableAllPrivileges() {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &token);
  AdjustTokenPrivileges(token, TRUE, nullptr, 0, nullptr, nullptr);
  CloseHandle(token);
}

TEST(EnableShutdownPrivilege, EnablesThePrivilegeInTheProcessToken) {
  DisableAllPrivileges();
  ASSERT_FALSE(ShutdownPrivilegeEnabled());
  ASSERT_TRUE(EnableShutdownPrivilege());
  EXPECT_TRUE(ShutdownPrivilegeEnabled());
}

}  // namespace
}  // namespace converter
