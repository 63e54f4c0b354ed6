// The task list's header handled with the real mouse: it stays owner-drawn, flat and light grey
// through a divider drag and a window resize, and a click on it sorts nothing; it is flat from
// start-up on, and again once the list's window is made anew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <iostream>

#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/remote_block.h"
#include "framework/Messages.h"
#include "testing/driver/screenshot.h"

namespace {

constexpr COLORREF kHeaderGrey = 0xEFEFEF;
constexpr COLORREF kDividerGrey = 0x808080;

class ConverterHeader : public e2e::ConverterTask {
 protected:
  HWND Header() const {
    return reinterpret_cast<HWND>(driver::Ask(TaskList(), LVM_GETHEADER, 0, 0));
  }
  int ItemCount() const { return static_cast<int>(driver::Ask(Header(), HDM_GETITEMCOUNT, 0, 0)); }
  // The item's rectangle in the header, as the header has it.
  RECT ItemRect(int item) const {
    driver::RemoteBlock block(Header(), sizeof(RECT));
    RECT r{};
    if (!block.Ready() || driver::Ask(Header(), HDM_GETITEMRECT, item,
                                      reinterpret_cast<LPARAM>(block.Address())) <= 0)
      return r;
    block.Read(&r, sizeof r);
    return r;
  }
  int ItemFormat(int item) const {
    driver::RemoteBlock block(Header(), sizeof(HDITEMA));
    HDITEMA it{};
    it.mask = HDI_FORMAT;
    if (!block.Ready() || !block.Write(&it, sizeof it) ||
        driver::Ask(Header(), HDM_GETITEMA, item, reinterpret_cast<LPARAM>(block.Address())) <= 0)
      return -1;
    block.Read(&it, sizeof it);
    return it.fmt;
  }
  // A screen point in the header, from a point of its client area.
  POINT OnScreen(POINT client) const {
    MapWindowPoints(Header(), HWND_DESKTOP, &client, 1);
    return client;
  }

