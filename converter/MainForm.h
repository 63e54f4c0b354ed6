// The converter's main window: the task list, the toolbar, the two bottom bars (idle and
// running), the profile editors and the preview pane on the right. Its code is split by
// purpose: MainForm.cpp builds the window and runs its start-up, closing and simple commands;
// the task rows, encoder jobs, run, preview and profile editors each have their own file.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "converter/EncoderJob.h"
#include "converter/core/RunClock.h"
#include "converter/core/TaskRows.h"
#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/Dialogs.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "framework/StdCtrls.h"
#include "framework/Timer.h"
#include "framework/ValEdit.h"
#include "listview/RichListV.h"
#include "preview/DSTrackBar.h"
#include "preview/Grefo.h"
#include "preview/VideoWindow.h"
#include "skin/SkinEngine.h"

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* AOwner);

  // Program-wide values, fixed by FormCreate.
  const std::string& ProgramFolder() const { return FProgramFolder; }  // ends with "\"
  const std::string& Version() const { return FVersion; }

  // Toolbar
  TImageList* ImageList1;
  TImageList* ImageList2;
  TToolBar* Toolbar1;
  TToolButton* tbtnAddFile;
  TToolButton* tbtnAddDir;
  TToolButton* tbtnRemove;
  TToolButton* tbtnClear;
  TToolButton* tbtnUp;
  TToolButton* tbtnDown;
  TToolButton* tbtnStart;
  TToolButton* tbtnStop;
  TToolButton* tbtnSetting;
  TToolButton* tbtnHelp;
  TToolButton* tbtnAbout;
  TToolButton* ToolButton1;  // starts the manager

  // Task list and the welcome panel over it
  TRichListView* ltvTask;
  TPopupMenu* ppmTask;
  TPanel* panbg;
  TImage* imgWelcome;
  TLabel* labProgramNameShadow;
  TLabel* labProgramName;
  TLabel* labStep1;
  TLabel* labStep2;
  TLabel* labStep3;
  TLabel* labLink;

  // Bottom bars: idle (profile and output folder) and running (progress and times)
  TPanel* panBottom;
  TPanel* panBottomCenter;
  TLabel* labProfile;
  TComboBox* cmbProfile;
  TLabel* labOutputdir;
  TEdit* edtOutputdir;
  TBitBtn* bbtnSetting;
  TBitBtn* bbtnBrowser;
  TBitBtn* bbtnOpen;
  TPanel* panBottomLeft;
  TLabel* labConverting;
  TLabel* labConvertingFile;
  TLabel* labCurrent;
  TProgressBar* pgbCurrent;
  TLabel* labCurProgress;
  TLabel* labTotal;
  TProgressBar* pgbTotal;
  TLabel* labTotalProgress;
  TLabel* labElapsedCaption;
  TLabel* labElapsed;
  TLabel* labRemainingCaption;
  TLabel* labRemaining;

  // Right side: profile editors, then the preview pane
  TPanel* panSplitter;
  TPanel* panProfile;
  TGroupBox* gpbProfile;
  TPanel* panOutput;
  TButton* btnOutput;
  TValueListEditor* vleOutput;
  TPanel* panVideo;
  TButton* btnVideo;
  TValueListEditor* vleVideo;
  TPanel* panAudio;
  TButton* btnAudio;
  TValueListEditor* vleAudio;
  TPanel* panAdvanced;
  TButton* btnAdvanced;
  TValueListEditor* vleAdvanced;
  TSplitter* Splitter1;
  TPanel* panPreview;
  preview::TVideoWindow* VideoWindow1;
  preview::TDSTrackBar* TrackBar;
  TPanel* panPreviewButtons;
  TSpeedButton* sbtnPlay;
  TSpeedButton* sbtnPause;
  TSpeedButton* sbtnStop;
  TLabel* labPreviewTime;

  TMemo* Memo1;  // invisible: the text of each encoder output chunk
  TOpenDialog* OpenDialog1;
  TTimer* timerTime;  // the run clock
  TkivSkinEngine* kivSkinEngine1;
  preview::TFilterGraph* FilterGraph;  // Tag: the row last previewed, -1 before the first

  // Start-up, closing and the simple commands (MainForm.cpp)
  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void FormClose(TObject* Sender, TCloseAction& Action);
  void LoadMainPreferences();
  void SaveMainPreferences();
  void tbtnAboutClick(TObject* Sender);
  void tbtnSettingClick(TObject* Sender);
  void bbtnSettingClick(TObject* Sender);
  void tbtnHelpClick(TObject* Sender);
  void bbtnBrowserClick(TObject* Sender);
  void bbtnOpenClick(TObject* Sender);
  void panSplitterMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void labLinkMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void labLinkMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void labLinkClick(TObject* Sender);

  // Task rows
  void AddCommandLineInputs();
  void tbtnAddFileClick(TObject* Sender);
  void tbtnAddDirClick(TObject* Sender);
  void tbtnRemoveClick(TObject* Sender);
  void tbtnClearClick(TObject* Sender);
  void tbtnUpClick(TObject* Sender);
  void tbtnDownClick(TObject* Sender);
  void ltvTaskClick(TObject* Sender);
  // However a row is selected (mouse, keyboard, code), the output editors show it.
  void ltvTaskSelectItem(TObject* Sender, TListItem* Item, bool Selected);
  // The hint of the row under the mouse: why its conversion failed.
  void ltvTaskMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
  void ppmTaskPopup(TObject* Sender);
  void ltvTaskKeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
  void ltvTaskResize(TObject* Sender);
  void vleOutputValidate(TObject* Sender, int ACol, int ARow, const std::string& KeyName,
                         const std::string& KeyValue);
  void WMDropFiles(TMessage& Message);
  void AddFileToTaskList(const std::string& path);
  // Whether the path cannot go into the task list; if so, it is kept for ReportInputsNotAdded.
  bool RefuseInput(const std::string& path);
  // Tells the user of the inputs refused since the last report, in one message.
  void ReportInputsNotAdded();
  // After inputs were added: the row commands work on rows, and the refused ones are told.
  void InputsAdded();
  void AddFolderToTaskList(const std::string& folder);
  // A row's caption and sub-items as the list holds them, and back.
  converter::ltvItemData GetTaskData(int row) const;
  void SetTaskData(int row, const converter::ltvItemData& data);
  // Sets a value of vleOutput (0), vleVideo (1), vleAudio (2) or vleAdvanced (3); a key the
  // editor lacks gets a new row.
  void SetProfileDetailValue(int editor, const std::string& key, const std::string& value);

  // The run
  void tbtnStartClick(TObject* Sender);
  void tbtnStopClick(TObject* Sender);
  void timerTimeTimer(TObject* Sender);
  void ToolButton1Click(TObject* Sender);
  void FormCloseQuery(TObject* Sender, bool& CanClose);
  void SetBusyState();
  void SetIdleState();
  void EnableEditing(bool enabled);
  void StartManager();

  // The preview
  void sbtnPlayClick(TObject* Sender);
  void sbtnPauseClick(TObject* Sender);
  void sbtnStopClick(TObject* Sender);
  void ltvTaskDblClick(TObject* Sender);
  void TrackBarTimer(TObject* Sender, uint32_t CurrentPos, uint32_t StopPos);
  // Plays the input of the row at ItemIndex from its start; a file that cannot be rendered
  // raises the graph's exception.
  void PreviewSelectedTask();

  // The profile editors
  // Loads the profile file into the editors; a missing file leaves them as they are.
  void LoadProfile(const std::string& Path);
  // Appends the encoder options of the profile file with the editors' values to Options;
  // nothing when the file does not exist, and Options stays as it was when this raises.
  void BuildEncoderParameters(const std::string& Path, std::string& Options);
  void cmbProfileChange(TObject* Sender);
  // Whether a profile is chosen that can be converted with; when not, the user is told why.
  bool ProfileReadyToConvert();
  // Tells the user why the profile chosen cannot be converted with; nothing when it can.
  void ReportChosenProfileProblem();
  void btnOutputClick(TObject* Sender);
  void btnVideoClick(TObject* Sender);
  void btnAudioClick(TObject* Sender);
  void btnAdvancedClick(TObject* Sender);
  void vleOutputDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                         TGridDrawState State);
  void vleVideoDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                        TGridDrawState State);
  void vleAudioDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                        TGridDrawState State);
  void vleAdvancedDrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect,
                           TGridDrawState State);
  void vleVideoStringsChange(TObject* Sender);
  // A press on the video, audio or advanced editor, or on the output editor, and a click on
  // the output editor: the editors repaint.
  void vleVideoMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void vleOutputMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void vleOutputClick(TObject* Sender);

  void WndProc(TMessage& m) override;

