// A window that holds the folder browser controls for the end-to-end tests: the drive and folder
// combo at the top left, the folder tree below it and the file list beside the tree.
//   ExplorerHost.exe [folder [mask]]: the mask becomes the list's Mask, the folder its Directory
//   and the tree's open path.
#include "explorer/DirTree.h"
#include "explorer/DirTreeCombo.h"
#include "explorer/FileListView.h"
#include "framework/Forms.h"

class THostForm : public TForm {
public:
  explicit THostForm(TComponent* AOwner) : TForm(AOwner) {
    SetName("HostForm");
    SetCaption("Explorer Host");
    SetPosition(poScreenCenter);
    SetClientSize(800, 560);
    cmbFolder = new TDirTreeCombo(this);
    cmbFolder->SetName("cmbFolder");
    cmbFolder->SetParent(this);
    cmbFolder->SetBounds(0, 0, 300, 21);
    tvFolders = new TDirTree(this);
    tvFolders->SetName("tvFolders");
    tvFolders->SetParent(this);
    tvFolders->SetBounds(0, 24, 220, 536);
    tvFolders->SetAnchors(akLeft | akTop | akBottom);
    ltvFiles = new TFileListView(this);
    ltvFiles->SetName("ltvFiles");
    ltvFiles->SetParent(this);
    ltvFiles->SetBounds(224, 24, 576, 536);
    ltvFiles->SetAnchors(akLeft | akTop | akRight | akBottom);
    OnShow = Handler(this, &THostForm::FormShow);
  }

private:
  void FormShow(TObject*) {
    ltvFiles->SetDirTreeCombo(cmbFolder);
    tvFolders->SetFileList(ltvFiles);
    tvFolders->Rebuild();
    tvFolders->Items()->GetFirstNode()->Expand(false);
    if (__argc > 2) ltvFiles->SetMask(__argv[2]);
    if (__argc > 1) {
      ltvFiles->SetDirectory(__argv[1]);
      cmbFolder->OpenPath(ltvFiles->Directory());
      tvFolders->OpenPath(ltvFiles->Directory());
    }
    if (ltvFiles->Items()->Count() == 0) ltvFiles->UpdateFileList();
    ltvFiles->SetFocus();
  }
  TDirTreeCombo* cmbFolder;
  TDirTree* tvFolders;
  TFileListView* ltvFiles;
};

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  THostForm* form = nullptr;
  Application->CreateForm(form);
  Application->Run();
  return 0;
}
