// Handlers whose work is still to come: each file that implements some of them takes them
// out of here.
#include <windows.h>

#include "converter/MainForm.h"

// The preview
void TMainForm::sbtnPlayClick(TObject*) {}
void TMainForm::sbtnPauseClick(TObject*) {}
void TMainForm::sbtnStopClick(TObject*) {}
void TMainForm::ltvTaskDblClick(TObject*) {}
void TMainForm::TrackBarTimer(TObject*) {}
