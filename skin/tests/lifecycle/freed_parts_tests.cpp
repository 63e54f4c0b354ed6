// Parts of a skinned form freed while the form lives: its main menu, which the skinned menu
// bar shows and asks for shortcuts, and a control whose skinned scroll bars stand beside it on
// its parent. Nothing the engine keeps may point at what is gone.
#include <functional>

#include "framework/Menus.h"
#include "framework/StdCtrls.h"
#include "skin/SkinBorders.h"
#include "skin/SkinWindowForm.h"
#include "skin/tests/lifecycle/main_form.h"

namespace {

// A shown form, skinned as it activated, made active.
TForm* ShowSkinnedForm(const std::function<void(TForm*)>& build) {
  MainForm();  // with the engine that skins the form
  TForm* form = New<TForm>(Application);
  form->SetBounds(480, 220, 300, 200);
  build(form);
  form->Show();
  SetActiveWindow(form->Handle());
  EXPECT_TRUE(PumpUntil([&] { return IsSkinned(form->Handle()) && SendMessageA(form->Handle(), KM_ISACTIVE, 0, 0) == 1; }));
  return form;
}

TkivSkinMenuBar* MenuBarOf(TForm* form) {
  auto* window = dynamic_cast<TkivSkinWindowVCL*>(Engine()->FindSkinWindow(form->Handle()));
  return window ? window->MenuBar() : nullptr;
}

// F5 pressed on the active form: the way a shortcut reaches the hidden main menu.
void PressF5(TForm* form) {
  PostMessageA(form->Handle(), WM_KEYDOWN, VK_F5, 1);
  PostMessageA(form->Handle(), WM_KEYUP, VK_F5, 0xC0000001);
  Application->ProcessMessages();
}

TEST(FreedParts, AMainMenuFreedWhileItsSkinnedFormLivesIsForgotten) {
  int reloads = 0;
  TMainMenu* menu = nullptr;
  TForm* form = ShowSkinnedForm([&](TForm* f) {
    menu = new TMainMenu(f);
    TMenuItem* view = new TMenuItem(f);
    view->SetCaption("&View");
    TMenuItem* reload = new TMenuItem(f);
    reload->SetCaption("&Reload");
    reload->SetShortCut(ShortCut(VK_F5, 0));
    reload->OnClick = [&](TObject*) { ++reloads; };
    view->Add(reload);
    menu->Items()->Add(view);
    f->SetMenu(menu);
  });
  ASSERT_TRUE(MenuBarOf(form) && MenuBarOf(form)->Visible()) << "no skinned menu bar";
  PressF5(form);
  ASSERT_EQ(reloads, 1) << "the shortcut did not reach the menu";

  menu->Free();
  EXPECT_FALSE(MenuBarOf(form)->Visible()) << "the bar still shows the freed menu";
  PressF5(form);
  EXPECT_EQ(reloads, 1);
  Engine()->SetActive(false);
  EXPECT_EQ(form->Menu(), nullptr) << "the form was given the freed menu back";
  Engine()->SetActive(true);
  EXPECT_TRUE(IsSkinned(form->Handle()));
  form->Free();
}

int ScrollPanelsOn(TWinControl* parent) {
  int panels = 0;
  for (int i = 0; i < parent->ControlCount(); ++i)
    panels += dynamic_cast<TkivSkinInternalScrollBar*>(parent->Controls(i)) != nullptr;
  return panels;
}

TEST(FreedParts, AControlWithSkinnedScrollBarsTakesTheirPanelsWithIt) {
  TListBox* list = nullptr;
  TForm* form = ShowSkinnedForm([&](TForm* f) {
    list = new TListBox(f);
    list->SetParent(f);
    list->SetBounds(10, 10, 120, 60);
  });
  ASSERT_EQ(list->Perform(KM_ISSKINNED), 1);
  ASSERT_EQ(ScrollPanelsOn(form), 2) << "the list's panels, beside it";
  list->Free();
  EXPECT_EQ(ScrollPanelsOn(form), 0) << "panels of the freed list stayed on the form";
  // The skin switched: nothing is left that looks for the list.
  Engine()->SetActive(false);
  Engine()->SetActive(true);
  EXPECT_TRUE(IsSkinned(form->Handle()));
  form->Free();
}

}  // namespace
