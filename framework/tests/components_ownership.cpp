// Owners free what they own; linked components hear when the other one goes.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// Records the components it is told were removed.
class TWatcher : public TComponent {
public:
  using TComponent::TComponent;
  void Notification(TComponent* c, TOperation op) override {
    TComponent::Notification(c, op);
    if (op == opRemove) removed.push_back(c);
  }
  std::vector<TComponent*> removed;
};

TEST(Ownership, AnOwnerFreesWhatItOwnsAndItsPeersHearOfEachOne) {
  TWatcher watcher(nullptr);
  auto* owner = new TComponent(nullptr);
  auto* first = new TComponent(owner);
  auto* second = new TComponent(owner);
  first->FreeNotification(&watcher);
  second->FreeNotification(&watcher);
  EXPECT_EQ(owner->ComponentCount(), 2);
  owner->Free();
  EXPECT_EQ(watcher.removed.size(), 2u);
}

TEST(Ownership, FreeNotificationWorksBothWaysAndEndsWithRemove) {
  TWatcher a(nullptr);
  auto* b = new TWatcher(nullptr);
  auto* c = new TComponent(nullptr);
  a.FreeNotification(b);
  a.FreeNotification(c);
  a.RemoveFreeNotification(c);
  c->Free();
  EXPECT_TRUE(a.removed.empty());
  b->Free();
  ASSERT_EQ(a.removed.size(), 1u);
  EXPECT_EQ(a.removed[0], b);
}

TEST(Ownership, FreeingAComponentTakesItFromItsOwnerAndNamesStayUnique) {
  TComponent owner(nullptr);
  auto* child = new TComponent(&owner);
  child->SetName("Child");
  EXPECT_EQ(owner.FindComponent("child"), child);
  auto* other = new TComponent(&owner);
  EXPECT_THROW(other->SetName("CHILD"), EComponentError);
  child->Free();
  EXPECT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.FindComponent("Child"), nullptr);
}

TEST(Ownership, AFormFreesItsControlsAlsoThoseOnPanelsAndTheirWindowsGo) {
  TWatcher watcher(nullptr);
  auto* form = New<TForm>(nullptr);
  auto* panel = new TCustomControl(form);
  panel->SetParent(form);
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(panel);
  auto* shape = new TGraphicControl(form);
  shape->SetParent(panel);
  edit->FreeNotification(&watcher);
  shape->FreeNotification(&watcher);
  HWND editWindow = edit->Handle();
  form->Free();
  EXPECT_EQ(watcher.removed.size(), 2u);
  EXPECT_FALSE(IsWindow(editWindow));
}

TEST(Ownership, FreeingAControlTakesItOffItsParent) {
  auto* form = New<TForm>(nullptr);
  auto* edit = new TPlatformControl(form, "EDIT");
  edit->SetParent(form);
  auto* shape = new TGraphicControl(nullptr);
  shape->SetParent(form);
  EXPECT_EQ(form->ControlCount(), 2);
  edit->Free();
  delete shape;
  EXPECT_EQ(form->ControlCount(), 0);
  std::vector<TWinControl*> tabList;
  form->GetTabOrderList(tabList);
  EXPECT_TRUE(tabList.empty());
  form->Free();
}

TEST(Ownership, LoadedRunsOnTheFormAndItsComponentsOnceTheyAreBuilt) {
  struct TCounting : TComponent {
    using TComponent::TComponent;
    int loaded = 0;
    void Loaded() override { TComponent::Loaded(); ++loaded; }
  };
  struct TBuiltForm : TForm {
    explicit TBuiltForm(TComponent* owner) : TForm(owner), part(new TCounting(this)) {
      loadingWhileBuilt = part->IsLoading();
      OnCreate = [this](TObject*) { partLoadedAtCreate = part->loaded; };
    }
    TCounting* part;
    bool loadingWhileBuilt = false;
    int partLoadedAtCreate = -1;
  };
  auto* form = New<TBuiltForm>(nullptr);
  EXPECT_TRUE(form->loadingWhileBuilt);
  EXPECT_EQ(form->partLoadedAtCreate, 1);
  EXPECT_FALSE(form->IsLoading());
  form->Free();
}

}  // namespace
