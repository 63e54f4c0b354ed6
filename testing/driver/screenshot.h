#pragma once
#include <windows.h>

#include <string>

namespace driver {

// Writes a picture of the whole X screen that the programs run on, in the format that the
// path's extension names: ".png" to look at, ".ppm" (binary, 8 bits a channel) for a test
// to read pixels from. The Linux program that takes it is started through Wine; the file
// appears complete or not at all. The path may not contain a single quote.
bool TakeScreenshot(const std::string& pngPath, DWORD timeoutMs = 15000);
// The same once the screen has settled: takes pictures until two in a row are the same, so a
// window that a busy machine paints late is on it.
bool TakeSettledScreenshot(const std::string& path, DWORD timeoutMs = 30000);

}  // namespace driver
