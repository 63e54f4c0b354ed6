#include "testing/driver/screenshot.h"

#include <sstream>
#include <utility>

#include "testing/driver/files.h"
#include "testing/driver/linux_shell.h"
#include "testing/driver/wait.h"

namespace driver {

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
  if (!StartLinuxShell("import -window root -depth 8 " + format + ":" + part + " && mv " + part +
                       " '" + target + "'"))
    return false;
  return WaitUntil([&] { return FileExists(pngPath); }, timeoutMs);
}

ScreenPicture::ScreenPicture(const std::string& ppm) {
  std::istringstream in(ppm);
  std::string magic;
  int maximum = 0;
  if (!(in >> magic >> FWidth >> FHeight >> maximum) || magic != "P6" || maximum != 255) {
    FWidth = FHeight = 0;
    return;
  }
  in.get();
  FPixels = ppm.substr(static_cast<size_t>(in.tellg()));
}

ScreenPicture ScreenPicture::Take(const std::string& ppmPath) {
  return ScreenPicture(TakeScreenshot(ppmPath) ? ReadWholeFile(ppmPath) : "");
}

COLORREF ScreenPicture::At(POINT screen) const {
  const size_t at = (static_cast<size_t>(screen.y) * FWidth + screen.x) * 3;
  const auto channel = [&](size_t i) { return static_cast<unsigned char>(FPixels[at + i]); };
  return RGB(channel(0), channel(1), channel(2));
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
