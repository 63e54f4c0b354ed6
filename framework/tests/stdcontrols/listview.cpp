// The list view in report view: columns, rows with sub-items, selection and the custom-draw hook.
#include "framework/ComCtrls.h"

#include <algorithm>
#include <tuple>

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// A platform compare function: by caption, falling.
int CALLBACK Descending(LPARAM a, LPARAM b, LPARAM) {
  return -reinterpret_cast<TListItem*>(a)->Caption().compare(reinterpret_cast<TListItem*>(b)->Caption());
}

class ListViewTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    list = new TListView(form);
    list->SetViewStyle(vsReport);
    list->SetMultiSelect(true);
    list->SetReadOnly(true);
    list->SetRowSelect(true);
    list->SetBounds(10, 10, 360, 200);
    list->SetParent(form);
    for (const char* caption : {"Input File", "Length", "Size", "Status"}) {
      TListColumn* c = list->Columns()->Add();
      c->SetCaption(caption);
      c->SetWidth(80);
    }
  }
  TListItem* AddRow(const std::string& caption, std::initializer_list<const char*> subItems) {
    TListItem* item = list->Items()->Add();
    item->SetCaption(caption);
    for (const char* s : subItems) item->SubItems()->Add(s);
    return item;
  }
  // What the platform shows in a cell.
  std::string CellText(int row, int column) {
    char buffer[260] = "";
    LVITEMA it{};
    it.iSubItem = column;
    it.pszText = buffer;
    it.cchTextMax = sizeof buffer;
    SendMessageA(list->Handle(), LVM_GETITEMTEXTA, row, (LPARAM)&it);
    return buffer;
  }
  void Select(int row, bool on) {
    LVITEMA it{};
    it.stateMask = LVIS_SELECTED;
    it.state = on ? LVIS_SELECTED : 0;
    SendMessageA(list->Handle(), LVM_SETITEMSTATE, row, (LPARAM)&it);
  }
  TListView* list = nullptr;
};

TEST_F(ListViewTest, ColumnsAndCellTextsReachThePlatform) {
  AddRow("C:\\a.avi", {"00:01:02.34", " 640x480", "OK"});
  AddRow("C:\\b.avi", {"00:00:10.0"});
  HWND header = (HWND)SendMessageA(list->Handle(), LVM_GETHEADER, 0, 0);
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(SendMessageA(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(CellText(0, 0), "C:\\a.avi");
  EXPECT_EQ(CellText(0, 2), " 640x480");
  EXPECT_EQ(CellText(0, 3), "OK");
  EXPECT_EQ(CellText(1, 1), "00:00:10.0");
  EXPECT_EQ(CellText(1, 3), "");
  list->Items()->Item(1)->SubItems()->Add("x");
  list->Items()->Item(1)->SubItems()->Add("Converting");
  EXPECT_EQ(CellText(1, 3), "Converting");
  list->Columns()->Items(1)->SetWidth(90);
  EXPECT_EQ(SendMessageA(list->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 90);
}

TEST_F(ListViewTest, HeaderColumnOrderAndImagesComeFromTheWindow) {
  int order[] = {2, 0, 1, 3};
  SendMessageA(list->Handle(), LVM_SETCOLUMNORDERARRAY, 4, (LPARAM)order);
  EXPECT_EQ(list->ColumnOrder(), (std::vector<int>{2, 0, 1, 3}));
  list->Columns()->Items(3)->SetImageIndex(5);
  HDITEMA item{};
  item.mask = HDI_IMAGE;
  SendMessageA(list->HeaderWindow(), HDM_GETITEMA, 3, (LPARAM)&item);
  EXPECT_EQ(item.iImage, 5);
  list->Columns()->Clear();
  EXPECT_TRUE(list->ColumnOrder().empty());
}

// A sorting list puts its sort image on a column's right; the column's own changes keep it there.
TEST_F(ListViewTest, ColumnChangesKeepTheImageAndItsSide) {
  LVCOLUMNA c{};
  c.mask = LVCF_FMT;
  c.fmt = LVCFMT_LEFT | LVCFMT_IMAGE | LVCFMT_BITMAP_ON_RIGHT;
  SendMessageA(list->Handle(), LVM_SETCOLUMNA, 1, (LPARAM)&c);
  TListColumn* column = list->Columns()->Items(1);
  column->SetImageIndex(0);
  column->SetCaption("Duration");
  column->SetAlignment(taRightJustify);
  HDITEMA item{};
  item.mask = HDI_FORMAT;
  SendMessageA(list->HeaderWindow(), HDM_GETITEMA, 1, (LPARAM)&item);
  EXPECT_EQ(item.fmt & (HDF_BITMAP_ON_RIGHT | HDF_JUSTIFYMASK), HDF_BITMAP_ON_RIGHT | HDF_RIGHT) << std::hex << item.fmt;
}

TEST_F(ListViewTest, SubItemsBeyondTheColumnsStayWithTheRow) {
  TListItem* item = AddRow("C:\\a.avi", {"0", "1", "2", "name", ".mp4", "00:00:00.0"});
  EXPECT_EQ(item->SubItems()->Count(), 6);
  EXPECT_EQ(list->Items()->Item(0)->SubItems()->Get(4), ".mp4");
  item->SubItems()->Put(2, "Complete");
  EXPECT_EQ(CellText(0, 3), "Complete");
}

TEST_F(ListViewTest, MultiSelectionIsReadInRowOrderWhateverTheOrderOfSelecting) {
  for (int i = 0; i < 5; ++i) AddRow("row" + std::to_string(i), {});
  std::vector<std::pair<int, bool>> events;
  list->OnSelectItem = [&](TObject*, TListItem* item, bool selected) {
    events.push_back({item ? item->Index() : -1, selected});
  };
  Select(3, true);
  Select(1, true);
  EXPECT_EQ(list->SelCount(), 2);
  EXPECT_EQ(list->Selected()->Caption(), "row1");
  EXPECT_EQ(list->ItemIndex(), 1);
  TListItem* next = list->GetNextItem(list->Selected(), sdAll, isSelected);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->Index(), 3);
  EXPECT_EQ(list->GetNextItem(next, sdAll, isSelected), nullptr);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0], std::make_pair(3, true));
  EXPECT_EQ(events[1], std::make_pair(1, true));
  list->Items()->Item(3)->SetSelected(false);
  EXPECT_EQ(events.back(), std::make_pair(3, false));
  list->SetSelected(list->Items()->Item(4));
  EXPECT_EQ(list->SelCount(), 1);
  EXPECT_TRUE(list->Items()->Item(4)->Selected());
}

