// An MDI main form in the built-in skin with its children: the skin arranges and lists them,
// tells which one is active, and puts a maximised child's buttons and menu in the bar.
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/ExtCtrls.h"
#include "framework/StdCtrls.h"
#include "skin/BuiltInSkin.h"
#include "skin/SkinEngine.h"
#include "skin/SkinForms.h"
#include "skin/SkinWindowForm.h"
#include "skin/core/mdi_layout.h"
#include "skin/tests/pump.h"
#include "testing/driver/screenshot.h"

namespace {

bool IsSkinned(HWND window) { return SendMessageA(window, KM_ISSKINNED, 0, 0) == 1; }

TMenuItem* NewItem(TComponent* owner, const std::string& caption, TMenuItem* parent) {
  auto* item = New<TMenuItem>(owner);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

class TMDITestForm : public TForm {
public:
  explicit TMDITestForm(TComponent* owner) : TForm(owner) {
    SetFormStyle(fsMDIForm);
    SetBounds(20, 20, 620, 460);
    SetCaption("MDI test form");
    kivSkinEngine1 = new TkivSkinEngine(this);
    kivSkinEngine1->SetSkinData(skin::BuiltInSkinData());
    kivSkinEngine1->SetActive(true);
    mnuMain = New<TMainMenu>(this);
    NewItem(this, "&Exit", NewItem(this, "&File", mnuMain->Items()));
    mniWindow = NewItem(this, "&Window", mnuMain->Items());
    NewItem(this, "&Cascade", mniWindow)->OnClick = [this](TObject*) { Cascade(); };
    NewItem(this, "&Tile", mniWindow)->OnClick = [this](TObject*) { Tile(); };
    SetMenu(mnuMain);
    SetWindowMenu(mniWindow);
    panStatus = New<TPanel>(this);
    panStatus->SetHeight(24);
    panStatus->SetAlign(alBottom);
    panStatus->SetParent(this);
  }
  TkivSkinEngine* kivSkinEngine1;
  TMainMenu* mnuMain;
  TMenuItem* mniWindow;
  TPanel* panStatus;
};

TMDITestForm* MainForm() {
  static TMDITestForm* form = nullptr;
  if (!form) {
    Application->CreateForm(form);
    form->Show();
    EXPECT_TRUE(PumpUntil([] { return IsWindowVisible(form->Handle()) && form->Active(); }));
  }
  return form;
}

TkivSkinWindowVCL* SkinWindowOf(TCustomForm* form) {
  return static_cast<TkivSkinWindowVCL*>(MainForm()->kivSkinEngine1->FindSkinWindow(form->Handle()));
}

// A child with a memo; one with a menu of its own when menuCaption is given.
TForm* NewChild(const std::string& caption, const std::string& menuCaption = "") {
  auto* child = New<TForm>(Application);
  child->SetFormStyle(fsMDIChild);
  child->SetCaption(caption);
  child->SetBounds(10, 10, 240, 160);
  auto* memo = New<TMemo>(child);
  memo->SetAlign(alClient);
  memo->SetParent(child);
  if (!menuCaption.empty()) {
    auto* menu = New<TMainMenu>(child);
    NewItem(child, menuCaption, menu->Items());
    child->SetMenu(menu);
  }
  child->Show();
  EXPECT_TRUE(PumpUntil([&] { return IsSkinned(child->Handle()); })) << caption << " was never skinned";
  return child;
}

// The children, the last one first, as the skin arranges them.
std::vector<TCustomForm*> FromTheLast() {
  std::vector<TCustomForm*> children;
  for (int i = MainForm()->MDIChildCount() - 1; i >= 0; --i) children.push_back(MainForm()->MDIChildren(i));
  return children;
}

skin::Rect BoundsOf(TCustomForm* child) {
  return {child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height()};
}

std::vector<std::string> ItemCaptions(TMenuItem* menu) {
  std::vector<std::string> captions;
  for (int i = 0; i < menu->Count(); ++i) captions.push_back(menu->Items(i)->Caption());
  return captions;
}

std::vector<std::string> BarCaptions() {
  TkivSkinMenuBar* bar = SkinWindowOf(MainForm())->MenuBar();
  std::vector<std::string> captions;
  for (int i = 0; i < bar->ButtonCount(); ++i) captions.push_back(bar->Buttons(i)->Caption());
  return captions;
}

void Picture(const char* name) {
  if (const char* root = std::getenv("WINE_TEST_ROOT")) {
    // Painted now: the picture is taken while this thread waits.
    Application->ProcessMessages();
    RedrawWindow(MainForm()->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(driver::TakeScreenshot(std::string(root) + "/" + name));
  }
}

void FreeChildren() {
  while (MainForm()->MDIChildCount() > 0) MainForm()->MDIChildren(0)->Free();
}

TEST(SkinMDI, CascadesTilesAndListsTheChildrenItsOwnWay) {
  ASSERT_TRUE(IsSkinned(MainForm()->Handle()));
  for (const char* caption : {"First", "Second", "Third"}) NewChild(caption);
  const int barHeight = SkinWindowOf(MainForm())->MenuBar()->Height();
  ASSERT_GT(barHeight, 0);

  MainForm()->Cascade();
  EXPECT_EQ(FromTheLast().front()->Caption(), "First");
  std::vector<skin::Rect> expected =
      skin::CascadeRects(3, MainForm()->ClientWidth(), MainForm()->ClientHeight());
  for (int i = 0; i < 3; ++i) EXPECT_EQ(BoundsOf(FromTheLast()[i]), expected[i]) << "cascade " << i;

  for (TTileMode mode : {tbHorizontal, tbVertical}) {
    MainForm()->SetTileMode(mode);
    MainForm()->Tile();
    skin::TileInput in;
    in.Count = 3;
    in.ClientWidth = MainForm()->ClientWidth();
    in.ClientHeight = MainForm()->ClientHeight() - barHeight - MainForm()->panStatus->Height();
    in.Horizontal = mode == tbHorizontal;
    expected = skin::TileRects(in);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(BoundsOf(FromTheLast()[i]), expected[i]) << "tile " << mode << " " << i;
  }
  Picture("skin-mdi-tiled.png");

  // The skin's own entries after the form's, from the last child; the platform's list is
  // kept out of the menu.
  EXPECT_EQ(ItemCaptions(MainForm()->mniWindow),
            (std::vector<std::string>{"&Cascade", "&Tile", "-", "First", "Second", "Third"}));
  EXPECT_EQ(GetMenuItemCount(MainForm()->mniWindow->Handle()), 6);
  MainForm()->mniWindow->Items(3)->Click();
  EXPECT_EQ(MainForm()->ActiveMDIChild()->Caption(), "First");
  EXPECT_EQ(ItemCaptions(MainForm()->mniWindow).back(), "First") << "the list follows the activation";

  // Without the skin the platform lists the children in the window menu again.
  MainForm()->kivSkinEngine1->SetActive(false);
  EXPECT_EQ(ItemCaptions(MainForm()->mniWindow), (std::vector<std::string>{"&Cascade", "&Tile"}));
  ASSERT_EQ(GetMenuItemCount(MainForm()->mniWindow->Handle()), 6);
  char text[32] = "";
  GetMenuStringA(MainForm()->mniWindow->Handle(), 3, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&1 First");
  MainForm()->kivSkinEngine1->SetActive(true);
  EXPECT_EQ(GetMenuItemCount(MainForm()->mniWindow->Handle()), 6) << "only the skin's list";
  FreeChildren();
  EXPECT_EQ(ItemCaptions(MainForm()->mniWindow), (std::vector<std::string>{"&Cascade", "&Tile", "-"}));
}

TEST(SkinMDI, IsFormActiveAnswersForTheActiveChildTheOthersAndTheParent) {
  TForm* skinned = NewChild("Skinned");
  auto* plain = New<TForm>(Application);   // a child the skin leaves alone
  plain->SetTag(9999);
  plain->SetFormStyle(fsMDIChild);
  plain->Show();
  ASSERT_FALSE(IsSkinned(plain->Handle()));
  struct Case {
    const char* Note;
    TForm* Activated;
    bool Skinned, Plain;
  };
  for (const Case& c : {Case{"the plain child active", plain, false, true},
                        Case{"the skinned child active", skinned, true, false}}) {
    c.Activated->Show();
    EXPECT_EQ(skin::IsFormActive(skinned), c.Skinned) << c.Note;
    EXPECT_EQ(skin::IsFormActive(plain), c.Plain) << c.Note;
    EXPECT_TRUE(skin::IsFormActive(MainForm())) << c.Note;
  }
  FreeChildren();
}

TEST(SkinMDI, AMaximisedChildShowsItsButtonsAndItsMenuInTheParentsBar) {
  NewChild("Plain");
  TForm* editor = NewChild("Editor", "&Document");
  EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&Document"})) << "the active child's menu";
  TkivSkinWindowVCL* parent = SkinWindowOf(MainForm());
  EXPECT_FALSE(parent->MDIButton(0)->Visible());

  editor->SetWindowState(wsMaximized);
  ASSERT_TRUE(PumpUntil([&] { return parent->MDIButton(0)->Visible(); })) << "no buttons for the maximised child";
  EXPECT_TRUE(parent->MDIButton(1)->Visible() && parent->MDIButton(2)->Visible());
  EXPECT_LT(parent->MDIButton(2)->Left(), parent->MDIButton(0)->Left()) << "close stands rightmost";
  // Its client fills the parent's client window: the title stands above it.
  RECT client, area;
  GetClientRect(MainForm()->ClientHandle(), &area);
  GetClientRect(editor->Handle(), &client);
  MapWindowPoints(editor->Handle(), MainForm()->ClientHandle(), reinterpret_cast<POINT*>(&client), 2);
  EXPECT_EQ(TRect(client), TRect(area));
  Picture("skin-mdi-maximised.png");

  parent->MDIButton(1)->Click();   // restore
  ASSERT_TRUE(PumpUntil([&] { return !parent->MDIButton(0)->Visible(); }));
  EXPECT_EQ(editor->WindowState(), wsNormal);

  parent->MDIButton(0)->Click();   // close: the next child's menu, here none, replaces the editor's
  ASSERT_TRUE(PumpUntil([] { return MainForm()->MDIChildCount() == 1; }));
  EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&File", "&Window"}));
  FreeChildren();
  EXPECT_EQ(BarCaptions(), (std::vector<std::string>{"&File", "&Window"}));
}

}  // namespace
