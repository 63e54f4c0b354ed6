#pragma once
#include <cstdint>

namespace skin {

// Fields of the skin's binary formats are little-endian whatever the host.
inline std::uint16_t ReadU16(const std::uint8_t* p) {
  return std::uint16_t(p[0] | p[1] << 8);
}

inline std::uint32_t ReadU32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

}  // namespace skin
