// The built-in skin container, which the build writes from the skin art and links into each
// program as a resource (target builtin_skin_resource).
#pragma once

#include <cstdint>
#include <vector>

namespace skin {

// The container's bytes; empty when the program was linked without it.
std::vector<std::uint8_t> BuiltInSkinData();

}  // namespace skin
