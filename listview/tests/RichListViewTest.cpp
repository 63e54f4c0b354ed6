// The list view on a shown form: the owner-drawn header through loading, column changes and the
// header's notifications in their wide form, the timer, row height and Clear.
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
  TFont font;
  font.SetHeight(13);
  HWND bare = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD, 0, 0, 300, 30, form->Handle(), nullptr, nullptr, nullptr);
  SendMessageA(bare, WM_SETFONT, (WPARAM)font.Handle(), FALSE);
  RECT area{0, 0, 300, 300};
  WINDOWPOS pos{};
  HDLAYOUT layout{&area, &pos};
  SendMessageA(bare, HDM_LAYOUT, 0, (LPARAM)&layout);
  DestroyWindow(bare);
  RECT header{};
  GetWindowRect(Header(), &header);
  EXPECT_EQ(header.bottom - header.top, pos.cy);
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