  // The items whose format is not owner-drawn alone.
  std::string PlainItems() const {
    std::string plain;
    for (int item = 0; item < ItemCount(); ++item)
      if (ItemFormat(item) != HDF_OWNERDRAW) plain += "item " + std::to_string(item) + " plain; ";
    return plain;
  }
  // What the header should look like along its second pixel row, from its own items: owner
  // drawn, light grey with a grey divider at the right end of each item but the last, whose
  // grey runs on to the header's edge.
  std::string ExpectedLook() const {
    std::string look = PlainItems();
    for (int item = 0; item + 1 < ItemCount(); ++item)
      look += "divider " + std::to_string(ItemRect(item).right - 1) + "; ";
    return look;
  }
  // The same row as the screen shows it: the dividers and the first other colour met.
  std::string ScreenLook(const driver::ScreenPicture& picture) const {
    if (!picture.Complete()) return "no screenshot";
    std::string look = PlainItems();
    RECT client{};
    GetClientRect(Header(), &client);
    for (int x = 0; x < client.right; ++x) {
      const COLORREF seen = picture.At(OnScreen({x, 1}));
      if (seen == kDividerGrey) {
        look += "divider " + std::to_string(x) + "; ";
      } else if (seen != kHeaderGrey) {
        char text[48];
        wsprintfA(text, "colour %06X at %d; ", seen, x);
        return look + text;
      }
    }
    return look;
  }
  // Waits until the screen shows the header as its items say; the last look seen otherwise.
  std::string LookUntilExpected() const {
    const std::string path = Path("header.ppm");
    std::string expected, seen;
    driver::WaitUntil(
        [&] {
          expected = ExpectedLook();
          seen = ScreenLook(driver::ScreenPicture::Take(path));
          return seen == expected;
        },
        30000, 200);
    return seen == expected ? "as its items say" : "expected " + expected + "\nsaw " + seen;
  }
  bool RowSelected(int row) const {
    return driver::Ask(TaskList(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED) == row;
  }
  // The middle of the row, on the screen.
  POINT RowOnScreen(int row) const {
    driver::RemoteBlock block(TaskList(), sizeof(RECT));
    RECT r{LVIR_LABEL, 0, 0, 0};
    if (block.Ready() && block.Write(&r, sizeof r))
      driver::Ask(TaskList(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(block.Address()));
    block.Read(&r, sizeof r);
    POINT middle{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    MapWindowPoints(TaskList(), HWND_DESKTOP, &middle, 1);
    return middle;
  }
};

TEST_F(ConverterHeader, StaysFlatAndGreyThroughDividerDragAndResizeAndSortsNothing) {
  WriteFile("b.avi");
  WriteFile("a.avi");
  ASSERT_TRUE(Start("b.avi a.avi"));
  const std::vector<std::string> unsorted{Path("b.avi"), Path("a.avi")};
  ASSERT_EQ(Captions(), unsorted);
  // Above other tests' windows, where the real pointer reaches it.
  ASSERT_TRUE(SetWindowPos(Main(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE));
  ASSERT_NE(Header(), nullptr);

  RECT header{};
  GetClientRect(Header(), &header);
  const int middle = header.bottom / 2;
  const int firstWidth = ItemRect(0).right;
  RECT window{};
  GetWindowRect(Main(), &window);
  struct Step {
    const char* note;
    std::function<bool()> act;
  };
  for (const Step& step : {
           Step{"at start", [] { return true; }},
           Step{"after dragging the first divider 40 pixels right",
                [&] {
                  const POINT divider = OnScreen({firstWidth - 1, middle});
                  return driver::MouseDrag(divider, {divider.x + 40, divider.y}) &&
                         driver::WaitUntil([&] { return ItemRect(0).right == firstWidth + 40; },
                                           20000);
                }},
           Step{"after the window grew 150 pixels wider",
                [&] {
                  return SetWindowPos(Main(), nullptr, 0, 0, window.right - window.left + 150,
                                      window.bottom - window.top, SWP_NOMOVE | SWP_NOZORDER);
                }},
       }) {
    ASSERT_TRUE(step.act()) << step.note << ": first item " << ItemRect(0).right << " wide";
    EXPECT_EQ(LookUntilExpected(), "as its items say") << step.note;
  }

  // A click on a caption, then one on the second row: once the row is selected the header's
  // click has been handled, the platform's input coming in order.
  const RECT length = ItemRect(1);
  ASSERT_TRUE(driver::ClickScreen(OnScreen({(length.left + length.right) / 2, middle})));
  ASSERT_TRUE(driver::ClickScreen(RowOnScreen(1)));
  EXPECT_TRUE(driver::WaitUntil([&] { return RowSelected(1); }, 20000));
  EXPECT_EQ(Captions(), unsorted);
  EXPECT_EQ(LookUntilExpected(), "as its items say") << "after a click on a caption";

  const std::string picture = Path("header.png");
  ASSERT_TRUE(driver::TakeScreenshot(picture));
  std::cout << "the converter's header: " << picture << "\n";
  EXPECT_TRUE(Converter().Close());
}

// Flat: the header draws no button edges (HDS_BUTTONS), on the first window of the list and on
// the one made anew, which the framework makes when a style must change.
TEST_F(ConverterHeader, IsFlatFromStartUpAndOnTheListsWindowMadeAnew) {
  WriteFile("a.avi");
  ASSERT_TRUE(Start("a.avi"));
  const HWND first = TaskList();
  ASSERT_NE(Header(), nullptr);
  auto style = [&] { return static_cast<DWORD>(GetWindowLongA(Header(), GWL_STYLE)); };
  EXPECT_EQ(style() & HDS_BUTTONS, 0u) << "at start-up, style " << std::hex << style();
  PostMessageA(first, CM_RECREATEWND, 0, 0);
  ASSERT_TRUE(driver::WaitUntil([&] { return TaskList() && TaskList() != first && Header(); }, 30000))
      << "the list's window was not made anew";
  EXPECT_EQ(style() & HDS_BUTTONS, 0u) << "made anew, style " << std::hex << style();
  EXPECT_EQ(LookUntilExpected(), "as its items say") << "made anew";
  // Kept after the run, to be looked at.
  const char* root = std::getenv("WINE_TEST_ROOT");
  const std::string picture = root ? std::string(root) + "/converter-header-made-anew.png" : Path("header.png");
  ASSERT_TRUE(driver::TakeScreenshot(picture));
  std::cout << "the converter's header made anew: " << picture << "\n";
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
