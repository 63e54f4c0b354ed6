#include "explorer/DirTreePopUp.h"

#include "explorer/DirTree.h"
#include "explorer/FolderNodes.h"
#include "explorer/core/FolderTree.h"

using namespace explorer;

TDirTreePopUp::TDirTreePopUp(TDirTree* tree) : TPopupMenu(tree), FTree(tree) {}

void TDirTreePopUp::BuildItems() {
  for (const TMenuEntry& e : TreeMenuEntries()) AddMenuItem(e.Caption, e.Name, e.Tag, FPictures.Get(e.Bitmap));
}

TMenuItem* TDirTreePopUp::AddMenuItem(const std::string& caption, const std::string& name, int tag,
                                      TBitmap* bitmap) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  item->SetName(name);
  item->SetTag(tag);
  item->OnClick = Handler(this, &TDirTreePopUp::ItemClick);
  if (bitmap) item->SetBitmap(bitmap);
  Items()->Add(item);
  return item;
}

void TDirTreePopUp::ItemClick(TObject* Sender) {
  auto* item = dynamic_cast<TMenuItem*>(Sender);
  if (!item) return;
  TTreeNode* selected = FTree->Selected();
  switch (TreeItemAction(item->Name(), item->Tag())) {
    case TTreeAction::None: break;
    case TTreeAction::NewFolder: FTree->CreateFolder(nullptr, ""); break;
    case TTreeAction::Rename:
      if (selected) selected->EditText();
      break;
    case TTreeAction::Delete:
      if (selected) FTree->DeleteFolder(selected);
      break;
    case TTreeAction::Cut: FTree->CutCopyFolder(TFolderTransfer::Move); break;
    case TTreeAction::Copy: FTree->CutCopyFolder(TFolderTransfer::Copy); break;
    case TTreeAction::Paste: FTree->PasteFolder(); break;
    case TTreeAction::TreeSize:
      if (selected) FTree->ShowTreeSize(FTree->GetPathOfNode(selected));
      break;
    case TTreeAction::Contents:
      if (selected) FTree->ShowFolderContents(FTree->GetPathOfNode(selected));
      break;
    case TTreeAction::MapDrive: FTree->ConnectNetDrive(); break;
    case TTreeAction::DisconnectDrive: FTree->DisconnectNetDrive(); break;
    case TTreeAction::Properties: FTree->ShowFolderProperties(); break;
  }
}

void TDirTreePopUp::Popup(int x, int y) {
  TTreeNode* selected = FTree->Selected();
  const std::vector<bool> enabled = TreeMenuEnabled(selected ? std::optional(NodeKindOf(selected)) : std::nullopt,
                                                    FTree->FolderClipboardFilled());
  for (size_t i = 0; i < enabled.size(); ++i) Items()->Items(static_cast<int>(i))->SetEnabled(enabled[i]);
  TPopupMenu::Popup(x + 10, y + 10);
}
