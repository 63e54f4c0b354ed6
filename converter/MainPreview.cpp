// The preview pane: the selected row's input plays in the video window through the form's
// filter graph; the slider follows it and shows the playing time.
#include <windows.h>

#include "converter/MainForm.h"
#include "converter/FormBuilding.h"
#include "converter/core/TimeText.h"

void TMainForm::sbtnPlayClick(TObject*) {
  if (ltvTask->Items()->Count() == 0) return;
  if (ltvTask->SelCount() == 0) ltvTask->SetItemIndex(0);
  PreviewSelectedTask();
}

void TMainForm::ltvTaskDblClick(TObject*) {
  if (ltvTask->SelCount() > 0) PreviewSelectedTask();
}

void TMainForm::sbtnPauseClick(TObject*) {
  switch (FilterGraph->GetState()) {
    case preview::psPlaying: FilterGraph->Pause(); break;
    case preview::psPaused: FilterGraph->Play(); break;
    default: break;
  }
}

void TMainForm::sbtnStopClick(TObject*) { FilterGraph->Stop(); }

void TMainForm::TrackBarTimer(TObject*, uint32_t, uint32_t) {
  labPreviewTime->SetCaption(converter::FormatSeconds(TrackBar->Position()));
}

void TMainForm::PreviewSelectedTask() {
  FilterGraph->SetTag(ltvTask->ItemIndex());
  if (!FilterGraph->Active()) FilterGraph->SetActive(true);
  FilterGraph->ClearGraph();
  const std::string input = ltvTask->Items()->Item(ltvTask->ItemIndex())->Caption();
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, input.c_str(), -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, input.c_str(), -1, &wide[0], (int)wide.size());
  wide.pop_back();   // the terminating NUL
  FilterGraph->RenderFile(wide);
  FilterGraph->Play();
}

void TMainForm::BuildPreviewComponents() {
  FilterGraph = new preview::TFilterGraph(this);
  FilterGraph->SetName("FilterGraph");
  FilterGraph->SetTag(-1);
  FilterGraph->SetGraphEdit(false);
  FilterGraph->SetLinearVolume(true);

  TrackBar = Place<preview::TDSTrackBar>(this, panPreview, "TrackBar");
  TrackBar->SetAlign(alBottom);
  TrackBar->SetThumbLength(10);
  TrackBar->SetTickMarks(tmTopLeft);
  TrackBar->SetHeight(26);
  TrackBar->SetFilterGraph(FilterGraph);
  TrackBar->SetOnTimer(Handler(this, &TMainForm::TrackBarTimer));

  VideoWindow1 = Place<preview::TVideoWindow>(this, panPreview, "VideoWindow1");
  VideoWindow1->SetAlign(alClient);
  VideoWindow1->VMROptions()->SetMode(preview::vmrWindowed);
  VideoWindow1->SetFilterGraph(FilterGraph);
}
