// Hollimer end to end: the console question before the main window, the two lists with their
// thumbnails (damaged ones too), the selection summary, and what closing writes.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "common/core/tests/JpegTesting.h"

#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/common_controls.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

using namespace e2e;

namespace {

using Rows = std::vector<std::vector<std::string>>;

std::string Preferences(const std::string& outputPath) {
  return "[Main]\r\nVersion=2.5\r\nOutput Path=" + outputPath + "\r\n";
}

TEST(ManagerStartup, WithoutAConsoleBothBoxesComeBeforeTheMainWindow) {
  RemoveFolderTree(ConsoleDrive::PathOf("MP_ROOT"));
  for (const char* answer : {"Yes", "No"}) {
    ManagerWindow manager("no-console", "");
    ASSERT_TRUE(manager.Ready() && manager.Start());
    const HWND question = manager.WaitForBox("PSP Connection");
    ASSERT_NE(question, nullptr) << answer;
    EXPECT_EQ(driver::MessageBoxText(question),
              "Please connect your PSP to the computer and select the proper drive.\n\r"
              "Click \"Yes\" to detect the PSP automatically.");
    EXPECT_EQ(driver::DialogButtonTexts(question), (std::vector<std::string>{"Yes", "No"}));
    EXPECT_FALSE(manager.MainShown());
    ASSERT_TRUE(driver::PressDialogButton(question, answer));

    const HWND none = manager.WaitForBox("Please connect your PSP");
    ASSERT_NE(none, nullptr) << answer;
    EXPECT_EQ(driver::MessageBoxText(none), "No PSP is connected.") << answer;
    EXPECT_FALSE(manager.MainShown()) << answer;
    ASSERT_TRUE(driver::PressDialogButton(none, IDOK));

    ASSERT_NE(manager.WaitForMain(), nullptr) << answer;
    EXPECT_EQ(driver::WindowText(manager.Main()), "Hollimer V1.1  Freeware by Tessark Team");
    EXPECT_EQ(driver::ListViewRowCount(manager.PSPList()), 0) << answer;
    EXPECT_NE(driver::WindowText(manager.ConsoleCombo()), "(P:)") << answer;
    EXPECT_TRUE(manager.Close()) << answer;
  }
}

class ManagerLists : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(FPCFolder.empty());
    const std::string videos = ConsoleDrive::PathOf("MP_ROOT\\100MNV01\\");
    const std::string thumbnail = driver::DistDir() + "\\DefaultPreview.THM";
    ASSERT_TRUE(WriteSizedFile(videos + "M4V00001.MP4", 12345678));
    ASSERT_TRUE(CopyFileA(thumbnail.c_str(), (videos + "M4V00001.THM").c_str(), FALSE));
    ASSERT_TRUE(WriteSizedFile(videos + "m4v00002.mp4", 1000000));  // no thumbnail
    ASSERT_TRUE(WriteSizedFile(videos + "M4V00003.MP4", 500000));
    ASSERT_TRUE(driver::WriteWholeFile(videos + "M4V00003.THM", "no picture"));
    ASSERT_TRUE(WriteSizedFile(videos + "clip.mp4x", 10));
    ASSERT_TRUE(WriteSizedFile(ConsoleDrive::PathOf("MP_ROOT\\101ANV01\\MAQ00001.MP4"), 2000000));
    ASSERT_TRUE(WriteSizedFile(FPCFolder + "\\b.MP4", 4000));
    ASSERT_TRUE(WriteSizedFile(FPCFolder + "\\a.mp4", 3000000));
    ASSERT_TRUE(FManager.Ready() && FManager.Start());
    ASSERT_NE(FManager.WaitForMain(), nullptr);
  }

  ConsoleDrive FConsole{{"MP_ROOT\\100MNV01", "MP_ROOT\\101ANV01"}};
  std::string FPCFolder = driver::MakeScratchFolder("pc-videos");
  ManagerWindow FManager{"console", Preferences(FPCFolder)};
};

TEST_F(ManagerLists, BothListsFilledInOrderWithoutAQuestion) {
  driver::WindowQuery question;
  question.caption = "PSP Connection";
  question.processId = FManager.ProcessId();
  EXPECT_TRUE(driver::FindTopWindows(question).empty());
  EXPECT_EQ(driver::WindowText(FManager.ConsoleCombo()), "(P:)");
  // The damaged thumbnail does not end the fill; the default stands in for the missing one.
  EXPECT_EQ(FManager.WaitForRows(FManager.PSPList(), 3),
            (Rows{{"M4V00001.MP4", "12.345678"}, {"m4v00002.mp4", "1"}, {"M4V00003.MP4", "0.5"}}));
  EXPECT_EQ(FManager.WaitForRows(FManager.PCList(), 2),
            (Rows{{"a.mp4", "3"}, {"b.MP4", "0.004"}}));

  FManager.PickType(1);
  EXPECT_EQ(FManager.WaitForRows(FManager.PSPList(), 1), (Rows{{"MAQ00001.MP4", "2"}}));
  FManager.PickType(0);
  EXPECT_EQ(FManager.WaitForRows(FManager.PSPList(), 3).size(), 3u);

  // Without the default thumbnail a video without its own is not listed.
  ASSERT_TRUE(DeleteFileA((FManager.Folder() + "\\DefaultPreview.THM").c_str()));
  ASSERT_TRUE(driver::ClickButton(FManager.Button("Re&fresh")));
  EXPECT_EQ(FManager.WaitForRows(FManager.PSPList(), 2),
            (Rows{{"M4V00001.MP4", "12.345678"}, {"M4V00003.MP4", "0.5"}}));
}

