// TRichListView's sorting by column: header clicks, the compare callback with its typed
// comparisons, and the sort mark on the header.
#include "listview/RichListV.h"

#include <oleauto.h>

namespace {
// The platform's compare callback carries no list: the sorted column (less one; -1 is the
// caption) and the direction are the program's, shared by every list view.
int SortCol = 0;
int SortDir = 1;

std::string LocaleText(LCTYPE type, const char* fallback) {
  char text[8] = {};
  return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 1 ? text : fallback;
}

// The platform's conversion of a date and time text in the user's formats; 0 when it fails.
double DateValue(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), (int)wide.size()));
  DATE value = 0;
  return !text.empty() && SUCCEEDED(VarDateFromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &value)) ? value : 0;
}

std::string SortText(TListItem* item) {
  if (SortCol == -1) return item->Caption();
  return SortCol < item->SubItems()->Count() ? item->SubItems()->Get(SortCol) : "";
}
}  // namespace

void TRichListView::SetSortDirection(TSortDirection d) {
  FSortDirection = d;
  SortDir = d == sdAscending ? 1 : -1;
}

void TRichListView::SetSortShow(bool v) {
  FSortShow = v;
  if (v) return;
  if (FSortColumn >= 0 && FSortColumn < Columns()->Count()) SetColumnSortImage(FSortColumn, -1);
  FSortColumn = Columns()->Count() + 1;
}

void TRichListView::ColClick(TListColumn* column) {
  const int n = column->Index();
  if (FSortShow) {
    if (n == FLastSortColumn) SetSortDirection(FSortDirection == sdAscending ? sdDescending : sdAscending);
    bool enable = true;
    if (OnSortStart) OnSortStart(this, n, enable);
    if (enable) {
      DoSort(n);
      if (OnSortDone) OnSortDone(this, n);
    }
  }
  TListView::ColClick(column);
}

void TRichListView::DoSort(int column) {
  const int p = FLastSortColumn;
  if (column != p && p >= 0 && FSortShow) {
    SetColumnSortImage(p, -1);
    SetColumnFormatFromAlignment(p);
  }
  if (column >= 0 && column < Columns()->Count()) {
    FormatHeaderItem(p);
    FLastSortColumn = FSortColumn = column;
    SortCol = column - 1;
    SortItems();
    ShowSortMark(column);
  }
  FSortColumn = FLastSortColumn;
  SortCol = FLastSortColumn - 1;
  if (FSortShow) ShowSortMark(FLastSortColumn);
}

void TRichListView::SortItems() {
  CustomSort(CompareListItems, 0);
  if (HWND header = HeaderWindow()) InvalidateRect(header, nullptr, FALSE);
}

int CALLBACK TRichListView::CompareListItems(LPARAM item1, LPARAM item2, LPARAM) {
  auto* a = reinterpret_cast<TListItem*>(item1);
  auto* b = reinterpret_cast<TListItem*>(item2);
  if (!a || !b) return 0;
  auto* list = static_cast<TRichListView*>(a->ListView());
  const std::string textA = SortText(a), textB = SortText(b);
  listview::TSortFormat format;
  if (list->OnGetFormat) list->OnGetFormat(list, SortCol, format.Style, format.Prefix, format.Suffix);
  const listview::TNumberSeparators separators{LocaleText(LOCALE_SDECIMAL, "."), LocaleText(LOCALE_STHOUSAND, ",")};
  int r = 1;
  if (auto decided = listview::CompareCellTexts(textA, textB, format, separators)) {
    r = *decided;
  } else if (format.Style == ssDate) {
    r = listview::CompareValues(DateValue(textA), DateValue(textB));
  } else if (format.Style == ssCustom) {
    if (list->OnCustomCompare) list->OnCustomCompare(list, SortCol, textA, textB, r);
  } else if (format.Style == ssRaw) {
    if (list->OnRawCompare) list->OnRawCompare(list, SortCol, a->Index(), b->Index(), r);
  }
  return SortDir * r;
}

void TRichListView::ShowSortMark(int column) {
  if (column < 0 || column >= Columns()->Count()) return;
  FormatHeaderItems();
  if (!FSortShow) return;
  HWND header = HeaderWindow();
  if (!FSortUpGlyph->Empty() && !FSortDownGlyph->Empty()) {
    if (!header) return;
    static const int aligns[] = {HDF_LEFT, HDF_RIGHT, HDF_CENTER};
    HDITEMA item{};
    item.mask = HDI_FORMAT | HDI_BITMAP;
    item.fmt = aligns[Columns()->Items(column)->Alignment()] | (FSortIndicator == siRight ? HDF_BITMAP_ON_RIGHT : 0);
    item.hbm = (FSortDirection == sdAscending ? FSortUpGlyph : FSortDownGlyph)->Handle();
    item.fmt = FHeaderOwnerDraw ? HDF_OWNERDRAW : item.fmt | HDF_BITMAP | HDF_STRING;
    SendMessageA(header, HDM_SETITEMA, column, (LPARAM)&item);
  } else if (FHeaderImages) {
    SetColumnSortImage(column, FSortDirection == sdAscending ? 0 : 1);
  }
}

void TRichListView::SetColumnSortImage(int column, int image) {
  if (column < 0 || column >= Columns()->Count() || !ListWindow()) return;
  static const int formats[] = {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER};
  TListColumn* c = Columns()->Items(column);
  LVCOLUMNA info{};
  info.mask = LVCF_FMT;
  info.fmt = formats[c->Alignment()];
  if (image >= 0) info.fmt |= LVCFMT_IMAGE | (FSortIndicator == siRight ? LVCFMT_BITMAP_ON_RIGHT : 0);
  SendMessageA(Handle(), LVM_SETCOLUMNA, column, (LPARAM)&info);
  c->SetImageIndex(image);
  if (FHeaderImages && image >= 0 && image < FHeaderImages->Count()) {
    SendMessageA(HeaderWindow(), HDM_SETIMAGELIST, 0, (LPARAM)FHeaderImages->Handle());
    info.mask = LVCF_IMAGE;
    info.iImage = image;
    SendMessageA(Handle(), LVM_SETCOLUMNA, column, (LPARAM)&info);
  }
  FormatHeaderItem(column);
}