TEST_F(ListViewTest, ItemIndexSelectsAndMinusOneClears) {
  AddRow("a", {});
  AddRow("b", {});
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Selected(), nullptr);
  list->SetItemIndex(1);
  EXPECT_EQ(list->ItemIndex(), 1);
  list->SetItemIndex(-1);
  EXPECT_EQ(list->SelCount(), 0);
}

// A row made whole reaches the window in one insertion: none of its changes is told as a change
// of a row the window has, and it lands where asked, or last.
TEST_F(ListViewTest, AnItemMadeWholeIsAddedInOneStepWhereAsked) {
  AddRow("a", {"1"});
  AddRow("c", {"3"});
  std::vector<TItemChange> changes;
  list->OnChange = [&](TObject*, TListItem*, TItemChange change) { changes.push_back(change); };
  for (const auto& [caption, index, row] : {std::tuple{"b", 1, 1}, std::tuple{"d", -1, 3}}) {
    auto item = std::make_unique<TListItem>(list->Items());
    item->SetCaption(caption);
    item->SubItems()->Add("2");
    item->SetImageIndex(7);
    EXPECT_EQ(list->Items()->AddItem(std::move(item), index)->Index(), row) << caption;
    LVITEMA it{};
    it.mask = LVIF_IMAGE;
    it.iItem = row;
    SendMessageA(list->Handle(), LVM_GETITEMA, 0, (LPARAM)&it);
    EXPECT_EQ(it.iImage, 7) << caption;
    EXPECT_EQ(CellText(row, 0), caption);
    EXPECT_EQ(CellText(row, 1), "2") << caption;
  }
  EXPECT_EQ(std::count(changes.begin(), changes.end(), ctImage) +
                std::count(changes.begin(), changes.end(), ctText), 0);
  EXPECT_EQ(list->Items()->Count(), 4);
}

