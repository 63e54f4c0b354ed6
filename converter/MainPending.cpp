// Handlers whose work is still to come: each file that implements some of them takes them
// out of here.
#include <windows.h>

#include "converter/MainForm.h"

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
