#include "testing/driver/fixture.h"

#include <windows.h>

#include <algorithm>

#include "testing/driver/files.h"

namespace driver {

std::string WindowsPath(const std::string& linuxPath) {
  std::string path = "Z:" + linuxPath;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string DistDir() { return WindowsPath(DRIVER_DIST_DIR); }
std::string RealEncoderPath() { return DistDir() + "\\vodivi.dll"; }
std::string StandInEncoderPath() { return WindowsPath(DRIVER_STANDIN_ENCODER); }
std::string RecorderPath() { return WindowsPath(DRIVER_RECORDER); }

std::string MakeProgramFolder(const std::string& name) {
  const std::string folder = MakeScratchFolder(name);
  if (folder.empty() || !CopyFolder(DistDir(), folder, {"vodivi.dll"}) ||
      !CopyFileA(StandInEncoderPath().c_str(), (folder + "\\vodivi.dll").c_str(), FALSE))
    return "";
  return folder;
}

}  // namespace driver