TEST_F(ListViewTest, DeletingAndMovingRowsKeepsItemsAndTextsTogether) {
  AddRow("a", {"1"});
  AddRow("b", {"2"});
  AddRow("c", {"3"});
  list->Items()->Delete(1);
  EXPECT_EQ(list->Items()->Count(), 2);
  EXPECT_EQ(list->Items()->Item(1)->Caption(), "c");
  EXPECT_EQ(CellText(1, 1), "3");
  // Descending by caption through the platform's sort.
  list->CustomSort(Descending, 0);
  EXPECT_EQ(list->Items()->Item(0)->Caption(), "c");
  EXPECT_EQ(list->Items()->Item(0)->Index(), 0);
  EXPECT_THROW(list->Items()->Item(2), EListError);
  list->Clear();
  EXPECT_EQ(list->Items()->Count(), 0);
}

TEST_F(ListViewTest, RowsOrderAndSelectionOutliveANewWindow) {
  AddRow("a", {"1"});
  AddRow("b", {"2"});
  list->CustomSort(Descending, 0);
  Select(0, true);
  list->RecreateWnd();
  HWND wnd = list->Handle();
  EXPECT_EQ(SendMessageA(wnd, LVM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(CellText(0, 0), "b");
  EXPECT_EQ(CellText(0, 1), "2");
  EXPECT_EQ(list->ItemIndex(), 0);
  EXPECT_TRUE(GetWindowLongA(wnd, GWL_STYLE) & LVS_REPORT);
  EXPECT_FALSE(GetWindowLongA(wnd, GWL_STYLE) & LVS_SINGLESEL);
  EXPECT_TRUE(SendMessageA(wnd, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
}

TEST_F(ListViewTest, ItemsAddedBeforeTheListHasAParentAppearInItsWindow) {
  auto* early = new TListView(form);
  early->SetViewStyle(vsReport);
  early->Columns()->Add()->SetCaption("Name");
  early->Columns()->Add()->SetCaption("Size");
  TListItem* item = early->Items()->Add();
  item->SetCaption("M4V00001.MP4");
  item->SubItems()->Add("1.25");
  item->SetSelected(true);
  early->SetParent(form);
  list = early;
  EXPECT_EQ(CellText(0, 1), "1.25");
  EXPECT_EQ(early->ItemIndex(), 0);
}

// The first column's window is made on the way, as a form builds its controls.
TEST_F(ListViewTest, ColumnsAddedBeforeTheWindowIsMadeAppearOnce) {
  TForm* building = New<TForm>(nullptr);
  auto* early = new TListView(building);
  early->SetViewStyle(vsReport);
  early->SetParent(building);
  for (const char* caption : {"Input File", "Length", "Size", "Status"})
    early->Columns()->Add()->SetCaption(caption);
  HWND header = (HWND)SendMessageA(early->Handle(), LVM_GETHEADER, 0, 0);
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 4);
  building->Free();
}

TEST_F(ListViewTest, CustomDrawColoursEveryRowAndCanTakeOverDrawing) {
  AddRow("red", {"1"});
  AddRow("skip", {"2"});
  std::vector<std::string> drawn;
  list->OnCustomDrawItem = [&](TCustomListView* sender, TListItem* item, TCustomDrawState, bool& defaultDraw) {
    drawn.push_back(item->Caption());
    if (item->Caption() == "red") sender->Canvas()->Brush()->SetColor(clRed);
    if (item->Caption() == "skip") defaultDraw = false;
  };
  list->Invalidate();
  UpdateWindow(list->Handle());
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "red"), drawn.end());
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "skip"), drawn.end());
  // The text background of the first row is the colour the handler chose.
  RECT r = list->Items()->Item(0)->DisplayRect(drLabel);
  HDC dc = GetDC(list->Handle());
  COLORREF pixel = GetPixel(dc, r.right - 3, (r.top + r.bottom) / 2);
  ReleaseDC(list->Handle(), dc);
  EXPECT_EQ(pixel, RGB(255, 0, 0));
}

TEST_F(ListViewTest, ClicksOnARowFireOnClick) {
  AddRow("a", {});
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  RECT r = list->Items()->Item(0)->DisplayRect(drLabel);
  LPARAM at = MAKELPARAM(r.left + 5, (r.top + r.bottom) / 2);
  PostMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(list->Handle(), WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(PumpUntil([&] { return clicks > 0; }, 2000));
  EXPECT_EQ(list->ItemIndex(), 0);
}

}  // namespace
