#include "skin/core/container.h"

#include <algorithm>

#include "skin/core/little_endian.h"

namespace skin {
namespace {

constexpr std::size_t kHeaderSize = 24;
constexpr std::size_t kFirstRecordField = 20;
constexpr std::size_t kRecordSize = 77;
constexpr std::size_t kNameSize = 64;

bool Inside(std::uint64_t offset, std::uint64_t length, std::size_t size) {
  return offset <= size && length <= size - offset;
}

}  // namespace

std::optional<std::vector<ContainerEntry>> ReadContainer(const std::vector<std::uint8_t>& data) {
  if (data.size() < kHeaderSize)
    return std::nullopt;
  std::vector<ContainerEntry> entries;
  std::vector<bool> visited(data.size());
  std::uint32_t offset = ReadU32(data.data() + kFirstRecordField);
  for (;;) {
    if (!Inside(offset, kRecordSize, data.size()) || visited[offset])
      return std::nullopt;
    visited[offset] = true;
    const std::uint8_t* record = data.data() + offset;
    const std::uint32_t next = ReadU32(record + 73);
    if (next == 0)
      return entries;
    const std::uint8_t type = record[64];
    const std::uint32_t dataOffset = ReadU32(record + 65);
    const std::uint32_t dataSize = ReadU32(record + 69);
    if (type <= std::uint8_t(EntryType::Flag)) {
      if (!Inside(dataOffset, dataSize, data.size()))
        return std::nullopt;
      const std::uint8_t* nameEnd = std::find(record, record + kNameSize, 0);
      entries.push_back({std::string(record, nameEnd), EntryType(type), dataOffset, dataSize});
    }
    offset = next;
  }
}

}  // namespace skin
