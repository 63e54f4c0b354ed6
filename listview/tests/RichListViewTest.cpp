// The list view on a shown form: the owner-drawn header through loading, column changes and the
// header's notifications in their wide form, its settings on every header window the list
// makes, right clicks on it scrolled sideways, the timer, row height and Clear.
#include "listview/RichListV.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class RichListViewTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    list = new TRichListView(form);
    list->SetBounds(10, 10, 360, 200);
    list->SetParent(form);
    for (const char* caption : {"Input File", "Length", "Size", "Status"})
      list->Columns()->Add()->SetCaption(caption);
  }
  // As the converter has it, then loaded.
  void ConverterSettings() {
    list->SetHeaderOwnerDraw(true);
    list->SetHeaderFlatStyle(true);
    list->SetHeaderHeight(13);
    list->SetHoverTime(-1);
    list->Loaded();
    list->SetHeaderColor(0x00EFEFEF);
  }
  HWND Header() { return list->HeaderWindow(); }
  int Format(int item) {
    HDITEMA it{};
    it.mask = HDI_FORMAT;
    SendMessageA(Header(), HDM_GETITEMA, item, (LPARAM)&it);
    return it.fmt;
  }
  // The columns whose header item is not owner-drawn.
  std::string NotOwnerDrawn() {
    std::string columns;
    for (int i = 0; i < (int)SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0); ++i)
      if (Format(i) != HDF_OWNERDRAW) columns += std::to_string(i) + " ";
    return columns;
  }
  LRESULT Notify(UINT code, int item) {
    NMHEADERW nm{};
    nm.hdr.hwndFrom = Header();
    nm.hdr.idFrom = GetDlgCtrlID(Header());
    nm.hdr.code = code;
    nm.iItem = item;
    return SendMessageA(list->Handle(), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
  }
  // A list given its settings while it has no window; the window comes with the parent.
  TRichListView* ListSetBeforeItsWindow(const std::function<void(TRichListView*)>& settings) {
    auto* made = new TRichListView(form);
    made->SetBounds(10, 220, 360, 200);
    made->SetViewStyle(vsReport);
    settings(made);
    EXPECT_FALSE(made->HandleAllocated()) << "a window before it has a parent";
    made->SetParent(form);
    for (const char* caption : {"Input File", "Length", "Size", "Status"}) made->Columns()->Add()->SetCaption(caption);
    return made;
  }
  // The height the platform's header takes from a font of this height.
  int BareHeaderHeight(int fontHeight) {
    TFont font;
    font.SetHeight(fontHeight);
    HWND bare = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD, 0, 0, 300, 30, form->Handle(), nullptr, nullptr, nullptr);
    SendMessageA(bare, WM_SETFONT, (WPARAM)font.Handle(), FALSE);
    RECT area{0, 0, 300, 300};
    WINDOWPOS pos{};
    HDLAYOUT layout{&area, &pos};
    SendMessageA(bare, HDM_LAYOUT, 0, (LPARAM)&layout);
    DestroyWindow(bare);
    return pos.cy;
  }
  TRichListView* list = nullptr;
};

TEST_F(RichListViewTest, HeaderStaysOwnerDrawnThroughColumnChanges) {
  ConverterSettings();
  EXPECT_EQ(NotOwnerDrawn(), "") << "after loading";
  list->Columns()->Add()->SetCaption("Output");
  EXPECT_EQ(NotOwnerDrawn(), "") << "after a new column";
  list->Columns()->Items(1)->SetCaption("Duration");
  list->Columns()->Items(2)->SetAlignment(taRightJustify);
  EXPECT_EQ(NotOwnerDrawn(), "") << "after a caption and an alignment change";

  std::vector<int> sized;
  list->OnColumnSized = [&](TObject*, int column) { sized.push_back(column); };
  HDITEMA plain{};
  plain.mask = HDI_FORMAT;
  plain.fmt = HDF_STRING;
  SendMessageA(Header(), HDM_SETITEMA, 1, (LPARAM)&plain);
  Notify(HDN_BEGINTRACKW, 1);
  Notify(HDN_ENDTRACKW, 1);
  EXPECT_EQ(NotOwnerDrawn(), "") << "after a wide end of tracking";
  EXPECT_EQ(sized, std::vector<int>{1});
}

