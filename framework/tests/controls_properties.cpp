// Properties that others read by name: every control has "ParentColor", controls with a
// border style add "BorderStyle".
#include "framework/Controls.h"
#include "framework/Grids.h"
#include "framework/StdCtrls.h"

#include "framework/tests/forms_testing.h"

namespace {

TEST(ControlProperties, AreAnsweredByNameWithTheirValues) {
  TForm* form = New<TForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  auto* edit = new TEdit(form);
  edit->SetBorderStyle(bsNone);
  edit->SetParentColor(true);
  auto* button = new TButton(form);
  button->SetParentColor(false);
  auto* grid = new TStringGrid(form);
  struct Case {
    const char* Note;
    TControl* Control;
    const char* Name;
    bool Has;
    int Value;
  };
  for (const Case& c : {
           Case{"button's parent colour", button, "ParentColor", true, 0},
           Case{"button has no border style", button, "BorderStyle", false, -1},
           Case{"edit's parent colour", edit, "ParentColor", true, 1},
           Case{"edit's border style", edit, "BorderStyle", true, bsNone},
           Case{"form's border style", form, "BorderStyle", true, bsDialog},
           Case{"grid's border style", grid, "BorderStyle", true, bsSingle},
           Case{"names are exact", edit, "borderstyle", false, -1},
       }) {
    int value = -1;
    EXPECT_EQ(c.Control->HasProperty(c.Name, &value), c.Has) << c.Note;
    EXPECT_EQ(value, c.Value) << c.Note;
  }
  form->Free();
}

}  // namespace
