// The recorder: a GUI program that appends its command line and then its current folder,
// one line each, to the file named by RECORDER_LOG, and exits. Tests put it where the
// converter starts the manager, or register it as the player of a file type.
#include <windows.h>

#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char log[MAX_PATH * 4], folder[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableA("RECORDER_LOG", log, sizeof log);
  if (length == 0 || length >= sizeof log) return 1;
  GetCurrentDirectoryA(sizeof folder, folder);
  std::ofstream(log, std::ios::app | std::ios::binary) << GetCommandLineA() << "\n"
                                                       << folder << "\n";
  return 0;
}
