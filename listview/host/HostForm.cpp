#include "listview/host/HostForm.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "framework/SysUtils.h"

namespace {
// One logged argument: numbers in decimal, Booleans 0/1, texts as they are.
std::string Arg(int v) { return std::to_string(v); }
std::string Arg(unsigned v) { return std::to_string(v); }
std::string Arg(bool v) { return v ? "1" : "0"; }
std::string Arg(const std::string& v) { return v; }
std::string Arg(double v) { return FloatToStr(v); }
std::string Arg(TSortStyle v) { return std::to_string((int)v); }
std::string Arg(TBrush* b) { return std::to_string(b->Color()); }
std::string Arg(TFont* f) { return std::to_string(f->Color()); }
std::string Arg(TCanvas* c) { return std::to_string(c->Font()->Color()); }
std::string Arg(const TRect& r) {
  return std::to_string(r.left) + "\t" + std::to_string(r.top) + "\t" + std::to_string(r.right) + "\t" +
         std::to_string(r.bottom);
}

template <class... A> void Log(const char* name, const A&... args) {
  const char* file = std::getenv("LISTVIEW_HOST_LOG");
  if (!file) return;
  std::string line = name;
  ((line += "\t" + Arg(args)), ...);
  std::ofstream(file, std::ios::app | std::ios::binary) << line << "\n";
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::stringstream stream(line);
  for (std::string part; std::getline(stream, part, separator);) parts.push_back(part);
  if (!line.empty() && line.back() == separator) parts.push_back("");
  return parts;
}
}  // namespace

THostForm::THostForm(TComponent* AOwner) : TForm(AOwner) {
  const std::vector<std::string> args(__argv + 1, __argv + __argc);
  SetCaption("List View Host");
  SetClientWidth(640);
  SetClientHeight(400);
  SetPosition(poScreenCenter);
  ltvHost = new TRichListView(this);
  ltvHost->SetName("ltvHost");
  ltvHost->SetAlign(alClient);
  ltvHost->SetParent(this);
  ltvHost->SetViewStyle(vsReport);
  if (!args.empty()) Fill(args[0]);
  for (std::size_t i = 1; i < args.size(); ++i) SwitchOn(LowerCase(args[i]));
  LogEvents();
}

void THostForm::Fill(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EInOutError("Cannot open file \"" + fileName + "\"");
  bool captions = true;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> cells = Split(line, '\t');
    if (captions) {
      for (const std::string& caption : cells) {
        TListColumn* column = ltvHost->Columns()->Add();
        column->SetCaption(caption);
        column->SetWidth(150);
      }
      captions = false;
      continue;
    }
    TListItem* item = ltvHost->Items()->Add();
    for (std::size_t i = 0; i < cells.size(); ++i)
      if (i == 0) item->SetCaption(cells[i]);
      else item->SubItems()->Add(cells[i]);
  }
}

void THostForm::SwitchOn(const std::string& property) {
  TRichListView* l = ltvHost;
  static const std::map<std::string, std::function<void(TRichListView*)>> setters = {
      {"ownerdraw", [](TRichListView* l) { l->SetOwnerDraw(true); }},
      {"multiselect", [](TRichListView* l) { l->SetMultiSelect(true); }},
      {"rowselect", [](TRichListView* l) { l->SetRowSelect(true); }},
      {"checkboxes", [](TRichListView* l) { l->SetCheckboxes(true); }},
      {"gridlines", [](TRichListView* l) { l->SetGridLines(true); }},
      {"autohint", [](TRichListView* l) { l->SetAutoHint(true); l->SetShowHint(true); l->SetHint("List View Host"); }},
      {"clipboardenable", [](TRichListView* l) { l->SetClipboardEnable(true); }},
      {"filterbar", [](TRichListView* l) { l->SetFilterBar(true); }},
      {"htmlhint", [](TRichListView* l) { l->SetHTMLHint(true); }},
      {"headerhottrack", [](TRichListView* l) { l->SetHeaderHotTrack(true); }},
      {"headerdragdrop", [](TRichListView* l) { l->SetHeaderDragDrop(true); }},
      {"headerflatstyle", [](TRichListView* l) { l->SetHeaderFlatStyle(true); }},
      {"headerownerdraw", [](TRichListView* l) { l->SetHeaderOwnerDraw(true); }},
      {"selectionrtfkeep", [](TRichListView* l) { l->SetSelectionRTFKeep(true); }},
      {"scrollhint", [](TRichListView* l) { l->SetScrollHint(true); }},
      {"sizewithform", [](TRichListView* l) { l->SetSizeWithForm(true); }},
      {"sortshow", [](TRichListView* l) { l->SetSortShow(true); }},
      {"stretchcolumn", [](TRichListView* l) { l->SetStretchColumn(true); }},
      {"subimages", [](TRichListView* l) { l->SetSubImages(true); }},
      {"subitemedit", [](TRichListView* l) { l->SetSubItemEdit(true); }},
      {"subitemselect", [](TRichListView* l) { l->SetSubItemSelect(true); }},
      {"urlshow", [](TRichListView* l) { l->SetURLShow(true); }},
      {"urlfull", [](TRichListView* l) { l->SetURLFull(true); }},
      {"wordwrap", [](TRichListView* l) { l->SetWordWrap(true); }},
      {"saveheader", [](TRichListView* l) { l->SetSaveHeader(true); }},
      {"loadheader", [](TRichListView* l) { l->SetLoadHeader(true); }},
      {"rearrangeitems", [](TRichListView* l) { l->SetReArrangeItems(true); }},
  };
  if (auto it = setters.find(property); it != setters.end()) it->second(l);
  else throw EConvertError("Unknown property \"" + property + "\"");
}

