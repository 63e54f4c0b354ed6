#include "manager/VideoList.h"

#include "common/core/TextCase.h"

namespace {

constexpr DWORD kShowRowsEveryMs = 250;

}  // namespace

TVideoList::TFill::TFill(TVideoList& videos, const std::string& folder)
    : FVideos(videos), FNumber(++videos.FFills) {
  if (!common::SameText(folder, FVideos.FFolder)) {
    FVideos.FList->Items()->Clear();
    FVideos.FImages->Clear();
    FVideos.FRows.Clear();
    FVideos.FFreeImages.clear();
    FVideos.FFolder = folder;
  }
  // As a list filled anew: the kept rows are no longer selected either.
  if (FVideos.FList->SelCount() > 0) FVideos.FList->ClearSelection();
  FVideos.FList->SetItemFocused(nullptr);
}

TVideoList::TFill::~TFill() {
  if (FChanges >= 2) FVideos.FList->Items()->EndUpdate();
}

void TVideoList::TFill::Show(const std::string& name, const manager::TVideoLook& look,
                             const std::function<TBitmap*()>& picture) {
  const int index = FNext++;
  const manager::TRowChange change = FVideos.FRows.Place(index, name, look);
  for (int i = 0; i < change.Removed; ++i) RemoveRow(index);
  if (change.Kept) return;
  try {
    MakeRow(index, name, look.SizeText, picture);
  } catch (...) {
    // The records never hold a row the list lacks: both end here, and a later fill makes
    // the rest again.
    CutFrom(index);
    throw;
  }
}

void TVideoList::TFill::MakeRow(int index, const std::string& name, const std::string& sizeText,
                                const std::function<TBitmap*()>& picture) {
  BeforeChange();
  TBitmap* bitmap = picture();
  int image;
  if (!FVideos.FFreeImages.empty() &&
      FVideos.FImages->Replace(FVideos.FFreeImages.back(), bitmap, nullptr)) {
    image = FVideos.FFreeImages.back();
    FVideos.FFreeImages.pop_back();
  } else {
    image = FVideos.FImages->Add(bitmap, nullptr);
  }
  // Made whole before the list has it: each change of a row the list has costs a notification.
  TListItems* rows = FVideos.FList->Items();
  auto row = std::make_unique<TListItem>(rows);
  row->SetCaption(name);
  row->SubItems()->Add(sizeText);
  row->SetImageIndex(image);
  rows->AddItem(std::move(row), index);
}

void TVideoList::TFill::Finish() { CutFrom(FNext); }

void TVideoList::TFill::CutFrom(int index) {
  for (int cut = FVideos.FRows.Cut(index); cut > 0; --cut) RemoveRow(index);
}

// Each change of a shown list costs Wine an update of its scroll bars, and showing it again
// after the drawing was held costs some 15 ms. A refresh that adds one video pays that once
// either way; for more changes the list draws nothing while they come and shows them every
// kShowRowsEveryMs.
void TVideoList::TFill::BeforeChange() {
  TListItems* rows = FVideos.FList->Items();
  if (++FChanges == 2) {
    rows->BeginUpdate();
    FShownAt = GetTickCount();
  } else if (FChanges > 2 && GetTickCount() - FShownAt >= kShowRowsEveryMs) {
    rows->EndUpdate();
    rows->BeginUpdate();
    FShownAt = GetTickCount();
  }
}

void TVideoList::TFill::RemoveRow(int index) {
  TListItems* rows = FVideos.FList->Items();
  if (index >= rows->Count()) return;
  BeforeChange();
  if (const int image = rows->Item(index)->ImageIndex(); image >= 0)
    FVideos.FFreeImages.push_back(image);
  rows->Delete(index);
}
