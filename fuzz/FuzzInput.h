// What the fuzz targets share: the input as text, split into parts, or written to a file for the
// parsers that read one.
#pragma once
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fuzz {

inline std::string Text(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The text cut at every NUL: the fields of an input that feeds several parameters.
inline std::vector<std::string> Fields(const std::string& text) {
  std::vector<std::string> fields(1);
  for (char c : text) {
    if (c == '\0') fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}

// The i-th field, empty when there are fewer.
inline std::string Field(const std::vector<std::string>& fields, std::size_t i) {
  return i < fields.size() ? fields[i] : std::string();
}

// Writes the input to this process's own file (runs of several targets share the temporary
// folder) and gives its path; the file goes when the process ends.
inline std::string FileWith(const std::string& content) {
  static const std::filesystem::path path = [] {
    auto p = std::filesystem::temp_directory_path() /
             ("tessark-fuzz-" + std::to_string(getpid()) + ".txt");
    std::atexit([] { std::filesystem::remove(path); });
    return p;
  }();
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
  return path.string();
}

}  // namespace fuzz
