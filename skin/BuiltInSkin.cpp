#include "skin/BuiltInSkin.h"

#include <windows.h>

namespace skin {

std::vector<std::uint8_t> BuiltInSkinData() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, "BUILTINSKIN", MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const auto* bytes = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (!bytes)
    return {};
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(module, resource));
}

}  // namespace skin
