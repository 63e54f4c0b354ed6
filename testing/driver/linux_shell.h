// Linux programs started from a test under Wine: the X server's own tools (screenshots, the
// real mouse pointer).
#pragma once
#include <windows.h>

#include <string>

namespace driver {

// The Linux path of a Windows one; empty when Wine cannot tell.
std::string LinuxPath(const std::string& path);

// Starts `sh -c "command"`; Wine gives no handle to wait on, so a caller that needs the end
// watches a file the command writes last. The command may not contain a double quote.
bool StartLinuxShell(const std::string& command);

// Runs the command and waits until it ended well; false when it failed or took too long.
bool RunLinuxShell(const std::string& command, DWORD timeoutMs = 15000);

}  // namespace driver
