// A ".ovx" profile: loaded into the editors, then turned into the encoder's options.
#include "converter/core/Profiles.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string path = fuzz::FileWith(fuzz::Text(data, size));
  const auto profile = converter::LoadProfile(path);
  if (profile) converter::BuildEncoderParameters(path, profile->Editors);
  return 0;
}
