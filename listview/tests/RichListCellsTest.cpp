// The list view's cells on a shown form: editing in place, the check-box key, rows moved and
// copied, cell hints, sorting by header clicks, and a painted progress cell.
#include "listview/RichListV.h"

#include "framework/tests/forms_testing.h"
#include "listview/RichListUtil.h"

using namespace forms_testing;

namespace {

class RichListCellsTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    list = new TRichListView(form);
    list->SetBounds(10, 10, 360, 200);
    list->SetViewStyle(vsReport);
    list->SetParent(form);
    for (const char* caption : {"Name", "Size", "Note"}) list->Columns()->Add()->SetCaption(caption);
    for (const auto& row : {std::vector<std::string>{"b", "10", "x"}, {"a", "9", "y"}, {"c", "100", "z"}}) {
      TListItem* item = list->Items()->Add();
      item->SetCaption(row[0]);
      item->SubItems()->Add(row[1]);
      item->SubItems()->Add(row[2]);
    }
  }
  void Key(WORD key) { SendMessageA(list->Handle(), WM_KEYDOWN, key, 0); }
  // Keys with Ctrl held in the keyboard state.
  void CtrlKey(WORD key) {
    BYTE keys[256], pressed[256];
    GetKeyboardState(keys);
    std::copy(keys, keys + 256, pressed);
    pressed[VK_CONTROL] = 0x80;
    SetKeyboardState(pressed);
    Key(key);
    SetKeyboardState(keys);
  }
  std::string Rows() {
    std::string rows;
    for (int i = 0; i < list->Items()->Count(); ++i)
      rows += list->GetCellText(0, i) + list->GetCellText(1, i) + list->GetCellText(2, i) +
              (list->Items()->Item(i)->Selected() ? "*" : "") + " ";
    return rows;
  }
  void Focus(int row) {
    list->SetFocus();
    list->Items()->Item(row)->SetSelected(true);
    list->Items()->Item(row)->SetFocused(true);
  }
  HWND Editor() { return (HWND)SendMessageA(list->Handle(), LVM_GETEDITCONTROL, 0, 0); }
  static std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
  void ClickHeader(int column) {
    NMLISTVIEW nm{};
    nm.hdr.hwndFrom = list->Handle();
    nm.hdr.idFrom = GetDlgCtrlID(list->Handle());
    nm.hdr.code = LVN_COLUMNCLICK;
    nm.iItem = -1;
    nm.iSubItem = column;
    SendMessageA(form->Handle(), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
  }
  TRichListView* list = nullptr;
};

