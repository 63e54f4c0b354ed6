// Main and popup menus build their platform menus, stay up to date, and run their items.
#include "framework/Menus.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

std::string MenuText(HMENU menu, UINT position) {
  char text[64] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& caption) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

class MenuTest : public FormTest {};

TEST_F(MenuTest, AMainMenuBecomesTheFormsMenuBarWithItsSubmenus) {
  auto* menu = new TMainMenu(form);
  TMenuItem* file = NewItem(form, menu->Items(), "&File");
  TMenuItem* open = NewItem(form, file, "&Open");
  NewItem(form, file, "-");
  TMenuItem* exit = NewItem(form, file, "E&xit");
  exit->SetShortCut(ShortCut('Q', ssCtrl));
  TMenuItem* help = NewItem(form, menu->Items(), "&Help");
  help->SetEnabled(false);
  open->SetChecked(true);
  form->SetMenu(menu);

  HMENU bar = GetMenu(form->Handle());
  ASSERT_EQ(bar, menu->Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 2);
  EXPECT_EQ(MenuText(bar, 0), "&File");
  EXPECT_TRUE(GetMenuState(bar, 1, MF_BYPOSITION) & MF_GRAYED);
  HMENU sub = GetSubMenu(bar, 0);
  ASSERT_EQ(GetMenuItemCount(sub), 3);
  EXPECT_TRUE(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(sub, 1, MF_BYPOSITION) & MF_SEPARATOR);
  EXPECT_EQ(MenuText(sub, 2), "E&xit\tCtrl+Q");
  form->SetMenu(nullptr);
}

TEST_F(MenuTest, ChangesReachThePlatformMenuAndCommandsRunTheItems) {
  auto* menu = new TMainMenu(form);
  TMenuItem* file = NewItem(form, menu->Items(), "&File");
  TMenuItem* open = NewItem(form, file, "&Open");
  TMenuItem* hidden = NewItem(form, file, "Hidden");
  form->SetMenu(menu);
  int clicks = 0;
  open->OnClick = [&](TObject* sender) {
    EXPECT_EQ(sender, open);
    ++clicks;
  };
  open->SetCaption("&Open...");
  hidden->SetVisible(false);
  HMENU sub = GetSubMenu(GetMenu(form->Handle()), 0);
  ASSERT_EQ(GetMenuItemCount(sub), 1);
  EXPECT_EQ(MenuText(sub, 0), "&Open...");

  SendMessageA(form->Handle(), WM_COMMAND, GetMenuItemID(sub, 0), 0);
  EXPECT_EQ(clicks, 1);
  open->SetEnabled(false);
  SendMessageA(form->Handle(), WM_COMMAND, GetMenuItemID(sub, 0), 0);
  EXPECT_EQ(clicks, 1);

  hidden->Free();
  EXPECT_EQ(GetMenuItemCount(sub), 1);
  open->Free();   // the last one: File has no submenu any more
  EXPECT_EQ(GetSubMenu(GetMenu(form->Handle()), 0), nullptr);
  form->SetMenu(nullptr);
}

TEST_F(MenuTest, ASubmenuItemHearsThatItOpensAndFormShortCutsGoThroughTheLoop) {
  auto* menu = new TMainMenu(form);
  TMenuItem* file = NewItem(form, menu->Items(), "&File");
  TMenuItem* save = NewItem(form, file, "&Save");
  save->SetShortCut(VK_F2);
  form->SetMenu(menu);
  int opened = 0, saves = 0;
  file->OnClick = [&](TObject*) { ++opened; };
  save->OnClick = [&](TObject*) { ++saves; };
  SendMessageA(form->Handle(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(file->Handle()), 0);
  EXPECT_EQ(opened, 1);
  PostMessageA(form->Handle(), WM_KEYDOWN, VK_F2, 0);
  Application->ProcessMessages();
  EXPECT_EQ(saves, 1);
  form->SetMenu(nullptr);
}

TEST_F(MenuTest, ShortCutsOfItemsAnswerKeyMessages) {
  auto* menu = new TMainMenu(form);
  TMenuItem* file = NewItem(form, menu->Items(), "&File");
  TMenuItem* save = NewItem(form, file, "&Save");
  save->SetShortCut(ShortCut('S', ssCtrl));
  int saves = 0;
  save->OnClick = [&](TObject*) { ++saves; };
  MSG msg{form->Handle(), WM_KEYDOWN, 'S', 0};
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE pressed[256];
  std::copy(keys, keys + 256, pressed);
  pressed[VK_CONTROL] = 0x80;
  SetKeyboardState(pressed);
  EXPECT_TRUE(menu->IsShortCut(msg));
  SetKeyboardState(keys);
  EXPECT_FALSE(menu->IsShortCut(msg));
  EXPECT_EQ(saves, 1);
}

TEST_F(MenuTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  auto* menu = new TMainMenu(form);
  menu->SetOwnerDraw(true);
  TMenuItem* file = NewItem(form, menu->Items(), "&File");
  NewItem(form, file, "&Open");
  int measured = 0, drawn = 0;
  file->OnMeasureItem = [&](TObject*, TCanvas*, int& width, int& height) {
    ++measured;
    width = 77;
    height = 21;
  };
  file->OnDrawItem = [&](TObject*, TCanvas* canvas, TRect rect, bool) {
    ++drawn;
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(rect);
  };
  form->SetMenu(menu);
  HMENU bar = GetMenu(form->Handle());
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  GetMenuItemInfoA(bar, 0, TRUE, &info);
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50);
  EXPECT_GT(measured, 0);
  EXPECT_GT(drawn, 0);
  form->SetMenu(nullptr);
}

TEST_F(MenuTest, APopupMenuShowsItsItemsAndRunsTheChosenOne) {
  auto* popup = new TPopupMenu(form);
  TMenuItem* first = NewItem(form, popup->Items(), "First");
  TMenuItem* second = NewItem(form, popup->Items(), "Second");
  int chosen = 0;
  second->OnClick = [&](TObject*) { ++chosen; };
  first->OnClick = [&](TObject*) { chosen += 100; };
  bool popped = false;
  popup->OnPopup = [&](TObject*) {
    popped = true;
    // Down twice and Enter, taken by the menu's own loop.
    for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
      PostMessageA(form->Handle(), WM_KEYDOWN, key, 0);
      PostMessageA(form->Handle(), WM_KEYUP, key, 0xC0000000);
    }
  };
  HMENU handle = popup->Handle();
  EXPECT_EQ(GetMenuItemCount(handle), 2);
  EXPECT_EQ(MenuText(handle, 1), "Second");
  popup->Popup(100, 100);
  EXPECT_TRUE(popped);
  EXPECT_EQ(chosen, 1);
}

TEST_F(MenuTest, AControlsPopupMenuAnswersItsContextMenuRequest) {
  auto* popup = new TPopupMenu(form);
  NewItem(form, popup->Items(), "Only");
  auto* shape = new TGraphicControl(form);
  shape->SetBounds(10, 10, 50, 50);
  shape->SetParent(form);
  shape->SetPopupMenu(popup);
  TComponent* shownFor = nullptr;
  popup->OnPopup = [&](TObject*) {
    shownFor = popup->PopupComponent();
    PostMessageA(form->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  };
  TPoint p = form->ClientToScreen(TPoint(20, 20));
  SendMessageA(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(p.x, p.y));
  EXPECT_EQ(shownFor, shape);
  popup->Free();
  EXPECT_EQ(shape->PopupMenu(), nullptr);
}

}  // namespace
