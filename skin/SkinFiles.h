// Where skin files are found, and how a container kept inside the program reaches a reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/core/skin_reader.h"

namespace skin {

// The first that exists of: name itself, then its file-name part in the program's folder,
// the Windows folder and the System folder; empty when none does.
std::string FindSkinFile(const std::string& name);

// Loads a container kept in memory the way every skin is loaded, from a file: a temporary
// one named after a new GUID (made unique with a number when taken), deleted again whatever
// the load gave. False when no temporary file could be written or the load failed.
bool LoadSkinThroughTempFile(TkivSkinReader& reader, const std::vector<std::uint8_t>& data);
// The same through one temporary file named stem + ".kiv" (numbered when taken): one try.
bool LoadSkinThroughTempFile(TkivSkinReader& reader, const std::vector<std::uint8_t>& data,
                             const std::string& stem);

}  // namespace skin
