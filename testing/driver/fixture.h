#pragma once
#include <string>

namespace driver {

// Where the build put things, as Windows paths (Wine shows the Linux root as Z:).
std::string WindowsPath(const std::string& linuxPath);
std::string DistDir();            // the real program folder
std::string RealEncoderPath();    // its "vodivi.dll"
std::string StandInEncoderPath();
std::string RecorderPath();

// A program folder for one test: a copy of the real one with the stand-in encoder as
// "vodivi.dll"; returned without a trailing backslash.
std::string MakeProgramFolder(const std::string& name);

// The drive that the test prefix marks removable; it stands in for the console.
constexpr const char* kRemovableDrive = "P:\\";

}  // namespace driver
