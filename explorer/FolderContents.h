// The window of a folder tree that lists the files of one folder: a stay-on-top tool window
// filling the tree, the files by name with their icons and OK below them. A double click opens
// a file with the shell; OK closes the window, lets its list go and then hands the selected
// file's full path (empty with none selected) to OnOK.
#pragma once
#include <functional>
#include <string>

#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/Forms.h"

class TFolderContents : public TForm {
public:
  // Owned by tree and lying inside it; the files are read at once.
  TFolderContents(TWinControl* tree, const std::string& folder);
  std::function<void(const std::string& file)> OnOK;

private:
  void ContentsDblClick(TObject* Sender);
  void ContentsOKClick(TObject* Sender);
  void AddFiles(const std::string& folder);
  TListView* lvwFiles;
  TBitBtn* btnOK;
};