void THostForm::LogEvents() {
  TRichListView* l = ltvHost;
  l->OnDrawDetailProp = [](TObject*, int item, TOwnerDrawState state, TBrush* brush, TFont* font,
                           const std::string& text) { Log("OnDrawDetailProp", item, state, brush, font, text); };
  l->OnDrawItemProp = [](TObject*, int item, int sub, TOwnerDrawState state, TBrush* brush, TFont* font,
                         const std::string& text) { Log("OnDrawItemProp", item, sub, state, brush, font, text); };
  l->OnDrawItem = [](TObject*, TCanvas* canvas, int item, const TRect& r, TOwnerDrawState state) {
    Log("OnDrawItem", canvas, item, r, state);
  };
  l->OnGetFormat = [](TObject*, int col, TSortStyle& style, std::string& prefix, std::string& suffix) {
    Log("OnGetFormat", col, style, prefix, suffix);
  };
  l->OnCustomCompare = [](TObject*, int col, const std::string& a, const std::string& b, int& res) {
    Log("OnCustomCompare", col, a, b, res);
  };
  l->OnRawCompare = [](TObject*, int col, int a, int b, int& res) { Log("OnRawCompare", col, a, b, res); };
  l->OnSortStart = [](TObject*, int column, bool& enable) { Log("OnSortStart", column, enable); };
  l->OnSortDone = [](TObject*, int column) { Log("OnSortDone", column); };
  l->OnColumnSized = [](TObject*, int column) { Log("OnColumnSized", column); };
  l->OnColumnRClick = [](TObject*, int column) { Log("OnColumnRClick", column); };
  l->OnPrintPage = [](TObject*, TCanvas* canvas, int page, int x, int y) { Log("OnPrintPage", canvas, page, x, y); };
  l->OnFitToPage = [](TObject*, double& scale, bool& allow) { Log("OnFitToPage", scale, allow); };
  l->OnPrintSetColumnWidth = [](TObject*, int col, int& width) { Log("OnPrintSetColumnWidth", col, width); };
  l->OnPrintNewPage = [](TObject*, int row, bool& newPage) { Log("OnPrintNewPage", row, newPage); };
  l->OnStartColumnTrack = [](TObject*, int column, bool& allow) { Log("OnStartColumnTrack", column, allow); };
  l->OnEndColumnTrack = [](TObject*, int column) { Log("OnEndColumnTrack", column); };
  l->OnRightClickCell = [](TObject*, int item, int sub) { Log("OnRightClickCell", item, sub); };
  l->OnLeftClickCell = [](TObject*, int item, int sub) { Log("OnLeftClickCell", item, sub); };
  l->OnCanEditCell = [](TObject*, int item, int sub, bool& allow) { Log("OnCanEditCell", item, sub, allow); };
  l->OnFilterChange = [](TObject*, int item) { Log("OnFilterChange", item); };
  l->OnFilterBtnClick = [](TObject*, int item) { Log("OnFilterBtnClick", item); };
  l->OnAnchorClick = [](TObject*, const std::string& anchor) { Log("OnAnchorClick", anchor); };
  l->OnAnchorEnter = [](TObject*, const std::string& anchor) { Log("OnAnchorEnter", anchor); };
  l->OnAnchorExit = [](TObject*, const std::string& anchor) { Log("OnAnchorExit", anchor); };
  l->OnCheckboxClick = [](TObject*, int item, bool state) { Log("OnCheckboxClick", item, state); };
  // Links are only reported, unless LISTVIEW_HOST_OPEN_LINKS is set: tests must not start a
  // browser, only see which links the list would hand to the shell.
  const bool openLinks = std::getenv("LISTVIEW_HOST_OPEN_LINKS") != nullptr;
  l->OnURLClick = [openLinks](TObject*, int item, const std::string& url, bool& handled) {
    Log("OnURLClick", item, url, handled);
    handled = !openLinks;
  };
}
