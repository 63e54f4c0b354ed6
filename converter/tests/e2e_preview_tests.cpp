// The preview pane end to end: generated clips play in the video window, pause, resume, stop,
// seek and give way to another row; a file that cannot be rendered is reported.
#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/clips.h"
#include "testing/driver/common_controls.h"
#include "testing/driver/remote_block.h"
#include "testing/driver/screenshot.h"

namespace {

constexpr DWORD kTimeoutMs = 30000;

std::string TempPath(const std::string& name) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  return folder + name;
}

class ConverterPreview : public e2e::ConverterTask {
 protected:
  void SetUp() override {
    ConverterTask::SetUp();
    for (const auto& [name, seconds] : {std::pair{"long.avi", 9.0}, std::pair{"short.avi", 4.0}})
      ASSERT_TRUE(driver::GenerateColourClip(driver::RealEncoderPath(), Path(name), seconds, 160,
                                             120, false)) << name;
    WriteFile("broken.avi", "not a video");
    ASSERT_TRUE(Start("\"" + Path("long.avi") + "\" \"" + Path("short.avi") + "\" \"" +
                      Path("broken.avi") + "\""));
    ASSERT_EQ(Rows().size(), 3u);
  }

  HWND Child(const std::string& className, const std::string& caption = "") const {
    driver::WindowQuery query;
    query.className = className;
    query.caption = caption;
    return driver::FindChild(Main(), query);
  }
  HWND TrackBar() const { return Child("TDSTrackBar"); }
  HWND Renderer() const {
    HWND video = Child("TVideoWindow");
    return video ? FindWindowExA(GetParent(video), nullptr, nullptr, "VideoWindow1") : nullptr;
  }
  int SliderPosition() const { return (int)driver::Ask(TrackBar(), TBM_GETPOS, 0, 0); }
  int SliderMax() const { return (int)driver::Ask(TrackBar(), TBM_GETRANGEMAX, 0, 0); }
  // Play, Pause / Resume and Stop stand side by side on the buttons' panel, 40 pixels apart.
  void Press(int button) const {
    driver::ClickAt(ButtonPanel(), POINT{20 + 40 * button, 12});
  }
  // The panel under the slider, which the speed buttons are painted on.
  HWND ButtonPanel() const {
    RECT slider;
    GetWindowRect(TrackBar(), &slider);
    return WindowFromPoint(POINT{slider.left + 5, slider.bottom + 5});
  }
  int SelectedRow() const { return (int)driver::Ask(TaskList(), LVM_GETNEXTITEM, -1, LVNI_SELECTED); }
  bool DoubleClickRow(int row) const {
    driver::RemoteBlock block(TaskList(), sizeof(RECT));
    RECT bounds{LVIR_LABEL, 0, 0, 0};
    if (!block.Write(&bounds, sizeof bounds) ||
        driver::Ask(TaskList(), LVM_GETITEMRECT, row, (LPARAM)block.Address()) <= 0 ||
        !block.Read(&bounds, sizeof bounds))
      return false;
    const LPARAM at = MAKELPARAM((bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2);
    return driver::ClickListViewRow(TaskList(), row) &&
           PostMessageA(TaskList(), WM_LBUTTONDBLCLK, MK_LBUTTON, at) &&
           PostMessageA(TaskList(), WM_LBUTTONUP, 0, at);
  }
  // A press and a release on the slider's thumb: a seek to where the thumb stands.
  bool ClickThumb() const {
    driver::RemoteBlock block(TrackBar(), sizeof(RECT));
    RECT thumb{};
    if (driver::Ask(TrackBar(), TBM_GETTHUMBRECT, 0, (LPARAM)block.Address()) < 0 ||
        !block.Read(&thumb, sizeof thumb))
      return false;
    const LPARAM at = MAKELPARAM((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
    return PostMessageA(TrackBar(), WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           PostMessageA(TrackBar(), WM_LBUTTONUP, 0, at);
  }
  bool SliderReaches(int position) const {
    return driver::WaitUntil([&] { return SliderPosition() >= position; }, kTimeoutMs);
  }
};

TEST_F(ConverterPreview, PlaysPausesResumesSeeksStopsAndGivesWayToAnotherRow) {
  ASSERT_EQ(SelectedRow(), -1);
  Press(0);
  EXPECT_TRUE(driver::WaitUntil([&] { return Renderer() && IsWindowVisible(Renderer()); }, kTimeoutMs));
  EXPECT_EQ(SelectedRow(), 0) << "Play without a selection takes the first row";
  ASSERT_TRUE(SliderReaches(2)) << SliderPosition();
  EXPECT_EQ(SliderMax(), 9) << "one step a second";
  EXPECT_TRUE(driver::TakeScreenshot(TempPath("converter-preview.png")));

  // Paused, the slider may be moved and let go: the play goes on from there.
  Press(1);
  SendMessageA(TrackBar(), TBM_SETPOS, TRUE, 6);
  ASSERT_TRUE(ClickThumb());
  Press(1);
  EXPECT_TRUE(SliderReaches(7)) << SliderPosition();

  // Stopped, Pause / Resume does nothing; Play starts the row over.
  Press(2);
  Press(1);
  Press(0);
  EXPECT_TRUE(driver::WaitUntil([&] { return SliderPosition() < 3; }, kTimeoutMs)) << SliderPosition();

  // Another row replaces the picture with its own clip from its start.
  ASSERT_TRUE(DoubleClickRow(1));
  EXPECT_TRUE(driver::WaitUntil([&] { return SliderMax() == 4; }, kTimeoutMs)) << SliderMax();
  EXPECT_LT(SliderPosition(), 2);
  EXPECT_TRUE(Converter().Close());
}

TEST_F(ConverterPreview, AFileThatCannotBeRenderedIsReportedAndTheNextPreviewPlays) {
  ASSERT_TRUE(DoubleClickRow(2));
  // The framework's report of the exception: the platform's text and the code.
  const HWND dialog = driver::WaitForMessageBox("Tessark", kTimeoutMs, ProcessId());
  ASSERT_NE(dialog, nullptr) << "row " << SelectedRow();
  const std::string message = driver::MessageBoxText(dialog);
  EXPECT_NE(message.find(" ($8004"), std::string::npos) << message;
  EXPECT_EQ(message.back(), '.') << message;
  EXPECT_TRUE(driver::PressDialogButton(dialog, IDOK));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(dialog); }, kTimeoutMs));

  ASSERT_TRUE(DoubleClickRow(0));
  EXPECT_TRUE(SliderReaches(1)) << SliderPosition();
  EXPECT_EQ(SliderMax(), 9);
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
