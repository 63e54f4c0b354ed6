// Screenshots of the X screen: a PNG to look at, and pixels a test can check.
#include <gtest/gtest.h>

#include "testing/driver/files.h"
#include "testing/driver/screenshot.h"
#include "testing/tests/sample_window_fixture.h"

using namespace driver;

namespace {

unsigned BigEndian(const std::string& data, size_t at) {
  unsigned value = 0;
  for (size_t i = at; i < at + 4; ++i) value = value << 8 | static_cast<unsigned char>(data[i]);
  return value;
}

TEST(Screenshot, IsAPngOfTheWholeScreen) {
  const std::string path = MakeScratchFolder("screenshot") + "\\screen.png";
  ASSERT_TRUE(TakeScreenshot(path));
  const std::string png = ReadWholeFile(path);
  ASSERT_GE(png.size(), 24u);
  EXPECT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1A\n");
  EXPECT_EQ(png.substr(12, 4), "IHDR");
  EXPECT_EQ(BigEndian(png, 16), static_cast<unsigned>(GetSystemMetrics(SM_CXSCREEN)));
  EXPECT_EQ(BigEndian(png, 20), static_cast<unsigned>(GetSystemMetrics(SM_CYSCREEN)));
}

TEST(Screenshot, NeedsAnExtensionForItsFormat) {
  EXPECT_FALSE(TakeScreenshot(MakeScratchFolder("screenshot") + "\\screen", 2000));
}

// The sample window where it stands, above other tests' windows: its face and its list's
// white page. A screenshot shows what the X server has, so a busy machine may need a few
// until the window has painted.
TEST_F(SampleWindow, ShowsOnAScreenshot) {
  ASSERT_TRUE(SetWindowPos(FWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE));
  RECT status, list;
  GetWindowRect(Control(sample::kStatusId), &status);
  GetWindowRect(Control(sample::kListId), &list);
  const POINT face{(status.left + status.right) / 2, status.bottom + 6};
  const POINT page{(list.left + list.right) / 2, list.bottom - 8};

  const std::string path = MakeScratchFolder("screenshot") + "\\screen.ppm";
  ScreenPicture picture("");
  WaitUntil([&] {
    picture = ScreenPicture::Take(path);
    return picture.Complete() && picture.At(face) == GetSysColor(COLOR_BTNFACE) &&
           picture.At(page) == GetSysColor(COLOR_WINDOW);
  }, 10000, 200);
  ASSERT_TRUE(picture.Complete());
  ASSERT_EQ(picture.Width(), GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(picture.Height(), GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(picture.At(face), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(picture.At(page), GetSysColor(COLOR_WINDOW));
}

}  // namespace
