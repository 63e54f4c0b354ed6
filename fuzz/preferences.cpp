// "Preferences.ini" as the converter reads it at start and in its Settings dialog.
#include "converter/core/Preferences.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::FileWith(fuzz::Text(data, size));
  converter::ReadVersion(path);
  converter::LoadMainPreferences(path, "C:\\Tessark\\");
  converter::LoadPreferences(path, "C:\\Tessark\\");
  converter::LoadDefaultPreferences(path, "C:\\Tessark\\");
  return 0;
}
