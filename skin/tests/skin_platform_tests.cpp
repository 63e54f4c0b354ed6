// The skinners' platform helpers on real windows.
#include "skin/SkinPlatform.h"

#include <gtest/gtest.h>

#include "skin/BuiltInSkin.h"
#include "skin/SkinDraw.h"
#include "skin/core/bitmap_ops.h"
#include "skin/core/skin_reader.h"

namespace skin {
namespace {

// A window of a system class, destroyed with the test.
class Window {
public:
  Window(const char* className, DWORD style, int width, int height)
      : FHandle(CreateWindowExA(0, className, "", style, 10, 10, width, height, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  ~Window() { DestroyWindow(FHandle); }
  HWND Handle() const { return FHandle; }

private:
  HWND FHandle;
};

TEST(SkinPlatform, BindsTheWindowInformationCalls) {
  Window bar("SCROLLBAR", WS_POPUP | SBS_VERT, 16, 100);
  ASSERT_TRUE(bar.Handle());
  SCROLLBARINFO scroll = {};
  scroll.cbSize = sizeof(scroll);
  ASSERT_TRUE(GetScrollBarInfo(bar.Handle(), OBJID_CLIENT, scroll));
  EXPECT_GT(scroll.rcScrollBar.bottom - scroll.rcScrollBar.top, 0);

  Window combo("COMBOBOX", WS_POPUP | CBS_DROPDOWN, 120, 100);
  ASSERT_TRUE(combo.Handle());
  COMBOBOXINFO info = {};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetComboBoxInfo(combo.Handle(), info));
  EXPECT_TRUE(info.hwndList);
  EXPECT_FALSE(IsWin95());
}

TEST(SkinPlatform, FramesTheWholeWindow) {
  Window popup("STATIC", WS_POPUP | WS_VISIBLE | WS_BORDER, 40, 30);
  ASSERT_TRUE(popup.Handle());
  DrawWindowBorder(popup.Handle(), 0x0000FF, 0x00FF00, true);
  HDC dc = GetWindowDC(popup.Handle());
  EXPECT_EQ(GetPixel(dc, 0, 0), 0x0000FFu);
  EXPECT_EQ(GetPixel(dc, 39, 29), 0x0000FFu);
  EXPECT_EQ(GetPixel(dc, 1, 1), 0x00FF00u);
  EXPECT_EQ(GetPixel(dc, 38, 15), 0x00FF00u);
  ReleaseDC(popup.Handle(), dc);
}

TEST(SkinPlatform, TakesTheSystemFonts) {
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof(metrics);
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  TFont menu, caption;
  caption.SetColor(clRed);
  SetMenuFont(&menu);
  SetCaptionFont(&caption);
  EXPECT_EQ(menu.Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(menu.Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(menu.Color(), clMenuText);
  EXPECT_EQ(caption.Name(), metrics.lfCaptionFont.lfFaceName);
  EXPECT_EQ(caption.Color(), clRed);
}

TEST(BuiltInSkin, IsLinkedInAsAResourceAndLoads) {
  TkivSkinReader reader;
  ASSERT_TRUE(reader.LoadFromMemory(BuiltInSkinData()));
  Image button;
  ASSERT_TRUE(reader.GetBitmap("ButtonImage", button));
  EXPECT_EQ(button.Width(), 219);
  EXPECT_EQ(reader.GetInt("FormBackgroundColor"), 0x00EFEFEF);

  // A push button face drawn at another size keeps its transparent corners undrawn.
  TBitmap face, target;
  BitmapFromImage(ExtractFrameBitmap(button, 3, 1), &face);
  BitmapFromImage(Image(120, 30, 0x00EFEFEF), &target);
  StretchSkinBitmap(&face, target.Canvas(), TRect(0, 0, 120, 30), reader.GetBool("ButtonTransparentBool"));
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), 0x00EFEFEFu);
  EXPECT_EQ(target.Canvas()->Pixels(60, 15), face.Canvas()->Pixels(36, 9));
}

}  // namespace
}  // namespace skin
