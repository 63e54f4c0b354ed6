#include "testing/driver/screenshot.h"

#include <utility>

#include "testing/driver/files.h"
#include "testing/driver/wait.h"

namespace driver {

// Wine's own export: the Linux path of a Windows one, in memory of the process heap.
static std::string LinuxPath(const std::string& path) {
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

bool TakeScreenshot(const std::string& pngPath, DWORD timeoutMs) {
  DeleteFileA(pngPath.c_str());
  const std::string target = LinuxPath(pngPath);
  if (target.empty()) return false;
  const size_t dot = target.rfind('.');
  if (dot == std::string::npos || target.find('/', dot) != std::string::npos) return false;
  // Wine starts a Linux program but gives no handle to wait on: the shell writes to a
  // side name and renames, so the finished file is the signal. The side name's extension
  // is not the format's, so the format goes in front of it.
  const std::string format = target.substr(dot + 1);
  const std::string part = "'" + target + ".part'";
  std::string commandLine = "sh -c \"import -window root -depth 8 " + format + ":" + part + " && mv " +
                            part + " '" + target + "'\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA("Z:\\bin\\sh", &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &info))
    return false;
  if (info.hProcess) CloseHandle(info.hProcess);
  if (info.hThread) CloseHandle(info.hThread);
  return WaitUntil([&] { return FileExists(pngPath); }, timeoutMs);
}

bool TakeSettledScreenshot(const std::string& path, DWORD timeoutMs) {
  std::string previous;
  return WaitUntil(
      [&] {
        if (!TakeScreenshot(path)) return false;
        std::string picture = ReadWholeFile(path);
        const bool settled = !picture.empty() && picture == previous;
        previous = std::move(picture);
        return settled;
      },
      timeoutMs, 200);
}

}  // namespace driver
