// The main window's transfers: the four kinds, their starters and the drops between the lists.
#include <windows.h>

#include "manager/MainForm.h"
#include "manager/Transfer.h"
#include "manager/VideoFiles.h"
#include "manager/core/ConsolePaths.h"

using manager::TTransferKind;
using manager::TVideoSide;

namespace {

constexpr DWORD kShowListsEveryMs = 500;

// Wine redraws a shown list, scroll bars and all, for every row a refresh adds, which costs
// about as much as copying a video the system has cached. While a transfer runs, the two
// lists take their changes with drawing held and show them when kShowListsEveryMs have
// passed since they last did, so a slow copy still shows each refresh at once.
class TListsDrawnAtPace {
public:
  explicit TListsDrawnAtPace(TMainForm* form) : FForm(form) { Hold(); }
  ~TListsDrawnAtPace() { Show(); }

  void ShowIfDue() {
    if (GetTickCount() - FHeldAt < kShowListsEveryMs) return;
    Show();
    Hold();
  }

  // For a question, which the user may take long to answer.
  template <class Ask>
  bool ShownWhile(Ask ask) {
    Show();
    const bool answer = ask();
    Hold();
    return answer;
  }

private:
  void Hold() {
    FForm->ltvPC->Items()->BeginUpdate();
    FForm->ltvPSP->Items()->BeginUpdate();
    FHeldAt = GetTickCount();
  }
  void Show() {
    FForm->ltvPC->Items()->EndUpdate();
    FForm->ltvPSP->Items()->EndUpdate();
  }

  TMainForm* FForm;
  DWORD FHeldAt = 0;
};

// The transfer as the user sees it: the dialog, the lists, the questions.
class TWindowTransferUser : public manager::TTransferUser {
public:
  TWindowTransferUser(TMainForm* form, TListView* source, TListsDrawnAtPace& lists,
                      const bool& cancelRequested)
      : FForm(form), FSource(source), FLists(lists), FCancelRequested(cancelRequested) {}

  void SelectAll() override {
    for (int i = 0; i < FSource->Items()->Count(); ++i) FSource->Items()->Item(i)->SetSelected(true);
  }
  // A Stop clicked while a file was copied is waiting in the queue.
  bool StopRequested() override {
    Application->ProcessMessages();
    return FCancelRequested || Application->Terminated();
  }
  void ShowStep(const std::string& source, const std::string& destination) override {
    TransferForm->labSource->SetCaption(source);
    TransferForm->labDestination->SetCaption(destination);
    Application->ProcessMessages();
  }
  bool AskOverwrite() override {
    return FLists.ShownWhile([] {
      return Application->MessageBox("The destination file is existent. Overwrite it?",
                                     "Overwrite", MB_YESNO | MB_ICONQUESTION) == IDYES;
    });
  }
  // The lists of the folders the transfer works on, without the Refresh buttons' questions:
  // a console that went away is asked about once, in ConsoleConnected.
  void Refresh(TVideoSide side) override {
    if (side == TVideoSide::PC)
      FForm->RefreshPCFolder();
    else
      FForm->RefreshPSPList();
    FLists.ShowIfDue();
  }
  bool ConsoleConnected() override {
    return FLists.ShownWhile([this] { return FForm->CheckPSPConnection(); });
  }
  void Progress(int percent) override { TransferForm->pgb1->SetPosition(percent); }

private:
  TMainForm* FForm;
  TListView* FSource;
  TListsDrawnAtPace& FLists;
  const bool& FCancelRequested;
};

// The transfer dialog is shown, and the main window disabled, while this lives; whatever
// ends the transfer gives the main window back.
class TTransferDialogShown {
public:
  explicit TTransferDialogShown(TMainForm* form) : FForm(form) { TransferForm->Show(); }
  ~TTransferDialogShown() {
    TransferForm->Hide();
    FForm->SetEnabled(true);
  }

private:
  TMainForm* FForm;
};

}  // namespace

void TMainForm::TransferVideos(TTransferKind kind) {
  FCancelRequested = false;
  manager::TTransferResult result;
  {
    TTransferDialogShown dialog(this);
    FPSPSubFolder = manager::ConsoleVideoFolder(cmbType->ItemIndex());
    FPCFolder = manager::AddBackslash(FPCFolder);
    FPSPFolder = manager::AddBackslash(FPSPRoot + FPSPSubFolder);

    TListView* source = manager::ToConsole(kind) ? ltvPC : ltvPSP;
    manager::TTransferRequest request;
    request.Kind = kind;
    request.PCFolder = FPCFolder;
    request.PSPFolder = FPSPFolder;
    request.TypeIndex = cmbType->ItemIndex();
    request.DefaultThumbnail = FProgramFolder + "DefaultPreview.THM";
    for (int i = 0; i < source->Items()->Count(); ++i) {
      TListItem* row = source->Items()->Item(i);
      request.Rows.push_back({row->Caption(), row->Selected()});
    }
    manager::TPlatformTransferFiles files;
    TListsDrawnAtPace lists(this);
    TWindowTransferUser user(this, source, lists, FCancelRequested);
    result = manager::TransferVideos(request, files, user);
  }
  if (result.Canceled)
    Application->MessageBox("Transfer is canceled", "Canceled", MB_ICONINFORMATION);
  else
    Application->MessageBox(manager::CompletedMessage(result),
                            manager::CompletedCaption(result),
                            result.Accomplished() ? MB_ICONINFORMATION : MB_ICONWARNING);
  TransferForm->pgb1->SetPosition(0);
}

void TMainForm::StartTransfer(TTransferKind kind) {
  // Videos come to the PC only into the folder that the Path shows and the list lists.
  if (!manager::ToConsole(kind) && !PathShowsPCList()) {
    Application->MessageBox("The Path \"" + edtPath->Text() +
                                "\" is not the folder whose videos are listed.\r\n"
                                "Press Refresh to list it, then start again.",
                            "Path", MB_ICONINFORMATION);
    return;
  }
  if (CheckPSPConnection()) TransferVideos(kind);
}

void TMainForm::btnMovePSPClick(TObject*) { StartTransfer(TTransferKind::MoveToPSP); }
void TMainForm::btnCopyPSPClick(TObject*) { StartTransfer(TTransferKind::CopyToPSP); }
void TMainForm::btnMovePCClick(TObject*) { StartTransfer(TTransferKind::MoveToPC); }
void TMainForm::btnCopyPCClick(TObject*) { StartTransfer(TTransferKind::CopyToPC); }

void TMainForm::Move1Click(TObject*) { btnMovePSP->Click(); }
void TMainForm::Copy1Click(TObject*) { btnCopyPSP->Click(); }
void TMainForm::Move2Click(TObject*) { btnMovePC->Click(); }
void TMainForm::Copy2Click(TObject*) { btnCopyPC->Click(); }

// Rows go only across, and a drop copies: a drag within one list does nothing.
void TMainForm::ltvPCDragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
  Accept = Source == ltvPSP;
}

void TMainForm::ltvPSPDragOver(TObject*, TObject* Source, int, int, TDragState, bool& Accept) {
  Accept = Source == ltvPC;
}

void TMainForm::ltvPCDragDrop(TObject*, TObject*, int, int) { btnCopyPC->Click(); }

void TMainForm::ltvPSPDragDrop(TObject*, TObject*, int, int) { btnCopyPSP->Click(); }
