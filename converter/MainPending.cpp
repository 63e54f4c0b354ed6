// Handlers whose work is still to come: each file that implements some of them takes them
// out of here.
#include <windows.h>
#include <shellapi.h>

#include "converter/CustomSize.h"
#include "converter/MainForm.h"
#include "converter/Settings.h"

// Task rows
void TMainForm::AddCommandLineInputs() {}
// Shows the open dialog; adding the chosen files is still to come.
void TMainForm::tbtnAddFileClick(TObject*) { OpenDialog1->Execute(); }
void TMainForm::tbtnAddDirClick(TObject*) {}
void TMainForm::tbtnRemoveClick(TObject*) {}
void TMainForm::tbtnClearClick(TObject*) {}
void TMainForm::tbtnUpClick(TObject*) {}
void TMainForm::tbtnDownClick(TObject*) {}
void TMainForm::ltvTaskClick(TObject*) {}
void TMainForm::ppmTaskPopup(TObject*) {}
void TMainForm::ltvTaskKeyDown(TObject*, WORD&, TShiftState) {}
void TMainForm::ltvTaskResize(TObject*) {}
void TMainForm::vleOutputValidate(TObject*, int, int, const std::string&, const std::string&) {}
void TMainForm::WMDropFiles(TMessage& Message) {
  DragFinish(reinterpret_cast<HDROP>(Message.WParam));
}

// The run
void TMainForm::tbtnStartClick(TObject*) {}
void TMainForm::tbtnStopClick(TObject*) {}
void TMainForm::timerTimeTimer(TObject*) {}
void TMainForm::ToolButton1Click(TObject*) {}

// The preview
void TMainForm::sbtnPlayClick(TObject*) {}
void TMainForm::sbtnPauseClick(TObject*) {}
void TMainForm::sbtnStopClick(TObject*) {}
void TMainForm::ltvTaskDblClick(TObject*) {}
void TMainForm::TrackBarTimer(TObject*) {}
