// The folder tree's Tree Size and Folder Contents.
#include "explorer/DirTree.h"
#include "explorer/FolderContents.h"
#include "explorer/FolderNodes.h"
#include "explorer/ShellHelpers.h"
#include "explorer/WaitCursor.h"
#include "explorer/core/FolderTree.h"
#include "explorer/core/PathText.h"
#include "framework/Dialogs.h"

using namespace explorer;

namespace {

// The folder of the contents window shown last, whichever tree showed it: OK in any contents
// window opens this one.
std::string gContentsFolder;

// Closes the items' update on every way out.
class TItemsUpdate {
public:
  explicit TItemsUpdate(TTreeNodes* items) : FItems(items) { items->BeginUpdate(); }
  ~TItemsUpdate() { FItems->EndUpdate(); }
  TItemsUpdate(const TItemsUpdate&) = delete;
  TItemsUpdate& operator=(const TItemsUpdate&) = delete;
private:
  TTreeNodes* FItems;
};

}  // namespace

void TDirTree::SetSelectedFile(const std::string& file) {
  if (!explorer::SameText(file, FSelectedFile)) FSelectedFile = file;
}

double TDirTree::ShowTreeSize(const std::string& path) {
  auto nodeHasPath = [&](TTreeNode* node) {
    return node && explorer::SameText(DelSlash(GetPathOfNode(node)), DelSlash(path));
  };
  if (!nodeHasPath(Selected())) OpenPath(path);
  TTreeNode* node = Selected();
  if (!nodeHasPath(node)) return 0;
  const std::string folder = GetPathOfNode(node);
  const std::string title = TreeSizeTitle(folder, NodeKindOf(node) == TNodeKind::Drive);
  std::int64_t total = 0;
  {
    TWaitCursor wait;
    TItemsUpdate update(Items());
    try {
      total = LoadTreeFilesSize(Items(), folder, node);
    } catch (...) {
      OpenPath(path);
      throw;
    }
    OpenPath(path);
  }
  MessageDlg(TreeSizeMessage(title, static_cast<double>(total), LocaleSeparators()), mtInformation, mbOK);
  return static_cast<double>(total);
}

void TDirTree::ShowFolderContents(const std::string& path) {
  gContentsFolder = path;
  if (TTreeNode* root = Items()->GetFirstNode()) root->Collapse(true);
  auto* window = New<TFolderContents>(this, path);
  window->SetCaption(ContentsCaption(path, DelSlash(path).size() == 2));
  window->OnOK = [this](const std::string& file) {
    FSelectedFile = file;
    if (!file.empty() && OnFileChange) OnFileChange(this, file);
    OpenPath(gContentsFolder);
  };
  window->Show();
}
