#include "skin/BuiltInSkin.h"

#include <windows.h>

#include "skin/SkinEngine.h"

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

TkivSkinEngine* NewBuiltInSkinEngine(TComponent* owner, int disabledTag) {
  auto* engine = new TkivSkinEngine(owner);
  engine->SetName("kivSkinEngine1");
  engine->SetDisabledTag(disabledTag);
  engine->SetBuiltIn(true);
  engine->SetSkinData(BuiltInSkinData());
  engine->SetActive(true);
  return engine;
}

}  // namespace skin
