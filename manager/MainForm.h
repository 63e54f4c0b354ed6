// The manager's main window: the PC folder's videos beside the console's, with thumbnails.
#pragma once
#include <memory>
#include <string>

#include "explorer/DirTreeCombo.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"
#include "framework/Timer.h"
#include "manager/VideoList.h"
#include "manager/core/TransferPlan.h"
#include "skin/SkinEngine.h"

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* AOwner);

  TPanel* panTop;
  TLabel* labTitle1;
  TLabel* labTitle2;
  TLabel* labVersion;
  TLabel* labWebsite;
  TLabel* labAbout;
  TImage* Image2;
  TLabel* labPath;
  TEdit* edtPath;
  TButton* btnBrowse;
  TButton* btnRefreshPC;
  TGroupBox* gpbPC;
  TListView* ltvPC;
  TLabel* labPCNumCaption;
  TLabel* labPCNum;
  TGroupBox* gpbPSP;
  TLabel* labType;
  TComboBox* cmbType;
  TLabel* labPSP;
  TDirTreeCombo* cmbPSP;
  TButton* btnRefreshPSP;
  TListView* ltvPSP;
  TLabel* labPSPNumCaption;
  TLabel* labPSPNum;
  TButton* btnMovePSP;
  TButton* btnCopyPSP;
  TButton* btnMovePC;
  TButton* btnCopyPC;
  TButton* btnRename;
  TButton* btnDelete;
  TStatusBar* StatusBar1;
  TImage* imgPreview;
  TImageList* imlPC;
  TImageList* imlPSP;
  TImageList* imladv;
  TTimer* Timer1;
  TPopupMenu* PopupMenu1;
  TMenuItem* Play1;
  TMenuItem* Openthedirectory1;
  TMenuItem* Move1;
  TMenuItem* Copy1;
  TMenuItem* Rename1;
  TMenuItem* Delete1;
  TPopupMenu* PopupMenu2;
  TMenuItem* Play2;
  TMenuItem* Openthedirectory2;
  TMenuItem* Move2;
  TMenuItem* Copy2;
  TMenuItem* Rename2;
  TMenuItem* Delete2;
  TkivSkinEngine* kivSkinEngine1;

  void FormCreate(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void btnRefreshPCClick(TObject* Sender);
  void edtPathKeyPress(TObject* Sender, char& Key);
  void btnBrowseClick(TObject* Sender);
  void btnRefreshPSPClick(TObject* Sender);
  void cmbPSPPathChange(TObject* Sender, const std::string& SelectedPath);
  void cmbTypeChange(TObject* Sender);
  void ltvPCClick(TObject* Sender);
  void ltvPSPClick(TObject* Sender);
  void Timer1Timer(TObject* Sender);
  void Image2Click(TObject* Sender);
  void labWebsiteClick(TObject* Sender);
  void labAboutClick(TObject* Sender);
  // Transfers: the buttons, their popup entries and the drops.
  void btnMovePSPClick(TObject* Sender);
  void btnCopyPSPClick(TObject* Sender);
  void btnMovePCClick(TObject* Sender);
  void btnCopyPCClick(TObject* Sender);
  void Move1Click(TObject* Sender);
  void Copy1Click(TObject* Sender);
  void Move2Click(TObject* Sender);
  void Copy2Click(TObject* Sender);
  void ltvPCDragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State,
                     bool& Accept);
  void ltvPSPDragOver(TObject* Sender, TObject* Source, int X, int Y, TDragState State,
                      bool& Accept);
  void ltvPCDragDrop(TObject* Sender, TObject* Source, int X, int Y);
  void ltvPSPDragDrop(TObject* Sender, TObject* Source, int X, int Y);
  // One video's commands on either side.
  void Play1Click(TObject* Sender);
  void Play2Click(TObject* Sender);
  void ltvPCDblClick(TObject* Sender);
  void ltvPSPDblClick(TObject* Sender);
  void Openthedirectory1Click(TObject* Sender);
  void Openthedirectory2Click(TObject* Sender);
  void Rename1Click(TObject* Sender);
  void btnRenameClick(TObject* Sender);
  void Rename2Click(TObject* Sender);
  void Delete1Click(TObject* Sender);
  void btnDeleteClick(TObject* Sender);
  void Delete2Click(TObject* Sender);

  const std::string& Version() const { return FVersion; }

  // The first console drive becomes the chosen one and its list is filled; false when no
  // drive is a console (nothing changes then).
  bool DetectPSP();
  // Whether the chosen drive is a console; when it is not, asks the user to connect one and
  // offers detection.
  bool CheckPSPConnection();
  // Fills the console list from the chosen drive's video folder of the chosen type; empty when
  // the drive is no console or the folder is not on it.
  void RefreshPSPList();
  // Fills the PC list again from the folder it lists.
  void RefreshPCFolder();
  // Fills the list with the videos of the folder and their thumbnails. A folder that is not
  // there (or no folder) leaves the list as it is and answers false. A newer fill of the same
  // list stops this one.
  bool FillVideoList(const std::string& folder, TListView* list, TImageList* images);
  // Copies or moves the selected videos of the kind's source list (all when none is
  // selected) with their thumbnails, showing the transfer dialog; the main window is
  // disabled until the final box.
  void TransferVideos(manager::TTransferKind kind);
  // Stop of the transfer dialog: the running transfer ends before its next video.
  void RequestCancel() { FCancelRequested = true; }

private:
  void BuildTopPanel();
  void BuildPathBar();
  TListView* BuildVideoList(TWinControl* parent, const char* name, TImageList* images,
                            TPopupMenu* menu, void (TMainForm::*click)(TObject*));
  void BuildComputerGroup();
  void BuildConsoleGroup();
  void BuildCommandButtons();
  void BuildStatusBar();
  void BuildPopupMenus();
  // The console video folder of the chosen drive and type, kept in FPSPFolder.
  const std::string& ConsoleFolder();
  // Starts a transfer once the chosen drive is a console.
  void StartTransfer(manager::TTransferKind kind);
  void PlaySelected(TListView* list, const std::string& folder);
  void OpenFolder(const std::string& folder);
  void StartRename(TListView* list, manager::TVideoSide side, const std::string& folder);
  // Why each video that stayed could not be deleted.
  std::vector<std::string> DeleteSelected(TListView* list, const std::string& folder);
  void ShowDeleteProblems(const std::vector<std::string>& problems);
  std::string PreferencesFile() const { return FProgramFolder + "Preferences.ini"; }
  // The first of the thumbnails that decodes (else a blank picture), at the lists' size.
  TBitmap* VideoPicture(const std::vector<std::string>& thumbnails);
  void ShowSelectionSummary(TListView* list, int panel);
  // Refresh of the Path: a text that names no folder is said to be none (once the window
  // shows) and leaves the list as it was.
  void RefreshPCList();
  // Whether the Path names the folder the PC list lists, as the file system decides.
  bool PathShowsPCList();
  TVideoList& VideosOf(TListView* list, TImageList* images);

  std::string FPCFolder;
  std::string FPSPRoot;
  std::string FPSPSubFolder;
  std::string FPSPFolder;
  bool FCancelRequested = false;
  std::string FProgramFolder;
  std::string FConverterMarker;
  std::string FVersion;
  int FBannerIndex = -1;
  // What each list shows, made at its first fill.
  std::unique_ptr<TVideoList> FPCVideos;
  std::unique_ptr<TVideoList> FPSPVideos;
};

extern TMainForm* MainForm;
