// An MDI main form with its children: the platform's client holds them, keeps the active one,
// lists them in the window menu and arranges them.
#include "framework/ExtCtrls.h"
#include "framework/Menus.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

TMenuItem* NewItem(TComponent* owner, const std::string& caption) {
  auto* item = New<TMenuItem>(owner);
  item->SetCaption(caption);
  return item;
}

// The program's main form for one test, as an MDI form with a window menu and a top bar.
class MDIMain {
public:
  MDIMain() {
    Application->CreateForm(Form);
    Form->SetFormStyle(fsMDIForm);
    Form->SetBounds(30, 30, 500, 400);
    auto* menu = New<TMainMenu>(Form);
    Window = NewItem(Form, "&Window");
    Window->Add(NewItem(Form, "&Cascade"));
    menu->Items()->Add(Window);
    Form->SetMenu(menu);
    Form->SetWindowMenu(Window);
    Bar = New<TPanel>(Form);
    Bar->SetHeight(30);
    Bar->SetAlign(alTop);
    Bar->SetParent(Form);
    Form->Show();
    EXPECT_TRUE(PumpUntil([&] { return Form->Active(); })) << "the main form never became active";
  }
  ~MDIMain() { Form->Free(); }   // the children's windows go with it

  TForm* AddChild(const std::string& caption) {
    auto* child = New<TForm>(Application);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption(caption);
    child->SetBounds(0, 0, 200, 150);
    child->Show();
    return child;
  }
  std::vector<std::string> ChildCaptions() const {
    std::vector<std::string> captions;
    for (int i = 0; i < Form->MDIChildCount(); ++i) captions.push_back(Form->MDIChildren(i)->Caption());
    return captions;
  }
  std::string WindowMenuText(int position) const {
    char text[64] = "";
    GetMenuStringA(Window->Handle(), position, text, sizeof text, MF_BYPOSITION);
    return text;
  }

  TForm* Form = nullptr;
  TMenuItem* Window;
  TPanel* Bar;
};

RECT ChildRect(TForm* child) {
  RECT r;
  GetWindowRect(child->Handle(), &r);
  MapWindowPoints(nullptr, GetParent(child->Handle()), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST(FormsMDI, ThePlatformKeepsTheChildrenTheActiveOneAndTheWindowList) {
  MDIMain main;
  char name[16] = "";
  GetClassNameA(main.Form->ClientHandle(), name, sizeof name);
  EXPECT_STREQ(name, "MDIClient");
  RECT client;
  GetWindowRect(main.Form->ClientHandle(), &client);
  MapWindowPoints(nullptr, main.Form->Handle(), reinterpret_cast<POINT*>(&client), 2);
  EXPECT_EQ(client.top, 30) << "the client stands below the top-aligned bar";
  EXPECT_EQ(client.bottom, main.Form->ClientHeight());

  TForm* one = main.AddChild("One");
  TForm* two = main.AddChild("Two");
  TForm* three = main.AddChild("Three");
  EXPECT_EQ(GetParent(one->Handle()), main.Form->ClientHandle());
  EXPECT_EQ(main.ChildCaptions(), (std::vector<std::string>{"Three", "Two", "One"})) << "the active one first";
  EXPECT_EQ(main.Form->ActiveMDIChild(), three);
  EXPECT_TRUE(three->Active());
  EXPECT_FALSE(two->Active());

  // "Cascade", then the platform's separator and one numbered entry per child.
  ASSERT_EQ(GetMenuItemCount(main.Window->Handle()), 5);
  EXPECT_EQ(main.WindowMenuText(2), "&1 One");
  EXPECT_EQ(main.WindowMenuText(4), "&3 Three");
  main.Window->Items(0)->SetCaption("C&ascade");   // the framework rebuilds the menu
  EXPECT_EQ(GetMenuItemCount(main.Window->Handle()), 5) << "the rebuilt menu lost the window list";

  SendMessageA(main.Form->Handle(), WM_COMMAND, 0xFF00, 0);   // the entry of the first child
  EXPECT_EQ(main.Form->ActiveMDIChild(), one);
  EXPECT_EQ(main.Form->MDIChildren(0), one);
  two->Show();
  EXPECT_EQ(main.Form->ActiveMDIChild(), two);

  one->Close();   // a child that closes is freed; the next one becomes active
  ASSERT_TRUE(PumpUntil([&] { return main.Form->MDIChildCount() == 2; }));
  EXPECT_EQ(main.ChildCaptions(), (std::vector<std::string>{"Two", "Three"}));
  EXPECT_EQ(GetMenuItemCount(main.Window->Handle()), 4);
}

TEST(FormsMDI, CascadeAndTileArrangeTheChildrenInTheClient) {
  MDIMain main;
  std::vector<TForm*> children = {main.AddChild("A"), main.AddChild("B"), main.AddChild("C")};
  main.Form->Cascade();
  std::vector<RECT> cascaded;
  for (TForm* child : children) cascaded.push_back(ChildRect(child));
  for (size_t i = 1; i < cascaded.size(); ++i) {
    EXPECT_GT(cascaded[i].left, cascaded[i - 1].left) << i;
    EXPECT_GT(cascaded[i].top, cascaded[i - 1].top) << i;
  }

  for (TTileMode mode : {tbHorizontal, tbVertical}) {
    main.Form->SetTileMode(mode);
    main.Form->Tile();
    RECT client;   // without the scroll bars the cascade may have needed
    GetClientRect(main.Form->ClientHandle(), &client);
    long area = 0;
    for (TForm* child : children) {
      RECT r = ChildRect(child);
      area += (r.right - r.left) * (r.bottom - r.top);
      EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
          << child->Caption() << " mode " << mode;
      for (TForm* other : children) {
        RECT o = ChildRect(other), overlap;
        EXPECT_TRUE(other == child || !IntersectRect(&overlap, &r, &o))
            << child->Caption() << " over " << other->Caption() << " mode " << mode;
      }
    }
    EXPECT_GT(area, client.right * client.bottom * 9 / 10) << "the tiles fill the client, mode " << mode;
  }
}

TEST(FormsMDI, AChildNeedsAnMDIMainForm) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  auto* child = New<TForm>(Application);
  child->SetFormStyle(fsMDIChild);
  EXPECT_THROW(child->HandleNeeded(), EInvalidOperation);
  child->Free();
  main->Free();
}

}  // namespace
