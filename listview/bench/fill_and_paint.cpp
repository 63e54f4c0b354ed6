// Not a test: the time to fill 5,000 four-column rows and paint every page, in the task list
// view with the converter's settings and in the framework's list view; then owner-drawn rows
// with plain, progress and link cells against the framework's list view with the same texts.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "framework/Forms.h"
#include "listview/RichListV.h"

namespace {
constexpr int kRows = 5000;

void PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

using Texts = std::vector<const char*>;
const Texts kConverterTexts{"00:01:02.34", " 640x480", "OK"};
const Texts kCellKindTexts{"{|40", "http://example.org/clip", "OK"};

double FillAndPaint(TForm* form, TListView* list, const Texts& texts) {
  list->SetBounds(0, 0, 560, 400);
  list->SetViewStyle(vsReport);
  list->SetRowSelect(true);
  list->SetParent(form);
  for (const char* caption : {"Input File", "Length", "Size", "Status"}) list->Columns()->Add()->SetCaption(caption);
  PumpPending();
  const auto start = std::chrono::steady_clock::now();
  list->Items()->BeginUpdate();
  for (int i = 0; i < kRows; ++i) {
    TListItem* item = list->Items()->Add();
    item->SetCaption("C:\\Videos\\clip " + std::to_string(i) + ".avi");
    for (const char* s : texts) item->SubItems()->Add(s);
  }
  list->Items()->EndUpdate();
  const int page = std::max(1, list->VisibleRowCount());
  for (int top = 0; top < kRows; top += page) {
    list->Items()->Item(std::min(top + page - 1, kRows - 1))->MakeVisible(false);
    UpdateWindow(list->Handle());
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  list->Free();
  return seconds;
}
}  // namespace

int main() {
  TForm* form = new TForm(nullptr);
  form->SetBounds(0, 0, 600, 460);
  form->Show();
  PumpPending();
  // Each kind twice, taking turns, and the better time of each: the first run warms up.
  double richSeconds = 1e9, plainSeconds = 1e9, cellSeconds = 1e9, cellPlainSeconds = 1e9;
  for (int round = 0; round < 2; ++round) {
    auto* rich = new TRichListView(form);
    rich->SetHeaderOwnerDraw(true);
    rich->SetHeaderFlatStyle(true);
    rich->SetHeaderHeight(13);
    rich->SetHoverTime(-1);
    rich->Loaded();
    rich->SetHeaderColor(0x00EFEFEF);
    richSeconds = std::min(richSeconds, FillAndPaint(form, rich, kConverterTexts));
    plainSeconds = std::min(plainSeconds, FillAndPaint(form, new TListView(form), kConverterTexts));
    auto* cells = new TRichListView(form);
    cells->SetOwnerDraw(true);
    cells->SetURLShow(true);
    cellSeconds = std::min(cellSeconds, FillAndPaint(form, cells, kCellKindTexts));
    cellPlainSeconds = std::min(cellPlainSeconds, FillAndPaint(form, new TListView(form), kCellKindTexts));
  }
  std::printf("TRichListView %.3f s, TListView %.3f s, ratio %.3f\n", richSeconds, plainSeconds,
              richSeconds / plainSeconds);
  std::printf("owner-drawn cells %.3f s, TListView %.3f s, ratio %.3f\n", cellSeconds, cellPlainSeconds,
              cellSeconds / cellPlainSeconds);
  form->Free();
  return 0;
}
