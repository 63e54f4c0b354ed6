// The skin switched under a form with a push button: the face the screen shows follows at
// once, as it follows the button's size and state; and a DisabledTag of 0 exempts no control.
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

  // At x, or across the middle.
  COLORREF Face(int x = -1) const {
    const HDC dc = GetDC(Button->Handle());
    const COLORREF pixel = GetPixel(dc, x < 0 ? Button->Width() / 2 : x, Button->Height() / 2);
    ReleaseDC(Button->Handle(), dc);
    return pixel;
  }

  TForm* Form;
  TButton* Button;
};

// The built-in skin with every frame of its button face in one colour, but for the top left
// pixel, which is the skin's see-through colour.
std::vector<std::uint8_t> BuiltInSkinWithButtonFace(COLORREF colour) {
  TBitmap builtIn;
  EXPECT_TRUE(Engine()->GetSkinBitmap("ButtonImage", &builtIn));
  skin::Image faces(builtIn.Width(), builtIn.Height(), colour);
  for (int frame = 0; frame < 3; ++frame)
    faces.SetPixel(builtIn.Width() / 3 * frame, 0, RGB(255, 0, 255));
  return BuiltInSkinWith("ButtonImage", skin::test::BmpFile(faces, 24));
}

// The colours down the middle of the skin's button face: 1 normal, 2 hot, 3 pressed.
std::vector<COLORREF> SkinFaceColors(int index = 1) {
  TBitmap frame;
  EXPECT_TRUE(Engine()->GetSkinBitmap("ButtonImage", &frame, 3, index));
  std::vector<COLORREF> colors;
  for (int y = 0; y < frame.Height(); ++y)
    colors.push_back(COLORREF(frame.Canvas()->Pixels(frame.Width() / 2, y)));
  return colors;
}

bool ShowsSkinFace(const ButtonForm& f, int index = 1, int x = -1) {
  const std::vector<COLORREF> colors = SkinFaceColors(index);
  return std::find(colors.begin(), colors.end(), f.Face(x)) != colors.end();
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

TEST(SkinSwitch, AButtonsKeptFaceFollowsItsSizeItsPressAndTheSkin) {
  MainForm();
  const ButtonForm f;
  ASSERT_TRUE(PumpUntil([&] { return ShowsSkinFace(f); })) << std::hex << f.Face();
  ASSERT_NE(SkinFaceColors(1), SkinFaceColors(3)) << "the skin's pressed face looks like its normal one";
  f.Button->SetBounds(20, 20, 200, 40);
  EXPECT_TRUE(PumpUntil([&] { return ShowsSkinFace(f, 1, 190); })) << "widened: 0x" << std::hex << f.Face(190);
  f.Button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  EXPECT_TRUE(PumpUntil([&] { return ShowsSkinFace(f, 3); })) << "pressed: 0x" << std::hex << f.Face();
  f.Button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  EXPECT_TRUE(PumpUntil([&] { return ShowsSkinFace(f, 1); })) << "released: 0x" << std::hex << f.Face();

  constexpr COLORREF kNewFace = RGB(0, 128, 128);
  Engine()->SetSkinData(BuiltInSkinWithButtonFace(kNewFace));
  EXPECT_TRUE(PumpUntil([&] { return f.Face() == kNewFace; })) << "new skin: 0x" << std::hex << f.Face();
  Engine()->SetSkinData(skin::BuiltInSkinData());
  EXPECT_TRUE(PumpUntil([&] { return ShowsSkinFace(f); })) << "built-in again: 0x" << std::hex << f.Face();
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
