// Waiting in the skin's Wine tests: messages are handled the way the program's loop does
// (application events included) until a condition holds.
#pragma once

#include <chrono>
#include <functional>

#include "framework/Forms.h"

// True once done() holds; false when ten seconds pass first.
inline bool PumpUntil(const std::function<bool()>& done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end)
      return false;
    Application->ProcessMessages();
    Sleep(5);
  }
  return true;
}
