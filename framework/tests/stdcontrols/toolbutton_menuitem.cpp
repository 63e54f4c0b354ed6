// A tool button that stands for a menu item: its caption, and a click that opens the item's
// submenu below the button or runs the item.
#include "framework/ComCtrls.h"
#include "framework/Menus.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class ToolButtonMenuItemTest : public FormTest {};

std::function<void()> gWhileOpen;
void CALLBACK OnMenuOpen(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  gWhileOpen();
}

TEST_F(ToolButtonMenuItemTest, ShowsTheItemsCaptionAndOpensOrRunsIt) {
  auto* menu = new TMainMenu(form);
  auto* file = new TMenuItem(form);
  file->SetCaption("&File");
  menu->Items()->Add(file);
  auto* open = new TMenuItem(form);
  open->SetCaption("&Open");
  file->Add(open);
  auto* help = new TMenuItem(form);
  help->SetCaption("&Help");
  menu->Items()->Add(help);
  int opened = 0, helped = 0;
  open->OnClick = [&](TObject*) { ++opened; };
  help->OnClick = [&](TObject*) { ++helped; };

  auto* bar = new TToolBar(form);
  bar->SetShowCaptions(true);
  bar->SetParent(form);
  auto* fileButton = new TToolButton(form);
  fileButton->SetMenuItem(file);
  fileButton->SetToolBar(bar);
  auto* helpButton = new TToolButton(form);
  helpButton->SetMenuItem(help);
  helpButton->SetToolBar(bar);
  char text[32] = "";
  SendMessageA(bar->Handle(), TB_GETBUTTONTEXTA, fileButton->Command(), (LPARAM)text);
  EXPECT_STREQ(text, "&File");

  const TRect helpRect = helpButton->BoundsRect();
  const LPARAM point = MAKELPARAM(helpRect.left + 5, helpRect.top + 5);
  SendMessageA(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(bar->Handle(), WM_LBUTTONUP, 0, point);
  EXPECT_EQ(helped, 1);

  // The submenu opens below the button; its first item is chosen with the keyboard.
  const TRect fileRect = fileButton->BoundsRect();
  const TPoint below = bar->ClientToScreen(TPoint(fileRect.left, fileRect.bottom));
  POINT menuTop{};
  gWhileOpen = [&] {
    RECT item{};
    GetMenuItemRect(nullptr, file->Handle(), 0, &item);
    menuTop = {item.left, item.top};
    // The open menu reads the thread's key messages.
    PostMessageA(bar->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(bar->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  };
  SetTimer(nullptr, 0, 100, OnMenuOpen);
  fileButton->Click();
  EXPECT_EQ(opened, 1);
  EXPECT_GE(menuTop.y, below.y);
  EXPECT_LE(menuTop.y, below.y + 4);  // the menu's own frame above its first item

  delete help;
  EXPECT_EQ(helpButton->MenuItem(), nullptr);
  helpButton->Click();  // nothing left to run
  delete bar;
  delete menu;
}

}  // namespace
