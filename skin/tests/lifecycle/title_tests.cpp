// Skinned titles: the left title image of a dialog too narrow for it is cut to 50 columns (its
// left end and its last 24), so the right title image shows whole; and a title kept from the
// last paint never outlives a change of caption or skin.
#include "skin/core/tests/skin_test_data.h"
#include "skin/tests/lifecycle/main_form.h"

namespace {

constexpr COLORREF kLeftEnd = RGB(0, 0, 255), kLeftMiddle = RGB(255, 0, 0),
                   kLeftLast = RGB(0, 255, 0), kClient = RGB(128, 128, 128),
                   kRight = RGB(255, 255, 0);
constexpr int kBorder = 4, kTitle = 28;

// A skin of a title bar alone: a 120-column left image, a 42-column right image.
std::vector<std::uint8_t> NarrowTitleSkin(COLORREF client = kClient) {
  using skin::test::BmpFile;
  skin::Image left(120, kTitle, kLeftMiddle);
  for (int y = 0; y < kTitle; ++y) {
    for (int x = 0; x < 26; ++x)
      left.SetPixel(x, y, kLeftEnd);
    for (int x = 96; x < 120; ++x)
      left.SetPixel(x, y, kLeftLast);
  }
  return skin::test::BuildContainer({
                                        {"TitleBarLeftImage", 0, BmpFile(left, 24)},
                                        {"TitleBarClientImage", 0, BmpFile(skin::Image(8, kTitle, client), 24)},
                                        {"TitleBarRightImage", 0, BmpFile(skin::Image(42, kTitle, kRight), 24)},
                                        {"FormBorderWidthInt", 1, skin::test::IntData(kBorder)},
                                    })
      .Data;
}

// A shown form of that width with an engine of its own in the title skin.
struct TitleSkinnedForm {
  TForm* Form;
  TkivSkinEngine* Engine;
};

TitleSkinnedForm ShowTitleSkinnedForm(int width, bool dialog) {
  MainForm();
  TForm* form = New<TForm>(Application);
  form->SetBounds(300, 200, width, 100);
  auto* engine = new TkivSkinEngine(form);
  engine->SetSkinData(NarrowTitleSkin());
  engine->SetActive(true);
  engine->SkinWindow(form->Handle(), dialog);
  form->Show();
  return {form, engine};
}

TEST(TitleBar, ADialogsLeftTitleImageIsCutTo50ColumnsAndTheRightOneShowsWhole) {
  TForm* form = ShowTitleSkinnedForm(150, true).Form;
  // Across the title from the window's left edge: the title starts after the left border.
  const struct {
    int x;
    COLORREF colour;
    const char* note;
  } cases[] = {
      {kBorder + 10, kLeftEnd, "the left image's left end"},
      {kBorder + 40, kLeftLast, "its last columns, moved to 26..50"},
      {kBorder + 70, kClient, "the client image from column 50"},
      {kBorder + 110, kRight, "the right image, not the left image's end"},
  };
  for (const auto& c : cases) {
    COLORREF seen = 0;
    EXPECT_TRUE(PumpUntil([&] {
      const HDC dc = GetWindowDC(form->Handle());
      seen = GetPixel(dc, c.x, kTitle / 2);
      ReleaseDC(form->Handle(), dc);
      return seen == c.colour;
    })) << c.note << ": 0x" << std::hex << seen;
  }
  form->Free();
}

// Pixels of the title's middle, right of the icon, in none of the skin's colours: the caption's.
int CaptionPixels(HWND window) {
  const HDC dc = GetWindowDC(window);
  int count = 0;
  for (int y = 0; y < kTitle; ++y)
    for (int x = kBorder + 40; x < kBorder + 260; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      count += c != kLeftEnd && c != kLeftMiddle && c != kLeftLast && c != kClient && c != kRight;
    }
  ReleaseDC(window, dc);
  return count;
}

TEST(TitleBar, ShowsANewCaptionAndANewSkinAtOnce) {
  const TitleSkinnedForm shown = ShowTitleSkinnedForm(400, false);
  TForm* form = shown.Form;
  int seen = -1;
  for (const char* caption : {"", "WWWWWWWWWWWW", ""}) {
    form->SetCaption(caption);
    EXPECT_TRUE(PumpUntil([&] { return ((seen = CaptionPixels(form->Handle())) > 0) == (*caption != 0); }))
        << "caption \"" << caption << "\": " << seen << " pixels of text";
  }
  constexpr COLORREF kOtherClient = RGB(0, 128, 128);
  shown.Engine->SetSkinData(NarrowTitleSkin(kOtherClient));
  COLORREF client = 0;
  EXPECT_TRUE(PumpUntil([&] {
    const HDC dc = GetWindowDC(form->Handle());
    client = GetPixel(dc, kBorder + 300, kTitle / 2);
    ReleaseDC(form->Handle(), dc);
    return client == kOtherClient;
  })) << "the title's client image after the skin changed: 0x" << std::hex << client;
  form->Free();
}

}  // namespace