TEST_F(ManagerLists, ClickingRowsSumsTheSelectionOfThatList) {
  const std::vector<std::string> empty(4);
  EXPECT_EQ(driver::StatusBarTexts(FManager.StatusBar()), empty);
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 3).size(), 3u);
  struct Click {
    HWND list;
    int row;
    bool withCtrl;
    std::vector<std::string> panels;
  };
  for (const Click& c : {
           Click{FManager.PSPList(), 0, false, {"", "", "1 Selected.  12.35MB Total.", ""}},
           Click{FManager.PSPList(), 2, true, {"", "", "2 Selected.  12.85MB Total.", ""}},
           Click{FManager.PCList(), 1, false,
                 {"1 Selected.  0.00MB Total.", "", "2 Selected.  12.85MB Total.", ""}},
           Click{FManager.PSPList(), 1, false,
                 {"1 Selected.  0.00MB Total.", "", "1 Selected.  1.00MB Total.", ""}},
       }) {
    ASSERT_TRUE(driver::ClickListViewRow(c.list, c.row, c.withCtrl)) << c.row;
    const int changed = c.list == FManager.PCList() ? 0 : 2;
    EXPECT_EQ(FManager.WaitForStatusText(changed, c.panels[changed]), c.panels) << c.row;
  }
}

// The colours of a row's picture at its middle and four points around it, as the screen shows
// them; empty when the row has no place on the screen.
std::vector<COLORREF> RowPictureColours(HWND list, int row, const std::string& ppm) {
  SendMessageA(list, LVM_ENSUREVISIBLE, row, FALSE);
  const std::optional<RECT> icon = driver::ListViewRowBounds(list, row, LVIR_ICON);
  const driver::ScreenPicture screen = driver::ScreenPicture::Take(ppm);
  if (!icon || !screen.Complete()) return {};
  const int x = (icon->left + icon->right) / 2, y = (icon->top + icon->bottom) / 2;
  std::vector<COLORREF> colours;
  for (POINT at : {POINT{x, y}, POINT{x - 25, y - 18}, POINT{x + 25, y - 18},
                   POINT{x - 25, y + 18}, POINT{x + 25, y + 18}}) {
    if (!ClientToScreen(list, &at)) return {};
    colours.push_back(screen.At(at));
  }
  return colours;
}

std::string Described(int row, const std::vector<COLORREF>& colours) {
  std::string text = "row " + std::to_string(row) + ":";
  char colour[8];
  for (COLORREF c : colours) {
    std::snprintf(colour, sizeof colour, " %06lx", static_cast<unsigned long>(c));
    text += colour;
  }
  return text + "\n";
}

