#pragma once
#include <windows.h>

#include <string>

namespace driver {

// The windows of a process, as a failed test prints them: each top-level window (shown or
// not) with its descendants indented below it, each with its class, text, control id,
// whether it is shown and enabled, and its place on the screen. Empty when it has none.
std::string DescribeWindows(DWORD processId);

// From now until the end of the running test, its first failure prints the windows of the
// process, so that the log tells what the test saw.
void ReportWindowsOnFailure(DWORD processId);

}  // namespace driver
