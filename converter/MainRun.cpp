// The conversion run: every row gets its output name, a thumbnail and its conversion, with the
// progress bars and the run clock following the encoder; then the completion action.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "common/core/FileNames.h"
#include "converter/MainForm.h"
#include "converter/PowerOff.h"
#include "converter/Settings.h"
#include "converter/ShellOpen.h"
#include "converter/core/EncoderCommands.h"
#include "converter/core/JobReport.h"
#include "converter/core/OutputNaming.h"
#include "converter/core/Profiles.h"
#include "converter/core/RunCompletion.h"
#include "converter/core/RunProgress.h"
#include "converter/core/StagedOutput.h"
#include "converter/core/TimeText.h"
#include "framework/SysUtils.h"

using converter::JobEnd;
using converter::JobStart;

namespace {

void LetMessagesRun() { Application->ProcessMessages(); }

std::string PercentText(int percent) { return std::to_string(percent) + "%"; }

// The system's words for an error code as a sentence, or its number when it has none.
std::string SystemErrorText(DWORD error) {
  const std::string words = SysErrorMessage(error);
  return words.empty() ? "Error " + std::to_string(error) : words + ".";
}

// Makes an empty file of that name, which tells that the folder takes files and keeps the name
// from anyone else; 0, or the system's error code.
DWORD CreateEmptyFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  CloseHandle(file);
  return 0;
}

}  // namespace

void TMainForm::SetBusyState() { EnableEditing(false); }

void TMainForm::SetIdleState() { EnableEditing(true); }

// The editing controls one way, Stop the other.
void TMainForm::EnableEditing(bool enabled) {
  for (TToolButton* b :
       {tbtnAddFile, tbtnAddDir, tbtnUp, tbtnDown, tbtnRemove, tbtnClear, tbtnStart, tbtnSetting})
    b->SetEnabled(enabled);
  for (TControl* c : std::initializer_list<TControl*>{ltvTask, panSplitter, gpbProfile})
    c->SetEnabled(enabled);
  tbtnStop->SetEnabled(!enabled);
}

void TMainForm::tbtnStartClick(TObject*) {
  if (!ProfileReadyToConvert()) return;
  ltvTask->SetFocus();
  if (!DirectoryExists(edtOutputdir->Text())) {
    Application->MessageBox("The output path does not exist. Please specify another one.",
                            "Output path does not exist", MB_ICONINFORMATION);
    edtOutputdir->SetFocus();
    return;
  }
  if (ltvTask->Items()->Count() == 0) return;
  SetBusyState();
  std::string options;
  BuildEncoderParameters(converter::ProfilePath(FProgramFolder, cmbProfile->Text()), options);
  ConvertTaskList(options, FProfileExt);
  SetIdleState();
  if (FCloseRequested) Close();
}

void TMainForm::RequestStop() {
  FRunState = 2;
  if (FEncoder) FEncoder->TerminateEncoder();
}

void TMainForm::tbtnStopClick(TObject*) {
  if (FRunState == 1) RequestStop();
}

// Closing the window during a run stops the run first, and while the inputs of the command line
// are added it ends the adding; the window closes once that has ended.
void TMainForm::FormCloseQuery(TObject*, bool& CanClose) {
  if (FRunState == 0 && !FAddingInputs) return;
  CanClose = false;
  FCloseRequested = true;
  if (FRunState != 0) RequestStop();
}

void TMainForm::timerTimeTimer(TObject*) {
  FRunClock.Tick(pgbTotal->Position());
  labElapsed->SetCaption(converter::FormatSeconds(FRunClock.ElapsedSeconds()));
  labRemaining->SetCaption(converter::FormatSeconds(FRunClock.RemainingSeconds()));
}

void TMainForm::ToolButton1Click(TObject*) { StartManager(); }

void TMainForm::StartManager() {
  const std::string manager = FProgramFolder + "Hollimer.exe";
  if (FileExists(manager))
    converter::OpenWithShell(manager, edtOutputdir->Text());
  else
    Application->MessageBox("The Hollimer can not be found. Please reinstall " +
                                Application->Title(),
                            "Program Not Found", MB_ICONINFORMATION);
}

void TMainForm::SetRowStatus(int row, const char* status) {
  ltvTask->Items()->Item(row)->SubItems()->SetStrings(converter::siStatus, status);
}

void TMainForm::ShowRunProgress(int currentPercent, int totalPercent) {
  pgbCurrent->SetPosition(currentPercent);
  pgbTotal->SetPosition(totalPercent);
  labCurProgress->SetCaption(PercentText(currentPercent));
  labTotalProgress->SetCaption(PercentText(totalPercent));
}

void TMainForm::ShowEncoderChunk(const std::string& chunk) { Memo1->SetText(chunk); }

bool TMainForm::MakeThumbnail(const std::string& inputPath, const std::string& outputPath) {
  std::string report;
  const JobEnd end = FEncoder->Run(converter::ThumbnailCommandLine(inputPath, outputPath),
                                    [&](const std::string& chunk) {
                                      ShowEncoderChunk(chunk);
                                      report += chunk;
                                    },
                                    LetMessagesRun);
  if (end.Start == JobStart::ProcessFailed) ShowMessage(converter::JobStartMessage(end.Start));
  return converter::InputLacksSound(report);
}

void TMainForm::EndRun() {
  timerTime->SetEnabled(false);
  panBottomLeft->SetVisible(false);
  panBottomCenter->SetVisible(true);
  FRunState = 0;
  FEncoder.reset();
}

void TMainForm::EndStoppedRun(int row) {
  timerTime->SetEnabled(false);
  SetRowStatus(row, converter::kStatusStop);
  if (!FCloseRequested)
    Application->MessageBox("The Coversion is canceled.", "Cancel", MB_ICONINFORMATION);
  EndRun();
}

