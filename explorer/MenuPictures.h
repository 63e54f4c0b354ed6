// The 16 x 16 pictures of the explorer controls' context menus, loaded from the program's
// bitmap resources by name and kept for the menu's life.
#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/Graphics.h"

class TMenuPictures {
public:
  // The picture of that resource name, loaded once; null for an empty name or a missing one.
  TBitmap* Get(const std::string& name);

private:
  std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>> FBitmaps;
};
