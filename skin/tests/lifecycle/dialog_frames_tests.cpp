// An open plain dialog's frame under the engine's switches: Active set again to what it is, a
// skin with another frame, and a skin file that cannot be read. The dialog's client area is
// what the user sees of it: it keeps its size through all of them.
#include <fstream>
#include <string>
#include <utility>

#include "skin/tests/lifecycle/main_form.h"

namespace {

using Size = std::pair<int, int>;

Size WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {int(r.right - r.left), int(r.bottom - r.top)};
}

Size ClientSize(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {int(r.right), int(r.bottom)};
}

std::string Text(const Size& size) {
  return std::to_string(size.first) + "x" + std::to_string(size.second);
}

// The dialog's size with the skin switched off, and with it on again.
struct Sizes {
  Size Plain, Skinned;
};

Sizes SizesOf(HWND dialog) {
  Engine()->SetActive(false);
  const Size plain = WindowSize(dialog);
  Engine()->SetActive(true);
  return {plain, WindowSize(dialog)};
}

TEST(DialogFrames, ActiveSetAgainToItsValueLeavesAnOpenDialogsSize) {
  const HWND dialog = ShowPlainDialog();
  const Sizes sizes = SizesOf(dialog);
  ASSERT_NE(sizes.Plain, sizes.Skinned) << "the skinned frame is no other size: nothing to see";
  for (int again = 1; again <= 2; ++again) {
    Engine()->SetActive(true);
    EXPECT_EQ(WindowSize(dialog), sizes.Skinned) << "on, set again " << again << ": " << Text(WindowSize(dialog));
  }
  Engine()->SetActive(false);
  Engine()->SetActive(false);
  EXPECT_EQ(WindowSize(dialog), sizes.Plain) << "off, set again: " << Text(WindowSize(dialog));
  Engine()->SetActive(true);
  EXPECT_EQ(WindowSize(dialog), sizes.Skinned) << Text(WindowSize(dialog));
  DestroyWindow(dialog);
}

TEST(DialogFrames, ASkinWithAnotherFrameKeepsAnOpenDialogsClientArea) {
  const HWND dialog = ShowPlainDialog();
  const Size client = ClientSize(dialog), window = WindowSize(dialog);
  // A title far higher than the built-in skin's, and than the platform's.
  TBitmap left;
  ASSERT_TRUE(Engine()->GetSkinBitmap("TitleBarLeftImage", &left));
  const skin::Image higher(left.Width(), left.Height() + 40, RGB(0, 0, 128));
  Engine()->SetSkinData(BuiltInSkinWith("TitleBarLeftImage", skin::test::BmpFile(higher, 24)));
  ASSERT_EQ(Engine()->Metrics().TitleHeight, left.Height() + 40);
  EXPECT_EQ(ClientSize(dialog), client) << "under the higher title: " << Text(ClientSize(dialog));
  EXPECT_EQ(WindowSize(dialog).second, window.second + 40) << Text(WindowSize(dialog));

  Engine()->SetSkinData(skin::BuiltInSkinData());
  EXPECT_EQ(ClientSize(dialog), client) << "built-in again: " << Text(ClientSize(dialog));
  EXPECT_EQ(WindowSize(dialog), window) << "built-in again: " << Text(WindowSize(dialog));
  DestroyWindow(dialog);
}

TEST(DialogFrames, ASkinFileThatCannotBeReadGivesTheWindowsTheirPlatformFrames) {
  const HWND dialog = ShowPlainDialog();
  const Sizes sizes = SizesOf(dialog);
  const HWND form = MainForm()->Handle();
  ASSERT_FALSE(GetWindowLongA(form, GWL_STYLE) & WS_SYSMENU) << "the skin keeps the platform's system menu";

  char folder[MAX_PATH] = "";
  GetTempPathA(sizeof folder, folder);
  const std::string damaged = std::string(folder) + "damaged skin.kiv";
  std::ofstream(damaged, std::ios::binary) << "KIVSKIN but nothing after";
  Engine()->SetSkinFile(damaged);
  DeleteFileA(damaged.c_str());
  EXPECT_FALSE(Engine()->Ready());
  EXPECT_EQ(WindowSize(dialog), sizes.Plain) << "the dialog: " << Text(WindowSize(dialog));
  EXPECT_TRUE(GetWindowLongA(form, GWL_STYLE) & WS_SYSMENU) << "the main form has no system menu";

  // A readable skin later skins them again.
  Engine()->SetSkinData(skin::BuiltInSkinData());
  EXPECT_TRUE(IsSkinned(dialog));
  EXPECT_EQ(WindowSize(dialog), sizes.Skinned) << "skinned again: " << Text(WindowSize(dialog));
  EXPECT_FALSE(GetWindowLongA(form, GWL_STYLE) & WS_SYSMENU);
  DestroyWindow(dialog);
}

}  // namespace
