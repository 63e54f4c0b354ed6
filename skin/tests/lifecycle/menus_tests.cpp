// Menus made on the skinned main form after it was shown, items added to skinned menus later,
// the title bar's system menu, and menus that leave the form: each drawn by the skin, or given
// back to the platform, as seen on the screen while the menu is open.
#include <chrono>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Menus.h"
#include "skin/SkinWindow.h"
#include "skin/tests/lifecycle/main_form.h"

namespace {

// While a menu of this thread is open: check() every 50 ms until it answers true or ten
// seconds pass, then the menu is closed.
std::function<bool()> gMenuCheck;
std::chrono::steady_clock::time_point gMenuDeadline;
bool gMenuChecked = false;

void CALLBACK CheckOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  const HWND menu = FindWindowA("#32768", nullptr);
  if (gMenuChecked || !menu || !IsWindowVisible(menu))
    return;
  gMenuChecked = gMenuCheck() || std::chrono::steady_clock::now() > gMenuDeadline;
  if (gMenuChecked)
    EndMenu();
}

void WhileMenuIsOpen(const std::function<void()>& open, std::function<bool()> check) {
  gMenuCheck = std::move(check);
  gMenuChecked = false;
  gMenuDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  SetCursorPos(700, 500);  // away from the menu: no item is drawn selected
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, CheckOpenMenu);
  open();
  KillTimer(nullptr, timer);
}

// What the screen shows of one item of an open menu: its height, its left gutter and the
// background right of its text.
struct ItemLook {
  int Height = 0;
  COLORREF Gutter = 0, Rest = 0;
};

ItemLook LookOf(HMENU menu, int index) {
  RECT r{};
  GetMenuItemRect(nullptr, menu, index, &r);
  return {int(r.bottom - r.top), ScreenPixel(r.left + 10, (r.top + r.bottom) / 2),
          ScreenPixel(r.right - 4, r.top + 2)};
}

bool IsSkinLook(const ItemLook& look) {
  return look.Height == 21 && look.Gutter == SkinColor("MenuBarColor") &&
         look.Rest == SkinColor("MenuBackgroundColor");
}

std::string Describe(const ItemLook& look) {
  std::ostringstream text;
  text << std::hex << "height " << std::dec << look.Height << std::hex << ", gutter 0x" << look.Gutter
       << ", background 0x" << look.Rest << " (skin 0x" << SkinColor("MenuBarColor") << ", 0x"
       << SkinColor("MenuBackgroundColor") << ")";
  return text.str();
}

TMenuItem* AddItem(TMenu* menu, const char* caption) {
  TMenuItem* item = new TMenuItem(MainForm());
  item->SetCaption(caption);
  menu->Items()->Add(item);
  return item;
}

// The looks of the menu's first count items, once the first is drawn by the skin (or when
// waiting for that ends).
std::vector<ItemLook> OpenAndLook(TPopupMenu* menu, int count) {
  std::vector<ItemLook> looks(count);
  WhileMenuIsOpen([&] { menu->Popup(20, 20); }, [&] {
    for (int i = 0; i < count; ++i)
      looks[i] = LookOf(menu->Handle(), i);
    return IsSkinLook(looks[0]);
  });
  return looks;
}

TEST(LaterMenus, APopupMenuMadeAfterTheFormIsShownIsDrawnByTheSkin) {
  TPopupMenu* popup = new TPopupMenu(MainForm());
  for (const char* caption : {"&First", "-", "&Second"})
    AddItem(popup, caption);
  const std::vector<ItemLook> looks = OpenAndLook(popup, 3);
  EXPECT_TRUE(IsSkinLook(looks[0])) << Describe(looks[0]);
  EXPECT_EQ(looks[1].Height, 5) << "separator";
  EXPECT_TRUE(IsSkinLook(looks[2])) << Describe(looks[2]);
  popup->Free();
}

TEST(LaterMenus, AMenuMadeAfterTheFormIsShownIsSkinnedOnceTheProgramWaitsForMessages) {
  TPopupMenu* popup = new TPopupMenu(MainForm());
  TMenuItem* item = AddItem(popup, "&First");
  // No menu shows in between: the engine looks at what was made when messages are handled.
  EXPECT_TRUE(PumpUntil([&] { return popup->OwnerDraw(); }));
  EXPECT_TRUE(item->OnDrawItem);
  EXPECT_TRUE(item->OnMeasureItem);
  popup->Free();
}

TEST(LaterMenus, AnItemAddedToASkinnedMenuIsDrawnByTheSkin) {
  TPopupMenu* popup = new TPopupMenu(MainForm());
  AddItem(popup, "&First");
  // Skinned as the form's menus are when the skin is switched.
  Engine()->SetActive(false);
  Engine()->SetActive(true);
  ASSERT_TRUE(popup->OwnerDraw());
  AddItem(popup, "&Later");
  const std::vector<ItemLook> looks = OpenAndLook(popup, 2);
  EXPECT_TRUE(IsSkinLook(looks[0])) << Describe(looks[0]);
  EXPECT_TRUE(IsSkinLook(looks[1])) << "the later item: " << Describe(looks[1]);
  popup->Free();
}

TEST(LaterMenus, TheTitleBarsSystemMenuIsDrawnByTheSkin) {
  TkivSkinWindow* window = Engine()->FindSkinWindow(MainForm()->Handle());
  ASSERT_NE(window, nullptr);
  std::vector<ItemLook> looks(4);
  WhileMenuIsOpen([&] { window->PopupSystemMenuAt(20, 20); }, [&] {
    for (int i = 0; i < 4; ++i)
      looks[i] = LookOf(Engine()->SystemMenu()->Handle(), i);
    return IsSkinLook(looks[3]);
  });
  EXPECT_TRUE(IsSkinLook(looks[3])) << "Close: " << Describe(looks[3]);
  EXPECT_EQ(looks[2].Height, 5) << "separator";
}

TEST(LaterMenus, AMenuTakenOffTheFormIsUnskinnedAndAFreedOneIsForgotten) {
  TPopupMenu* freed = new TPopupMenu(MainForm());
  AddItem(freed, "&Gone");
  freed->Free();  // before any menu showed: the engine must not look at it any more
  TPopupMenu* kept = new TPopupMenu(MainForm());
  TMenuItem* item = AddItem(kept, "&Kept");
  const std::vector<ItemLook> looks = OpenAndLook(kept, 1);
  EXPECT_TRUE(IsSkinLook(looks[0])) << Describe(looks[0]);
  MainForm()->RemoveComponent(kept);
  EXPECT_FALSE(kept->OwnerDraw());
  EXPECT_FALSE(item->OnDrawItem);
  EXPECT_FALSE(item->OnMeasureItem);
  kept->Free();
}

}  // namespace
