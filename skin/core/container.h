#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace skin {

// The skin container: a 24-byte header ("Kivlane_TB", then the offset of the first record
// at byte 20) and a chain of 77-byte records, each naming one entry and pointing at its data
// and at the next record. A record whose next offset is 0 ends the chain; its own entry is
// not taken.
enum class EntryType : std::uint8_t { Bitmap = 0, Integer = 1, Flag = 2 };

struct ContainerEntry {
  std::string Name;
  EntryType Type;
  std::size_t DataOffset;
  std::size_t DataSize;
};

// The entries in chain order; records of other types are skipped. Nothing when a record or
// the data of an entry lies outside the container, or the chain comes back to a record.
std::optional<std::vector<ContainerEntry>> ReadContainer(const std::vector<std::uint8_t>& data);

}  // namespace skin
