// The manager's main window: the PC folder's videos beside the console's, with thumbnails.
#pragma once
#include <string>

#include "explorer/DirTreeCombo.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"
#include "framework/Timer.h"
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
  TPopupMenu* PopupMenu2;
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

  const std::string& Version() const { return FVersion; }

  // The first console drive becomes the chosen one and its list is filled; false when no
  // drive is a console (nothing changes then).
  bool DetectPSP();
  // Whether the chosen drive is a console; when it is not, asks the user to connect one and
  // offers detection.
  bool CheckPSPConnection();
  // Fills the console list from the chosen drive's video folder of the chosen type.
  void RefreshPSPList();
  // Fills the list with the videos of the folder and their thumbnails. A folder that is not
  // there (or no folder) leaves the list as it is. A newer fill of the same list stops this one.
  void FillVideoList(const std::string& folder, TListView* list, TImageList* images);

private:
  void BuildTopPanel();
  void BuildPathBar();
  TListView* BuildVideoList(TWinControl* parent, const char* name, TImageList* images,
                            TPopupMenu* menu, void (TMainForm::*click)(TObject*));
  void BuildComputerGroup();
  void BuildConsoleGroup();
  void BuildCommandButtons();
  void BuildStatusBar();
  std::string PreferencesFile() const { return FProgramFolder + "Preferences.ini"; }
  // One row a video, with the first of its thumbnails that decodes (else a blank picture).
  void AddVideoRow(TListView* list, TImageList* images, const std::string& name,
                   const std::string& sizeText, const std::vector<std::string>& thumbnails);
  void ShowSelectionSummary(TListView* list, int panel);
  unsigned& FillsOf(TListView* list) { return list == ltvPC ? FPCFills : FPSPFills; }

  std::string FPCFolder;
  std::string FPSPRoot;
  std::string FPSPSubFolder;
  std::string FPSPFolder;
  std::string FProgramFolder;
  std::string FConverterMarker;
  std::string FVersion;
  int FBannerIndex = -1;
  // Fills begun on each list: a fill that sees the count change has been overtaken.
  unsigned FPCFills = 0;
  unsigned FPSPFills = 0;
};

extern TMainForm* MainForm;
