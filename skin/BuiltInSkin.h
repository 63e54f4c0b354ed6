// The built-in skin container, which the build writes from the skin art and links into each
// program as a resource (target builtin_skin_resource).
#pragma once

#include <cstdint>
#include <vector>

class TComponent;
class TkivSkinEngine;

namespace skin {

// The container's bytes; empty when the program was linked without it.
std::vector<std::uint8_t> BuiltInSkinData();

// A program's engine, named "kivSkinEngine1": the built-in skin, switched on; forms and
// controls tagged disabledTag keep the platform's look.
TkivSkinEngine* NewBuiltInSkinEngine(TComponent* owner, int disabledTag);

}  // namespace skin