private:
  void BuildToolbar();
  void BuildTaskList();
  void BuildBottomBars();
  void BuildProfilePane();
  void BuildPreviewPane();
  // The filter graph, the slider and the video window of the preview pane (MainPreview.cpp).
  void BuildPreviewComponents();
  // Shows the Settings dialog on the page.
  void ShowSettings(int page);
  // Enables or disables the commands that need rows: up, down, remove, clear and start.
  void EnableRowCommands(bool enabled);
  void ClearOutputEditor();
  void MoveSelectedRows(bool up);
  void SetRowStatus(int row, const char* status);
  void ShowRunProgress(int currentPercent, int totalPercent);
  // Memo1 holds the text of the encoder's output chunk read last.
  void ShowEncoderChunk(const std::string& chunk);
  // Converts every row; the options are the profile's, its extension names the outputs.
  void ConvertTaskList(const std::string& options, const std::string& profileExt);
  // Ends a run that stopped: the row is marked, the user told unless the window closes.
  void EndStoppedRun(int row);
  // Asks the run to stop and ends the encoder job that runs.
  void RequestStop();
  void EndRun();
  // Writes the thumbnail of an output; true when the encoder reported the input without sound.
  bool MakeThumbnail(const std::string& inputPath, const std::string& outputPath);

  std::string FProgramFolder;
  std::string FVersion;

  std::string FEncoderPath;
  // The run's thumbnail and conversion jobs; Stop ends the one that runs.
  std::unique_ptr<converter::EncoderJob> FEncoder;
  int FRunState = 0;  // 0 idle, 1 running, 2 stop requested
  bool FCloseRequested = false;  // the window was closed during a run or while inputs were added
  bool FAddingInputs = false;   // the inputs of the command line are being added
  bool FCommandLineRead = false;  // their adding was asked for
  // "path: problem" of each input refused since the last report (RefuseInput).
  std::vector<std::string> FInputsNotAdded;
  std::string FProfileExt;
  std::unique_ptr<TStringList> FInputExts;
  std::string FInputMask;
  converter::RunClock FRunClock;
  int FHintRow = -1;  // the row whose hint ltvTask holds
  // The input of the row that the output editor shows, which its edits go to; empty for none.
  std::string FEditInput;
};

extern TMainForm* MainForm;
