// Tab positions, the scroll box's border and the hot-key edit, as the platform shows them.
#include "framework/ComCtrls.h"
#include "framework/HotKey.h"
#include "framework/ScrollBox.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class ContainersTest : public FormTest {};

TEST_F(ContainersTest, TabPositionPutsTheTabsOnThatSideOfThePage) {
  auto* pages = new TPageControl(form);
  pages->SetParent(form);
  pages->SetBounds(10, 10, 300, 200);
  auto* sheet = new TTabSheet(form);
  sheet->SetPageControl(pages);
  sheet->SetCaption("General");
  struct Case {
    TTabPosition position;
    DWORD style;
    const char* note;
  };
  for (const Case& c : {Case{tpLeft, TCS_VERTICAL, "left"}, Case{tpRight, TCS_VERTICAL | TCS_RIGHT, "right"},
                        Case{tpBottom, TCS_BOTTOM, "bottom"}, Case{tpTop, 0, "top"}}) {
    pages->SetTabPosition(c.position);
    const DWORD style = DWORD(GetWindowLongA(pages->Handle(), GWL_STYLE));
    EXPECT_EQ(style & (TCS_VERTICAL | TCS_RIGHT | TCS_BOTTOM), c.style) << c.note;
    EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 1) << c.note << ": the tab stays";
    RECT tab;
    SendMessageA(pages->Handle(), TCM_GETITEMRECT, 0, LPARAM(&tab));
    const TRect page = sheet->BoundsRect();
    switch (c.position) {
      case tpLeft: EXPECT_LE(tab.right, page.left) << c.note; break;
      case tpRight: EXPECT_GE(tab.left, page.right) << c.note; break;
      case tpBottom: EXPECT_GE(tab.top, page.bottom) << c.note; break;
      case tpTop: EXPECT_LE(tab.bottom, page.top) << c.note; break;
    }
  }
  pages->Free();
}

TEST_F(ContainersTest, ScrollBoxBorderAndHotKeyLiveInTheirWindows) {
  auto* box = new TScrollBox(form);
  box->SetParent(form);
  EXPECT_TRUE(GetWindowLongA(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  box->SetBorderStyle(bsNone);
  EXPECT_FALSE(GetWindowLongA(box->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  int style = -1;
  EXPECT_TRUE(box->HasProperty("BorderStyle", &style));
  EXPECT_EQ(style, bsNone);
  box->Free();

  auto* key = new THotKey(form);
  key->SetParent(form);
  key->SetHotKey(MAKEWORD('K', HOTKEYF_CONTROL));
  EXPECT_EQ(SendMessageA(key->Handle(), HKM_GETHOTKEY, 0, 0), MAKEWORD('K', HOTKEYF_CONTROL));
  EXPECT_EQ(key->HotKey(), MAKEWORD('K', HOTKEYF_CONTROL));
  key->Free();
}

}  // namespace