bool Near(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b) {
  if (a.empty() || a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (int shift : {0, 8, 16})
      if (std::abs(int(a[i] >> shift & 0xFF) - int(b[i] >> shift & 0xFF)) > 24) return false;
  return true;
}

// A thumbnail that cannot become a picture is passed over for the default one, whatever is
// wrong with it, at start-up and at each refresh; every video keeps exactly one row.
TEST(ManagerStartup, ThumbnailsThatAreNoPictureLeaveEveryVideoListed) {
  ConsoleDrive console;  // no question at start-up
  const std::string folder = driver::MakeScratchFolder("bad-thumbnails");
  const std::string own = jpeg_testing::Encode(160, 120, {230, 20, 20});
  const std::string standIn = driver::ReadWholeFile(driver::DistDir() + "\\DefaultPreview.THM");
  ASSERT_FALSE(folder.empty() || standIn.empty());
  const auto path = [&](const std::string& name) { return folder + "\\" + name; };
  struct Video {
    const char* name;
    std::string thumbnail;  // none when empty
  };
  const std::vector<Video> videos = {
      {"a-own", own},
      {"b-huge", jpeg_testing::WithClaimedSize(standIn, 65000, 65000)},  // 2 KB
      {"c-cut", standIn.substr(0, standIn.size() / 2)},
      {"d-empty", ""},
      {"e-folder", ""},
      {"f-text", "no picture at all"},
      {"g-print", jpeg_testing::Encode(160, 120, {0, 90, 90, 0})},  // CMYK
      {"h-none", ""},
  };
  for (const Video& video : videos) {
    ASSERT_TRUE(WriteSizedFile(path(video.name + std::string(".mp4")), 1000));
    if (!video.thumbnail.empty())
      ASSERT_TRUE(driver::WriteWholeFile(path(video.name + std::string(".THM")), video.thumbnail));
  }
  ASSERT_TRUE(driver::WriteWholeFile(path("d-empty.THM"), ""));
  ASSERT_TRUE(CreateDirectoryA(path("e-folder.THM").c_str(), nullptr));

  ManagerWindow manager("bad-thumbnails", Preferences(folder));
  ASSERT_TRUE(manager.Ready() && manager.Start());
  ASSERT_NE(manager.WaitForMain(), nullptr) << "Hollimer ended before its window";
  const auto captions = [&](int count) {
    std::vector<std::string> names;
    for (const std::vector<std::string>& row : manager.WaitForRows(manager.PCList(), count))
      names.push_back(row[0]);
    return names;
  };
  EXPECT_EQ(captions(8), (std::vector<std::string>{"a-own.mp4", "b-huge.mp4", "c-cut.mp4",
                                                   "d-empty.mp4", "e-folder.mp4", "f-text.mp4",
                                                   "g-print.mp4", "h-none.mp4"}));
  Screenshot(manager.Main(), "bad-thumbnails.png");

  // Each damaged one shows the default picture, as the video without a thumbnail does.
  const std::string ppm = path("screen.ppm");
  const auto picturesAre = [&](const std::vector<int>& rows, int sameAs) {
    std::string seen;
    const bool same = driver::WaitUntil(
        [&] {
          const std::vector<COLORREF> expected = RowPictureColours(manager.PCList(), sameAs, ppm);
          seen = Described(sameAs, expected);
          bool all = !expected.empty();
          for (int row : rows) {
            const std::vector<COLORREF> colours = RowPictureColours(manager.PCList(), row, ppm);
            seen += Described(row, colours);
            all = all && Near(colours, expected);
          }
          return all;
        },
        kWindowTimeoutMs);
    return same ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << seen;
  };
  EXPECT_TRUE(picturesAre({1, 2, 3, 4, 5, 6}, 7));
  EXPECT_FALSE(Near(RowPictureColours(manager.PCList(), 0, ppm),
                    RowPictureColours(manager.PCList(), 7, ppm)))
      << "a good thumbnail of its own is drawn";

  // A refresh with one damaged thumbnail mended and a new damaged one.
  ASSERT_TRUE(driver::WriteWholeFile(path("c-cut.THM"), own));
  ASSERT_TRUE(WriteSizedFile(path("bb-huge.mp4"), 1000));
  ASSERT_TRUE(driver::WriteWholeFile(path("bb-huge.THM"),
                                     jpeg_testing::WithClaimedSize(own, 1281, 960)));
  ASSERT_TRUE(driver::ClickButton(manager.Button("Refr&esh")));
  EXPECT_EQ(captions(9), (std::vector<std::string>{"a-own.mp4", "b-huge.mp4", "bb-huge.mp4",
                                                   "c-cut.mp4", "d-empty.mp4", "e-folder.mp4",
                                                   "f-text.mp4", "g-print.mp4", "h-none.mp4"}));
  EXPECT_TRUE(picturesAre({1, 2, 4, 5, 6, 7}, 8));
  EXPECT_TRUE(picturesAre({3}, 0)) << "the mended thumbnail is drawn";
  EXPECT_TRUE(manager.Close());
}

TEST(ManagerClose, WritesThePCFolderOnlyWithoutTheConverter) {
  ConsoleDrive console;
  const std::string written = Preferences("C:\\Videos");
  for (const bool besideConverter : {true, false}) {
    ManagerWindow manager("close", written, besideConverter);
    ASSERT_TRUE(manager.Ready() && manager.Start());
    ASSERT_NE(manager.WaitForMain(), nullptr);
    SendMessageA(manager.PathEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("C:\\Edited"));
    ASSERT_TRUE(manager.Close()) << besideConverter;
    EXPECT_EQ(driver::ReadWholeFile(manager.PreferencesFile()) == written, besideConverter);
    if (!besideConverter) {
      const std::vector<std::string> lines = driver::FileLines(manager.PreferencesFile());
      EXPECT_NE(std::find(lines.begin(), lines.end(), "Output Path=C:\\Edited"), lines.end())
          << driver::ReadWholeFile(manager.PreferencesFile());
      EXPECT_NE(std::find(lines.begin(), lines.end(), "Version=2.5"), lines.end());
    }
  }
}

}  // namespace
