#include "manager/core/ConsoleNames.h"

#include <cctype>
#include <cstdio>

#include "common/core/FileNames.h"
#include "common/core/TextCase.h"

namespace manager {

namespace {

constexpr int kLastConsoleNumber = 99999;

std::string ConsoleName(const std::string& prefix, int number) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%05d", number);
  return prefix + digits + ".MP4";
}

}  // namespace

std::string ConsoleNamePrefix(int typeIndex) { return typeIndex == 0 ? "M4V" : "MAQ"; }

std::string ThumbnailOf(const std::string& videoPath) {
  return common::StripExtension(videoPath) + ".THM";
}

TFreePSPNames::TFreePSPNames(int typeIndex, const std::vector<std::string>& folderEntries)
    : FPrefix(ConsoleNamePrefix(typeIndex)), FTaken(kLastConsoleNumber + 1, false) {
  for (const std::string& entry : folderEntries) {
    const std::string name = common::UpperCase(entry);
    // prefix, five digits, ".MP4" or ".THM"
    if (name.size() != 12 || name.compare(0, 3, FPrefix) != 0) continue;
    const std::string extension = name.substr(8);
    if (extension != ".MP4" && extension != ".THM") continue;
    int number = 0;
    for (std::size_t i = 3; i < 8 && number >= 0; ++i)
      number = std::isdigit(static_cast<unsigned char>(name[i])) ? number * 10 + (name[i] - '0') : -1;
    if (number > 0) FTaken[number] = true;
  }
}

std::optional<std::string> TFreePSPNames::NextFreePSPName() {
  while (FNext <= kLastConsoleNumber && FTaken[FNext]) ++FNext;
  if (FNext > kLastConsoleNumber) return std::nullopt;
  return ConsoleName(FPrefix, FNext);
}

void TFreePSPNames::TakeLast() {
  if (FNext <= kLastConsoleNumber) FTaken[FNext] = true;
}

std::string FreeCopyPath(const std::string& folder, const std::string& name,
                         const std::function<bool(const std::string&)>& isTaken) {
  const std::string stem = folder + common::StripExtension(name) + "_New";
  const std::string extension = common::ExtractFileExt(name);
  std::string path = stem + extension;
  for (int number = 2; isTaken(path); ++number) path = stem + std::to_string(number) + extension;
  return path;
}

std::string TemporaryPath(const std::string& path,
                          const std::function<bool(const std::string&)>& isTaken) {
  std::string temporary = path + ".tmp";
  for (int number = 2; isTaken(temporary); ++number)
    temporary = path + "." + std::to_string(number) + ".tmp";
  return temporary;
}

std::optional<std::string> ConsoleRenameError(const std::string& oldName,
                                              const std::string& newName) {
  const std::string prefix = oldName.substr(0, 3);
  const std::string stem = common::StripExtension(newName);
  const std::string number = stem.size() > 3 ? stem.substr(3) : "";
  bool digits = number.size() == 5;
  for (char c : number) digits = digits && std::isdigit(static_cast<unsigned char>(c));
  if (newName.compare(0, 3, prefix) == 0 && digits &&
      common::UpperCase(common::ExtractFileExt(newName)) == ".MP4")
    return std::nullopt;
  return "The new filename is not capatible format for PSP. \n\rThe proper format should be " +
         prefix + "xxxxx.MP4 (e.g." + prefix + "00198.mp4)\n\r\"xxxxx\" indicates a 5 digites number.";
}

std::string WithVideoExtension(const std::string& name) {
  return common::UpperCase(common::ExtractFileExt(name)) == ".MP4" ? name : name + ".MP4";
}

std::optional<std::string> FileNameError(const std::string& name) {
  if (name.empty() || name.find_first_of("\\/:*?\"<>|") != std::string::npos)
    return std::string(
        "The new filename must not be empty, nor hold any of these characters:\r\n"
        "\\ / : * ? \" < > |");
  const std::string device = common::UpperCase(name.substr(0, name.find('.')));
  const bool numbered = device.size() == 4 && (device.compare(0, 3, "COM") == 0 ||
                                               device.compare(0, 3, "LPT") == 0) &&
                        device[3] >= '1' && device[3] <= '9';
  if (numbered || device == "CON" || device == "PRN" || device == "AUX" || device == "NUL")
    return "\"" + name + "\" is the name of a device of the system, not of a file.";
  return std::nullopt;
}

}  // namespace manager