TEST_F(RichListViewTest, HeaderIsGreyWithGreyDividersUpToTheControlsEdge) {
  ConverterSettings();
  for (int i = 0; i < 4; ++i) list->Columns()->Items(i)->SetWidth(60);
  for (int paint = 0; paint < 2; ++paint)   // the first paint may make the header's subclass
    RedrawWindow(Header(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(Header());
  RECT r{};
  GetClientRect(Header(), &r);
  const int y = r.bottom / 2;
  struct Case { const char* note; int x; COLORREF color; };
  std::string seen;
  for (const Case& c : {Case{"inside the first item", 55, 0xEFEFEF}, Case{"first divider", 59, 0x808080},
                        Case{"right of the last column", 300, 0xEFEFEF}, Case{"at the edge", r.right - 3, 0xEFEFEF}})
    EXPECT_EQ(GetPixel(dc, c.x, y), c.color) << c.note;
  ReleaseDC(Header(), dc);
}

// Columns in a new order: each header item shows its own column's caption, and the strip to
// the control's edge goes with the item shown last.
TEST_F(RichListViewTest, ReorderedHeaderItemsKeepTheirCaptionsAndTheGreyEnd) {
  ConverterSettings();
  const COLORREF colours[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
  const char* names[] = {"clred", "cllime", "clblue", "clyellow"};
  for (int i = 0; i < 4; ++i) {
    list->Columns()->Items(i)->SetCaption(std::string("<FONT BGCOLOR=\"") + names[i] + "\">MMMM</FONT>");
    list->Columns()->Items(i)->SetWidth(70);
  }
  int order[] = {3, 0, 1, 2};   // the last column shown first
  SendMessageA(list->Handle(), LVM_SETCOLUMNORDERARRAY, 4, (LPARAM)order);
  form->Show();
  auto check = [&] {
    RedrawWindow(Header(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(Header());
    std::string wrong;
    for (int item = 0; item < 4; ++item) {
      RECT r{};
      SendMessageA(Header(), HDM_GETITEMRECT, item, (LPARAM)&r);
      for (int other = 0; other < 4; ++other) {
        bool shown = false;
        for (int y = r.top; y < r.bottom && !shown; ++y)
          for (int x = r.left; x < r.right && !shown; ++x) shown = GetPixel(dc, x, y) == colours[other];
        if (shown != (item == other)) wrong += "item " + std::to_string(item) + (shown ? " shows " : " lacks ") + names[other] + "; ";
      }
    }
    RECT client{}, last{};
    GetClientRect(Header(), &client);
    SendMessageA(Header(), HDM_GETITEMRECT, 2, (LPARAM)&last);
    if (GetPixel(dc, (last.right + client.right) / 2, client.bottom / 2) != 0xEFEFEF) wrong += "no grey end";
    ReleaseDC(Header(), dc);
    return wrong;
  };
  std::string wrong;
  EXPECT_TRUE(PumpUntil([&] { return (wrong = check()).empty(); })) << wrong;
}

// A wallpaper of one colour shows behind the rows and below them.
TEST_F(RichListViewTest, TheWallpaperShowsBehindTheRows) {
  list->SetViewStyle(vsReport);
  list->Items()->Add()->SetCaption("a.avi");
  TBitmap wallpaper;
  wallpaper.SetSize(8, 8);
  wallpaper.Canvas()->Brush()->SetColor(0x3080C0);
  wallpaper.Canvas()->FillRect(TRect(0, 0, 8, 8));
  list->SetWallpaper(&wallpaper);
  form->Show();
  RECT row{};
  row.left = LVIR_BOUNDS;
  SendMessageA(list->Handle(), LVM_GETITEMRECT, 0, (LPARAM)&row);
  struct Case { const char* note; POINT at; };
  std::string seen;
  auto shows = [&] {
    RedrawWindow(list->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(list->Handle());
    seen.clear();
    for (const Case& c : {Case{"in the row, right of its text", {row.right - 20, (row.top + row.bottom) / 2}},
                          Case{"below the rows", {row.left + 30, row.bottom + 40}}})
      if (GetPixel(dc, c.at.x, c.at.y) != 0x3080C0) seen += std::string(c.note) + " ";
    ReleaseDC(list->Handle(), dc);
    return seen.empty();
  };
  EXPECT_TRUE(PumpUntil(shows)) << "no wallpaper " << seen;
  list->SetWallpaper(nullptr);
  EXPECT_TRUE(PumpUntil([&] { return !shows(); })) << "an empty wallpaper leaves the list's colour";
}

TEST_F(RichListViewTest, RefusedColumnTrackAnswersOne) {
  bool allow = false;
  int asked = -1;
  list->OnStartColumnTrack = [&](TObject*, int column, bool& Allow) {
    asked = column;
    Allow = allow;
  };
  EXPECT_EQ(Notify(HDN_BEGINTRACKW, 2), 1);
  EXPECT_EQ(asked, 2);
  allow = true;
  EXPECT_EQ(Notify(HDN_BEGINTRACKA, 3), 0);
  EXPECT_EQ(asked, 3);
}

TEST_F(RichListViewTest, FilterEventsAndTimeOut) {
  std::vector<int> changed, clicked;
  list->OnFilterChange = [&](TObject*, int item) { changed.push_back(item); };
  list->OnFilterBtnClick = [&](TObject*, int item) { clicked.push_back(item); };
  Notify(HDN_FILTERCHANGE, 2);
  Notify(HDN_FILTERBTNCLICK, 0);
  EXPECT_EQ(changed, std::vector<int>{2});
  EXPECT_EQ(clicked, std::vector<int>{0});
  list->SetFilterTimeOut(750);
  EXPECT_EQ(list->FilterTimeOut(), 750);
}

TEST_F(RichListViewTest, ScrollTimerLivesWithTheWindow) {
  HWND first = list->Handle();
  EXPECT_TRUE(KillTimer(first, 1222)) << "first window";
  list->RecreateWnd();
  HWND second = list->Handle();
  EXPECT_TRUE(KillTimer(second, 1222)) << "window made again";
}

TEST_F(RichListViewTest, ItemHeightReachesOwnerDrawnRowsAndZeroIsIgnored) {
  list->SetParent(nullptr);
  list->SetViewStyle(vsReport);
  list->SetOwnerDraw(true);
  list->SetParent(form);
  list->Items()->Add()->SetCaption("a.avi");
  auto rowHeight = [&] {
    RECT r{};
    r.left = LVIR_BOUNDS;
    SendMessageA(list->Handle(), LVM_GETITEMRECT, 0, (LPARAM)&r);
    return (int)(r.bottom - r.top);
  };
  EXPECT_EQ(rowHeight(), 13);
  list->SetItemHeight(21);
  EXPECT_EQ(rowHeight(), 21);
  list->SetItemHeight(0);
  list->SetItemHeight(-4);
  EXPECT_EQ(list->ItemHeight(), 21);
  EXPECT_EQ(rowHeight(), 21);
}

TEST_F(RichListViewTest, ClearDropsRowsAndColumns) {
  list->Items()->Add()->SetCaption("a.avi");
  list->Clear();
  EXPECT_EQ(list->Items()->Count(), 0);
  EXPECT_EQ(list->Columns()->Count(), 0);
  EXPECT_EQ(SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(RichListViewTest, HeaderIsAsHighAsABareHeaderWithItsFont) {
  ConverterSettings();
  RECT header{};
  GetWindowRect(Header(), &header);
  EXPECT_EQ(header.bottom - header.top, BareHeaderHeight(13));
}

TEST_F(RichListViewTest, SettingsMadeBeforeTheWindowReachEveryHeaderItMakes) {
  TImageList images(form);
  TRichListView* drawn = ListSetBeforeItsWindow([&](TRichListView* made) {
    made->SetHeaderOwnerDraw(true);
    made->SetHeaderFlatStyle(true);
    made->SetHeaderHotTrack(true);
    made->SetHeaderHeight(24);
    made->SetHeaderImages(&images);
  });
  TFont big;
  big.SetHeight(22);
  TRichListView* plain = ListSetBeforeItsWindow([&](TRichListView* made) { made->SetHeaderFont(&big); });
  const int tall = BareHeaderHeight(24);
  for (const char* when : {"when made", "when made anew"}) {
    if (std::string(when) == "when made anew") {
      drawn->RecreateWnd();
      plain->RecreateWnd();
    }
    HWND header = drawn->HeaderWindow();
    ASSERT_NE(header, nullptr) << when;
    const DWORD style = GetWindowLongA(header, GWL_STYLE);
    EXPECT_EQ(style & HDS_BUTTONS, 0u) << when << ": style " << std::hex << style;
    EXPECT_EQ(style & HDS_HOTTRACK, (DWORD)HDS_HOTTRACK) << when << ": style " << std::hex << style;
    EXPECT_EQ(SendMessageA(header, HDM_GETIMAGELIST, 0, 0), (LRESULT)images.Handle()) << when;
    RECT r{};
    GetWindowRect(header, &r);
    EXPECT_EQ(r.bottom - r.top, tall) << when;
    HWND plainHeader = plain->HeaderWindow();
    EXPECT_EQ((HFONT)SendMessageA(plainHeader, WM_GETFONT, 0, 0), plain->HeaderFont()->Handle()) << when;
    EXPECT_NE(GetWindowLongA(plainHeader, GWL_STYLE) & HDS_BUTTONS, 0) << when << ": buttons by default";
  }
}

// The header scrolls with the list: its own client coordinates already hold the offset.
TEST_F(RichListViewTest, ARightClickOnAHeaderScrolledSidewaysNamesTheColumnUnderThePointer) {
  TRichListView* wide = ListSetBeforeItsWindow([](TRichListView*) {});
  for (int i = 0; i < 4; ++i) wide->Columns()->Items(i)->SetWidth(150);
  std::vector<int> clicked;
  wide->OnColumnRClick = [&](TObject*, int column) { clicked.push_back(column); };
  form->Show();
  SendMessageA(wide->Handle(), LVM_SCROLL, 200, 0);
  ASSERT_TRUE(PumpUntil([&] { return GetScrollPos(wide->Handle(), SB_HORZ) >= 150; }))
      << "scrolled to " << GetScrollPos(wide->Handle(), SB_HORZ);
  HWND header = wide->HeaderWindow();
  for (int column : {1, 2}) {
    RECT item{};
    SendMessageA(header, HDM_GETITEMRECT, column, (LPARAM)&item);
    POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    MapWindowPoints(header, HWND_DESKTOP, &middle, 1);
    ASSERT_TRUE(SetCursorPos(middle.x, middle.y));
    NMHDR nm{header, (UINT_PTR)GetDlgCtrlID(header), (UINT)NM_RCLICK};
    SendMessageA(wide->Handle(), WM_NOTIFY, nm.idFrom, (LPARAM)&nm);
  }
  EXPECT_EQ(clicked, (std::vector<int>{1, 2}));
}

TEST_F(RichListViewTest, VersionCannotBeWritten) {
  list->SetVersion("2.0.0.0");
  EXPECT_EQ(list->Version(), "1.6.2.2");
  EXPECT_EQ(list->GetVersionString(), "1.6.2.2 Apr, 2006");
}

}  // namespace

namespace {

// A mark-up caption goes through the renderer: its FONT background shows in the header.
TEST_F(RichListViewTest, AMarkupCaptionDrawsInTheOwnerDrawnHeader) {
  ConverterSettings();
  list->Columns()->Items(0)->SetCaption("<FONT BGCOLOR=\"clred\">MMMM</FONT>");
  form->Show();
  HWND header = Header();
  RECT item{};
  SendMessageA(header, HDM_GETITEMRECT, 0, (LPARAM)&item);
  auto redPixels = [&] {
    RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(header);
    int count = 0;
    for (int y = item.top; y < item.bottom; ++y)
      for (int x = item.left; x < item.right; ++x)
        if (GetPixel(dc, x, y) == 0x0000FF) ++count;
    ReleaseDC(header, dc);
    return count;
  };
  int red = 0;
  EXPECT_TRUE(PumpUntil([&] { return (red = redPixels()) > 0; })) << "red pixels " << red;
}

}  // namespace
