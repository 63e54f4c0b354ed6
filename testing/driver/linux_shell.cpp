#include "testing/driver/linux_shell.h"

#include "testing/driver/files.h"
#include "testing/driver/wait.h"

namespace driver {

// Wine's own export: the Linux path, in memory of the process heap.
std::string LinuxPath(const std::string& path) {
  using Converter = char*(CDECL*)(LPCWSTR);
  const auto convert = reinterpret_cast<Converter>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name"));
  if (!convert) return "";
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  char* converted = convert(wide.c_str());
  if (!converted) return "";
  std::string result = converted;
  HeapFree(GetProcessHeap(), 0, converted);
  return result;
}

bool StartLinuxShell(const std::string& command) {
  std::string commandLine = "sh -c \"" + command + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA("Z:\\bin\\sh", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info))
    return false;
  // For a Linux program Wine hands back no handles of ours: what it leaves in the thread
  // field can name a handle of this process (the low two bits are ignored), so closing it
  // closed the test's handle to the program under test.
  return true;
}

bool RunLinuxShell(const std::string& command, DWORD timeoutMs) {
  static int runs = 0;
  const std::string done = MakeScratchFolder("linux-shell") + "\\done" +
                           std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  const std::string target = LinuxPath(done);
  if (target.empty() || !StartLinuxShell(command + " && touch '" + target + "'")) return false;
  const bool ended = WaitUntil([&] { return FileExists(done); }, timeoutMs);
  DeleteFileA(done.c_str());
  return ended;
}

}  // namespace driver
