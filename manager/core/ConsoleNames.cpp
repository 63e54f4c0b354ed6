#include "manager/core/ConsoleNames.h"

#include <cctype>
#include <cstdio>
#include <unordered_set>

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

std::optional<std::string> NextFreePSPName(int typeIndex, const std::vector<std::string>& listed,
                                           const std::function<bool(const std::string&)>& isTaken) {
  std::unordered_set<std::string> shown;
  for (const std::string& name : listed) shown.insert(common::UpperCase(name));
  const std::string prefix = ConsoleNamePrefix(typeIndex);
  for (int number = 1; number <= kLastConsoleNumber; ++number) {
    const std::string candidate = ConsoleName(prefix, number);
    if (!shown.count(candidate) && !isTaken(candidate)) return candidate;
  }
  return std::nullopt;
}

std::string FreeCopyPath(const std::string& folder, const std::string& name,
                         const std::function<bool(const std::string&)>& isTaken) {
  const std::string stem = folder + common::StripExtension(name) + "_New";
  const std::string extension = common::ExtractFileExt(name);
  std::string path = stem + extension;
  for (int number = 2; isTaken(path); ++number) path = stem + std::to_string(number) + extension;
  return path;
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

bool IsSafeFileName(const std::string& name) {
  return !name.empty() && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

}  // namespace manager
