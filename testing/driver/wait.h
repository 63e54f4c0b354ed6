#pragma once
#include <windows.h>

namespace driver {

// Polls the condition until it holds or the time is up; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs, DWORD intervalMs = 50) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(intervalMs);
  }
}

}  // namespace driver
