// TFileListViewPopUp: the file list's context menu, with a picture for each fixed item and a
// "Send To" submenu that lists the user's SendTo shortcuts as they were when it was built.
// Which items are enabled and what a click does are explorer/core's rules.
#pragma once
#include <string>
#include <vector>

#include "explorer/MenuPictures.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"

class TFileListView;

class TFileListViewPopUp : public TPopupMenu {
public:
  explicit TFileListViewPopUp(TFileListView* list);
  ~TFileListViewPopUp() override;
  void BuildItems();
  void AddSendToEntries();
  TMenuItem* AddMenuItem(TMenuItem* parent, const std::string& caption, int groupIndex, const std::string& name,
                         int tag, TBitmap* bitmap);
  void ItemClick(TObject* Sender);
  // The enable rules for the list's state, then the menu 10 pixels right of and below (x, y).
  void Popup(int x, int y) override;
  // Full paths of the SendTo shortcuts, in menu order.
  const std::vector<std::string>& SendToList() const { return FSendToList; }

private:
  std::vector<std::string> FSendToList;
  TFileListView* FList;
  TMenuPictures FPictures;
  TImageList* FSystemImages = nullptr;
};

// The folder behind a CSIDL; empty when the system has none.
std::string GetSpecialFolderPath(int csidl);
// The folder typed or browsed to in "Send to any folder"; empty when cancelled.
std::string SendToFolderDialog(const std::string& initialPath);
// The target of a shell link; empty when it cannot be resolved.
std::string ResolveShortcut(const std::string& linkPath);
