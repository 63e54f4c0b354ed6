// Which directory entries a file list shows: the mask's patterns, the attribute filter and the
// caption of an entry.
#pragma once
#include <string>
#include <vector>

namespace explorer {

// The search patterns of a mask: blanks (spaces only) trimmed at both ends, "*.*" when nothing
// is left, then cut at each ";". A piece keeps a blank that follows its ";", and an empty
// piece between two ";" stays (it finds nothing).
std::vector<std::string> MaskPieces(const std::string& mask);

// The attributes a list wants and those an entry has.
struct TEntryAttributes {
  bool Directory = false, ReadOnly = false, Hidden = false, System = false;
};

// An entry is taken when it is a folder exactly when folders are wanted, and is read-only,
// hidden or system only where the wanted set allows it; "." never, ".." only with the parent
// entry enabled.
bool EntryWanted(const std::string& name, const TEntryAttributes& entry, const TEntryAttributes& wanted,
                 bool parentDirEnabled);

// The caption of an entry: the name, cut before its last "." when extensions are hidden.
std::string EntryCaption(const std::string& name, bool hideFileExt);

}  // namespace explorer
