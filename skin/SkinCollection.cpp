#include "skin/SkinCollection.h"

#include "skin/SkinFiles.h"

bool TkivSkinCollectionItem::SetSkinData(const std::vector<std::uint8_t>& data) {
  return skin::LoadSkinThroughTempFile(FReader, data, "KIVSKNT");
}

TkivSkinCollectionItem* TkivSkinCollection::Add() {
  FItems.push_back(std::make_unique<TkivSkinCollectionItem>());
  return FItems.back().get();
}

void TkivSkinCollection::Assign(const TkivSkinCollection& source) {
  if (&source == this)
    return;
  Clear();
  for (const auto& item : source.FItems)
    Add()->SetSkinFile(item->SkinFile());
}
