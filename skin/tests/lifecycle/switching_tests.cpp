// The skin switched under a form with a push button: the face the screen shows follows at
// once, and a DisabledTag of 0 exempts no control.
#include <algorithm>
#include <vector>

#include "framework/StdCtrls.h"
#include "skin/tests/lifecycle/main_form.h"

namespace {

// A form with one push button without a caption, shown and skinned.
struct ButtonForm {
  ButtonForm() {
    Form = New<TForm>(Application);
    Form->SetBounds(480, 40, 240, 160);
    Button = new TButton(Form);
    Button->SetParent(Form);
    Button->SetBounds(20, 20, 120, 40);
    Form->Show();  // skinned as it is activated
    EXPECT_TRUE(PumpUntil([&] { return IsSkinned(Form->Handle()); }));
  }
  ~ButtonForm() { Form->Free(); }

  COLORREF Face() const {
    const HDC dc = GetDC(Button->Handle());
    const COLORREF pixel = GetPixel(dc, Button->Width() / 2, Button->Height() / 2);
    ReleaseDC(Button->Handle(), dc);
    return pixel;
  }

  TForm* Form;
  TButton* Button;
};

// The colours down the middle of the skin's normal button face.
std::vector<COLORREF> SkinFaceColors() {
  TBitmap frame;
  EXPECT_TRUE(Engine()->GetSkinBitmap("ButtonImage", &frame, 3, 1));
  std::vector<COLORREF> colors;
  for (int y = 0; y < frame.Height(); ++y)
    colors.push_back(COLORREF(frame.Canvas()->Pixels(frame.Width() / 2, y)));
  return colors;
}

bool ShowsSkinFace(const ButtonForm& f) {
  const std::vector<COLORREF> colors = SkinFaceColors();
  return std::find(colors.begin(), colors.end(), f.Face()) != colors.end();
}

TEST(SkinSwitch, SwitchingTheSkinOffRepaintsASkinnedButtonsFaceAtOnce) {
  MainForm();
  const ButtonForm f;
  ASSERT_TRUE(PumpUntil([&] { return ShowsSkinFace(f); })) << std::hex << f.Face();
  Engine()->SetActive(false);
  EXPECT_TRUE(PumpUntil([&] { return f.Face() == GetSysColor(COLOR_BTNFACE); }))
      << "still 0x" << std::hex << f.Face();
  Engine()->SetActive(true);
  EXPECT_TRUE(PumpUntil([&] { return ShowsSkinFace(f); })) << "0x" << std::hex << f.Face();
}

TEST(SkinSwitch, ADisabledTagOf0SkinsControlsTagged0) {
  MainForm();
  Engine()->SetDisabledTag(0);
  {
    const ButtonForm f;
    EXPECT_EQ(f.Button->Perform(KM_ISSKINNED), 1);
    EXPECT_TRUE(PumpUntil([&] { return ShowsSkinFace(f); })) << "0x" << std::hex << f.Face();
  }
  Engine()->SetDisabledTag(9999);
}

}  // namespace
