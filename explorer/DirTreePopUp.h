// TDirTreePopUp: the folder tree's context menu, a picture beside each entry. Which entries are
// enabled and what a click on one does are explorer/core's rules; the tree does the work.
#pragma once
#include <string>

#include "explorer/MenuPictures.h"
#include "framework/Menus.h"

class TDirTree;

class TDirTreePopUp : public TPopupMenu {
public:
  explicit TDirTreePopUp(TDirTree* tree);
  void BuildItems();
  TMenuItem* AddMenuItem(const std::string& caption, const std::string& name, int tag, TBitmap* bitmap);
  void ItemClick(TObject* Sender);
  // The enable rules for the selected node and the folder clipboard, then the menu 10 pixels
  // right of and below (x, y).
  void Popup(int x, int y) override;

private:
  TDirTree* FTree;
  TMenuPictures FPictures;
};