void TMainForm::ConvertTaskList(const std::string& options, const std::string& profileExt) {
  labConvertingFile->SetCaption("");
  labElapsed->SetCaption("");
  labRemaining->SetCaption("");
  ShowRunProgress(0, 0);
  panBottomCenter->SetVisible(false);
  panBottomLeft->SetVisible(true);

  FRunState = 1;
  FRunClock = {};
  timerTime->SetEnabled(true);
  FEncoder = std::make_unique<converter::EncoderJob>(FEncoderPath);

  const int count = ltvTask->Items()->Count();
  double total = 0;
  // Every input, then each output as it is named: no row's output may replace one of them.
  std::vector<std::string> kept;
  for (int i = 0; i < count; ++i) {
    const converter::ltvItemData row = GetTaskData(i);
    total += row.Seconds(converter::siConvertLength);
    kept.push_back(row.Caption);
  }
  converter::RunProgress progress(total);
  const converter::TGeneralPreferences preferences = SettingForm->GeneralPreferences();
  const converter::OutputSettings naming{common::AddBackslash(edtOutputdir->Text()), profileExt,
                                         preferences.Overwrite, FileExists, SameFile};

  std::vector<converter::FailedFile> failed;
  for (int i = 0; i < count; ++i) {
    LetMessagesRun();
    const converter::ltvItemData row = GetTaskData(i);
    SetRowStatus(i, converter::kStatusConverting);
    ltvTask->Items()->Item(i)->MakeVisible(false);
    labConvertingFile->SetCaption(common::FileNameOf(row.Caption));
    // Every row counts toward the total, a row that fails before any job too.
    progress.StartRow(row.Seconds(converter::siConvertLength));
    const std::string output = converter::OutputPath(row, i, naming, kept);
    kept.push_back(output);
    kept.push_back(converter::ThumbnailPath(output));
    bool placed = false;
    std::string reason;
    JobEnd end{JobStart::Started};
    const std::string temporary =
        converter::OutputFits(output) ? converter::TemporaryOutputPath(output, naming, kept) : "";
    if (temporary.empty()) {
      reason = "The converted file cannot be saved as " + output + ": " +
               SystemErrorText(ERROR_FILENAME_EXCED_RANGE);
    } else if (const DWORD error = CreateEmptyFile(temporary)) {
      reason = "The output folder " + naming.Folder + " cannot be written: " + SystemErrorText(error);
    } else {
      // The jobs write beside the output, which only a complete conversion replaces; what was
      // not put in place goes when this block ends, before any message about the row.
      converter::TStagedOutput staged(output, temporary);
      std::string report;
      bool converted = false;
      // A stop that came before a job starts leaves the row unconverted. The thumbnail job's
      // report of the input tells whether the conversion must add a silent track.
      const bool lacksSound = FRunState == 1 && MakeThumbnail(row.Caption, staged.Temporary());
      if (FRunState == 1) {
        const std::string inputs = lacksSound ? converter::SilentTrackInput() : "";
        end = FEncoder->Run(
            converter::ConversionCommandLine(
                row.Caption, inputs + options + converter::TrimOptions(row), staged.Temporary()),
            [&](const std::string& chunk) {
              ShowEncoderChunk(chunk);
              report += chunk;
              progress.ReadChunk(chunk);
              ShowRunProgress(progress.CurrentPercent(), progress.TotalPercent());
            },
            LetMessagesRun);
        converted = end.Start == JobStart::Started &&
                    converter::ConversionSucceeded(end.ExitCode, FileSizeOf(staged.Temporary()));
      }
      if (end.Start != JobStart::Started)
        reason = converter::JobStartMessage(end.Start) + ": " + SystemErrorText(end.Error);
      else if (!converted)
        reason = converter::FailureReason(report);
      else if (FRunState == 1 && !(placed = staged.PutInPlace()))
        reason = "The converted file could not be saved as " + output + ": " +
                 SystemErrorText(GetLastError());
    }
    if (FRunState == 2) {
      EndStoppedRun(i);
      return;
    }
    ltvTask->Items()->Item(i)->SubItems()->SetStrings(converter::siFailure, reason);
    if (!placed) {
      failed.push_back({row.Caption, reason});
      SetRowStatus(i, converter::kStatusFailed);
    }
    if (end.Start != JobStart::Started) {
      ShowMessage(converter::JobStartMessage(end.Start));
      EndRun();
      return;
    }
    progress.FinishRow();
    if (placed) SetRowStatus(i, converter::kStatusComplete);
    if (i != count - 1) ShowRunProgress(progress.CurrentPercent(), progress.TotalPercent());
  }

  timerTime->SetEnabled(false);
  FRunState = 0;
  FEncoder.reset();
  const converter::RunCompletion completion =
      converter::CompleteRun(failed, count, preferences.AutoTurnOff, preferences.AutoExit);
  switch (completion.Action) {
    case converter::RunCompletion::TurnOff:
      converter::TurnOffComputer();
      Close();
      return;
    case converter::RunCompletion::Exit:
      Close();
      return;
    case converter::RunCompletion::NothingConverted:
      Application->MessageBox(completion.Text, completion.Caption, MB_ICONINFORMATION);
      break;
    case converter::RunCompletion::AskToTransfer:
      if (Application->MessageBox(completion.Text, completion.Caption,
                                  MB_ICONINFORMATION | MB_YESNO) == IDYES)
        StartManager();
      if (preferences.AutoOpenDir) converter::OpenWithShell(edtOutputdir->Text());
      break;
  }
  panBottomLeft->SetVisible(false);
  panBottomCenter->SetVisible(true);
}