TEST_F(RichListCellsTest, F2EditsTheCurrentCellAndEscapeOrARefusalChangesNothing) {
  list->SetSubItemEdit(true);
  list->SetOwnerDraw(true);
  std::vector<std::string> edited;
  list->OnEdited = [&](TObject*, TListItem*, std::string& s) { edited.push_back(s); };
  Focus(0);
  Key(VK_RIGHT);
  Key(VK_RIGHT);
  Key(VK_RIGHT);   // stops at the last column
  Key(VK_LEFT);
  Key(VK_F2);
  ASSERT_TRUE(PumpUntil([&] { return Editor() != nullptr; })) << "no editor";
  char text[64] = {};
  GetWindowTextA(Editor(), text, sizeof text);
  EXPECT_STREQ(text, "10") << "the editor holds the current cell";
  RECT before{}, after{};
  GetWindowRect(Editor(), &before);
  SetWindowPos(Editor(), nullptr, 0, 0, 5, 5, SWP_NOZORDER);
  GetWindowRect(Editor(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "moved to " << after.left << "," << after.top;
  for (char c : {'1', '2'}) {   // over the selected old text, through the message loop
    PostMessageA(Editor(), WM_KEYDOWN, c, 1);   // the loop translates it into the character
    PostMessageA(Editor(), WM_KEYUP, c, 0xC0000001);
    Pump(150);
    ASSERT_NE(Editor(), nullptr) << "the editor closed after " << c;
  }
  GetWindowTextA(Editor(), text, sizeof text);
  EXPECT_STREQ(text, "12") << "typed";
  SendMessageA(Editor(), WM_KEYDOWN, VK_RETURN, 0);
  PumpUntil([&] { return Editor() == nullptr; });
  EXPECT_EQ(Rows(), "b12x* a9y c100z ") << "the caption stays";
  EXPECT_EQ(edited, std::vector<std::string>{"12"});

  Key(VK_F2);
  ASSERT_TRUE(PumpUntil([&] { return Editor() != nullptr; }));
  SetWindowTextA(Editor(), "gone");
  SendMessageA(Editor(), WM_KEYDOWN, VK_ESCAPE, 0);
  PumpUntil([&] { return Editor() == nullptr; });
  EXPECT_EQ(Rows(), "b12x* a9y c100z ") << "Escape";
  EXPECT_EQ(edited.size(), 1u) << "no OnEdited on a cancel";

  list->OnCanEditCell = [](TObject*, int, int, bool& allow) { allow = false; };
  Key(VK_F2);
  Pump(100);
  EXPECT_EQ(Editor(), nullptr) << "refused";
}

TEST_F(RichListCellsTest, SpaceTogglesTheCurrentCheckBoxOnlyWithACurrentRow) {
  list->SetCheckboxes(true);
  std::vector<std::pair<int, bool>> clicks;
  list->OnCheckboxClick = [&](TObject*, int item, bool state) { clicks.push_back({item, state}); };
  list->SetFocus();
  Key(VK_SPACE);
  EXPECT_TRUE(clicks.empty()) << "no current row";
  Focus(2);
  Key(VK_SPACE);
  EXPECT_EQ(clicks, (std::vector<std::pair<int, bool>>{{2, true}}));
}

TEST_F(RichListCellsTest, RowsMoveOntoARowOrBelowTheLastAndCopyAndPasteAsText) {
  list->Items()->Item(0)->SetSelected(true);
  list->MoveRow(0, 2);
  EXPECT_EQ(Rows(), "a9y c100z b10x* ") << "onto the last row";
  list->MoveRow(0, -1);
  EXPECT_EQ(Rows(), "c100z b10x* a9y ") << "below the last";
  list->MoveRow(-1, 0);
  list->MoveRow(1, 1);
  EXPECT_EQ(Rows(), "c100z b10x* a9y ") << "nothing moves";

  list->SetClipboardEnable(true);
  list->SetMultiSelect(true);
  list->Items()->Item(2)->SetSelected(true);
  CtrlKey('C');
  list->ClearSelection();
  CtrlKey('V');
  EXPECT_EQ(Rows(), "c100z b10x a9y b10x* a9y* ") << "pasted at the end, selected";
  list->SetCellText(2, 0, "");
  list->Items()->Item(0)->SubItems()->Clear();
  list->SetCellText(2, 0, "far");
  EXPECT_EQ(list->Items()->Item(0)->SubItems()->Count(), 2) << "padded up to the column";
  EXPECT_EQ(Rows().substr(0, 5), "cfar ");
}

TEST_F(RichListCellsTest, AutoHintShowsOnlyClippedCells) {
  list->SetAutoHint(true);
  list->Items()->Item(1)->SubItems()->Put(1, std::string(80, 'w'));
  list->Items()->Item(0)->SubItems()->Put(0, "{\\rtf1\\ansi rich {\\b text} that is far too wide for its column}");
  list->Items()->Item(2)->SubItems()->Put(1, "<b>mark</b>-up");
  struct Case { int row, column; bool shows; std::string hint; };
  for (const Case& c : {
           Case{1, 2, true, std::string(80, 'w')},
           Case{1, 1, false, "9"},
           Case{0, 1, true, "rich text that is far too wide for its column"},   // the rich edit's plain text
           Case{2, 2, false, "mark-up"},                                        // mark-up without tags
       }) {
    TRect r = list->GetCellRect(c.row, c.column);
    THintInfo info;
    info.HintControl = list;
    info.CursorPos = TPoint(r.left + 3, r.top + 3);
    std::string hint;
    bool canShow = true;
    list->GetHintText(hint, canShow, info);
    EXPECT_EQ(canShow, c.shows) << c.row << "," << c.column;
    EXPECT_EQ(hint, c.hint) << c.row << "," << c.column;
  }
}

TEST_F(RichListCellsTest, HeaderClicksSortAscendingThenDescendingWithTheGlyph) {
  ClickHeader(1);
  EXPECT_EQ(Rows(), "b10x a9y c100z ") << "SortShow off sorts nothing";
  TBitmap up, down;
  up.SetSize(8, 8);
  down.SetSize(8, 8);
  list->SetSortUpGlyph(&up);
  list->SetSortDownGlyph(&down);
  list->SetSortShow(true);
  int sorted = -1;
  list->OnGetFormat = [](TObject*, int col, TSortStyle& style, std::string&, std::string&) {
    if (col == 0) style = ssNumeric;
  };
  list->OnSortDone = [&](TObject*, int column) { sorted = column; };
  auto glyph = [&] {
    HDITEMA item{};
    item.mask = HDI_BITMAP;
    SendMessageA(list->HeaderWindow(), HDM_GETITEMA, 1, (LPARAM)&item);
    return item.hbm;
  };
  ClickHeader(1);
  EXPECT_EQ(Rows(), "a9y b10x c100z ") << "numbers ascending";
  EXPECT_EQ(sorted, 1);
  EXPECT_EQ(glyph(), list->SortUpGlyph()->Handle());
  ClickHeader(1);
  EXPECT_EQ(Rows(), "c100z b10x a9y ") << "descending on the second click";
  EXPECT_EQ(glyph(), list->SortDownGlyph()->Handle());
  ClickHeader(0);
  EXPECT_EQ(Rows(), "c100z b10x a9y ") << "another column keeps the direction";
  list->SetSortDirection(sdAscending);
}

// Sort images from the header's image list, on the right: the image stays right of the
// caption through the column changes that marking the column makes.
TEST_F(RichListCellsTest, ARightSideSortImageIsRightOfTheCaption) {
  TImageList images(nullptr);
  for (TColor colour : {clRed, clLime}) {
    TBitmap image;
    image.SetSize(16, 16);
    image.Canvas()->Brush()->SetColor(colour);
    image.Canvas()->FillRect(TRect(0, 0, 16, 16));
    images.Add(&image, nullptr);
  }
  list->Columns()->Items(1)->SetWidth(120);
  list->SetHeaderImages(&images);
  list->SetSortIndicator(siRight);
  list->SetSortShow(true);
  ClickHeader(1);
  form->Show();
  HWND header = list->HeaderWindow();
  RECT item{};
  SendMessageA(header, HDM_GETITEMRECT, 1, (LPARAM)&item);
  int imageLeft = 0, textRight = 0;
  auto look = [&] {
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(header);
    imageLeft = item.right, textRight = -1;
    for (int y = item.top; y < item.bottom; ++y)
      for (int x = item.left; x < item.right; ++x) {
        const COLORREF c = GetPixel(dc, x, y);
        if (c == 0x0000FF) imageLeft = std::min(imageLeft, x);
        else if (GetRValue(c) < 0x40 && GetGValue(c) < 0x40 && GetBValue(c) < 0x40) textRight = std::max(textRight, x);
      }
    ReleaseDC(header, dc);
    return imageLeft < item.right && textRight >= 0;
  };
  ASSERT_TRUE(PumpUntil(look)) << "image from " << imageLeft << ", caption to " << textRight;
  EXPECT_GT(imageLeft, textRight) << "the ascending image (red) right of the caption \"Size\"";
  // The end of a resize of the sorted column, as the header tells it.
  NMHEADERW resized{};
  resized.hdr = {header, (UINT_PTR)GetDlgCtrlID(header), (UINT)HDN_ENDTRACKW};
  resized.iItem = 1;
  SendMessageA(list->Handle(), WM_NOTIFY, resized.hdr.idFrom, (LPARAM)&resized);
  ASSERT_TRUE(PumpUntil(look)) << "image from " << imageLeft << ", caption to " << textRight;
  EXPECT_GT(imageLeft, textRight) << "still right of the caption after a resize";
}

// A remote picture in mark-up is never fetched; the cache keeps one empty picture for it.
TEST_F(RichListCellsTest, ARemotePictureIsCachedOnceOverPaintsAndMouseMoves) {
  list->SetOwnerDraw(true);
  list->Items()->Item(0)->SubItems()->Put(1, "<IMG SRC=\"http://example.org/a.gif\"><b>note</b>");
  form->Show();
  const TRect cell = list->GetCellRect(0, 2);
  for (int i = 0; i < 3; ++i) {
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    SendMessageA(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(cell.left + 4 + i, cell.top + 4));
    Pump(10);
  }
  EXPECT_EQ(list->PictureCache()->Count(), 1);
  EXPECT_TRUE(list->PictureCache()->PictureAt(0)->Empty());
}

TEST_F(RichListCellsTest, AProgressCellPaintsItsBarInTheProgressColours) {
  list->SetOwnerDraw(true);
  list->Items()->Item(0)->SubItems()->Put(0, "{|50");
  list->Columns()->Items(1)->SetWidth(104);
  list->ProgressSettings()->SetColorFrom(0x0000FF);
  list->ProgressSettings()->SetColorTo(0x00FF00);
  list->Invalidate();
  list->Update();
  const TRect cell = list->GetCellRect(0, 1);
  ASSERT_GT(cell.Width(), 20);
  HDC dc = GetDC(list->Handle());
  const int y = cell.top + cell.Height() / 2;
  // The cell's left edge as drawn: 2 pixels right of the header's column.
  auto at = [&](int x) { return GetPixel(dc, x, y) & 0xFFFFFF; };
  bool painted = PumpUntil([&] { return at(cell.left + 6) == 0x0000FF; });
  EXPECT_TRUE(painted) << std::hex << at(cell.left + 6);
  EXPECT_EQ(at(cell.right - 6), 0x00FF00u) << "the rest";
  ReleaseDC(list->Handle(), dc);
}

// Over a wallpaper a selected cell is filled with the selection colour, not the picture.
TEST_F(RichListCellsTest, ASelectedRowOverAWallpaperShowsTheSelectionColour) {
  list->SetOwnerDraw(true);
  list->SetRowSelect(true);
  list->SetSelectionColor(0x00FF00);
  TBitmap wallpaper;
  wallpaper.SetSize(8, 8);
  wallpaper.Canvas()->Brush()->SetColor(0x3080C0);
  wallpaper.Canvas()->FillRect(TRect(0, 0, 8, 8));
  list->SetWallpaper(&wallpaper);
  list->Items()->Item(0)->SetSelected(true);
  const TRect selected = list->GetCellRect(0, 2), other = list->GetCellRect(1, 2);
  std::string seen;
  auto shows = [&] {
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(list->Handle());
    // Right of the cells' texts.
    const COLORREF inSelected = GetPixel(dc, selected.right - 4, selected.top + selected.Height() / 2);
    const COLORREF inOther = GetPixel(dc, other.right - 4, other.top + other.Height() / 2);
    ReleaseDC(list->Handle(), dc);
    char text[64];
    wsprintfA(text, "selected %06X, other %06X", inSelected, inOther);
    seen = text;
    return inSelected == 0x00FF00 && inOther == 0x3080C0;
  };
  EXPECT_TRUE(PumpUntil(shows)) << seen;
}

// The platform's edit opens only after the framework's OnEditing: one it refuses is not left
// counting as open, so a later click acts on the row clicked.
TEST_F(RichListCellsTest, AnEditTheFrameworkRefusesLeavesClicksOnTheirOwnRow) {
  list->SetSubItemEdit(true);
  list->SetOwnerDraw(true);
  list->SetCheckboxes(true);
  list->OnEditing = [](TObject*, TListItem*, bool& allow) { allow = false; };
  std::vector<std::pair<int, bool>> clicks;
  list->OnCheckboxClick = [&](TObject*, int item, bool state) { clicks.push_back({item, state}); };
  Focus(0);
  Key(VK_F2);
  EXPECT_EQ(Editor(), nullptr) << "refused";
  const TRect row = list->GetCellRect(2, 0);
  const LPARAM box = MAKELPARAM(5, row.top + row.Height() / 2);
  SendMessageA(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, box);
  SendMessageA(list->Handle(), WM_LBUTTONUP, 0, box);
  EXPECT_EQ(clicks, (std::vector<std::pair<int, bool>>{{2, true}}));
  EXPECT_TRUE(list->Items()->Item(2)->Checked());
  EXPECT_FALSE(list->Items()->Item(0)->Checked());
}

// In cell mode Ctrl+C copies the current cell, but Ctrl+X deletes whole rows: those go onto
// the clipboard, so nothing cut is lost.
TEST_F(RichListCellsTest, CutInCellModePutsTheWholeRowsItDeletesOnTheClipboard) {
  list->SetSubItemSelect(true);
  list->SetClipboardEnable(true);
  list->SetMultiSelect(true);
  Focus(1);
  Key(VK_RIGHT);
  CtrlKey('C');
  EXPECT_EQ(ClipboardText(), "9") << "copy: the current cell";
  list->Items()->Item(2)->SetSelected(true);
  CtrlKey('X');
  EXPECT_EQ(ClipboardText(), "a\t9\ty\r\nc\t100\tz\r\n");
  EXPECT_EQ(Rows(), "b10x ");
}

TEST(ComCtlVersionTest, MinusOneWithoutVersionData) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_EQ(ComCtlVersion(self), -1) << "a program without version data";
  EXPECT_EQ(ComCtlVersion("no such library.dll"), -1);
  EXPECT_GT(ComCtlVersion("comctl32.dll"), 0) << "whatever the version, it is read";
}

}  // namespace
