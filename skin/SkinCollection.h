// Further skins kept in the form beside the built-in one; each item has its own reader,
// loaded but not used by the engine.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/core/skin_reader.h"

class TkivSkinCollectionItem {
public:
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& name) { FSkinFile = name; }
  // The skin kept in the form for this item ("SkinData"), loaded through the temporary file
  // "KIVSKNT.kiv" (numbered when taken); false when it could not be written or loaded.
  bool SetSkinData(const std::vector<std::uint8_t>& data);
  const skin::TkivSkinReader& Reader() const { return FReader; }

private:
  std::string FSkinFile;
  skin::TkivSkinReader FReader;
};

class TkivSkinCollection {
public:
  int Count() const { return int(FItems.size()); }
  TkivSkinCollectionItem* Items(int i) const { return FItems.at(i).get(); }
  TkivSkinCollectionItem* Add();
  void Clear() { FItems.clear(); }
  // Item by item, as the form stores them: the skin file names (not the loaded skins).
  void Assign(const TkivSkinCollection& source);

private:
  std::vector<std::unique_ptr<TkivSkinCollectionItem>> FItems;
};
