// Hollimer end to end: videos to the console under its names with their thumbnails, back to
// the PC with the overwrite question, Stop, a failed copy and a failed overwrite, a PC folder
// that is the console's video folder, a drag between the lists, a move whose source stays, a
// card taken out, a Path that is no folder, and drives that fill up.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

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

using Names = std::vector<std::string>;

const std::string kVideos = ConsoleDrive::PathOf("MP_ROOT\\100MNV01\\");

class ManagerTransfers : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_FALSE(FPC.empty()); }

  void Start() {
    ASSERT_TRUE(FManager.Ready() && FManager.Start());
    ASSERT_NE(FManager.WaitForMain(), nullptr);
  }
  std::string PC(const std::string& name) const { return FPC + "\\" + name; }
  // Presses the button and answers the overwrite questions in turn; the final box's caption
  // and text. With a picture named, the screen is taken at the first question, or at the
  // final box when there is none.
  std::pair<std::string, std::string> Transfer(const std::string& button,
                                               const std::vector<std::string>& answers = {},
                                               const std::string& picture = "") {
    EXPECT_TRUE(driver::ClickButton(FManager.Button(button))) << button;
    for (const std::string& answer : answers) {
      const HWND question = FManager.WaitForBox("Overwrite");
      if (!question) return {"no question", ""};
      EXPECT_EQ(driver::MessageBoxText(question), "The destination file is existent. Overwrite it?");
      if (!picture.empty() && answer == answers.front()) EXPECT_TRUE(Screenshot(question, picture));
      driver::PressDialogButton(question, answer);
    }
    return FinalBox(answers.empty() ? picture : "");
  }
  std::pair<std::string, std::string> FinalBox(const std::string& picture = "") {
    std::pair<std::string, std::string> shown{"no final box", ""};
    HWND box = nullptr;
    driver::WaitUntil(
        [&] {
          for (const char* caption : {"Mission Accomplished", "Transfer Incomplete", "Canceled"}) {
            driver::WindowQuery query;
            query.caption = caption;
            query.className = "#32770";
            query.processId = FManager.ProcessId();
            const std::vector<HWND> found = driver::FindTopWindows(query);
            if (found.empty()) continue;
            box = found[0];
            shown = {caption, driver::MessageBoxText(box)};
            return true;
          }
          return false;
        },
        kWindowTimeoutMs);
    if (box && !picture.empty()) EXPECT_TRUE(Screenshot(box, picture));
    if (box) driver::PressDialogButton(box, IDOK);
    return shown;
  }
  static std::string Bytes(const std::string& path) { return driver::ReadWholeFile(path); }
  // The names in the folder, sorted.
  static Names FilesIn(const std::string& folder) {
    Names names;
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if (data.cFileName[0] != '.') names.push_back(data.cFileName);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
  }
  // Whether the screen shows the thumbnail of the list's row: some pixel of its picture
  // differs from the list's background just below the row.
  bool DrawsThumbnailOfRow(HWND list, int row) const {
    const std::optional<RECT> icon = driver::ListViewRowBounds(list, row, LVIR_ICON);
    const std::optional<RECT> whole = driver::ListViewRowBounds(list, row, LVIR_BOUNDS);
    if (!icon || !whole) return false;
    const driver::ScreenPicture screen = driver::ScreenPicture::Take(FPC + "\\screen.ppm");
    POINT below{icon->left + 2, whole->bottom + 2};
    if (!screen.Complete() || !ClientToScreen(list, &below)) return false;
    const COLORREF background = screen.At(below);
    for (int y = icon->top; y < icon->bottom; y += 3)
      for (int x = icon->left; x < icon->right; x += 3) {
        POINT at{x, y};
        if (ClientToScreen(list, &at) && screen.At(at) != background) return true;
      }
    return false;
  }

  ConsoleDrive FConsole{{"MP_ROOT\\100MNV01"}};
  std::string FPC = driver::MakeScratchFolder("pc-transfers");
  ManagerWindow FManager{"transfers", "[Main]\r\nOutput Path=" + FPC + "\r\n"};
  const std::string FDefault = driver::DistDir() + "\\DefaultPreview.THM";
};

TEST_F(ManagerTransfers, CopyToTheConsoleNamesEveryVideoWithItsThumbnail) {
  ASSERT_TRUE(driver::WriteWholeFile(PC("a.mp4"), "video a"));
  ASSERT_TRUE(CopyFileA(FDefault.c_str(), PC("a.THM").c_str(), FALSE));
  ASSERT_TRUE(driver::WriteWholeFile(PC("a.THM"), Bytes(PC("a.THM")) + "own"));
  ASSERT_TRUE(driver::WriteWholeFile(PC("b.mp4"), "video b"));
  ASSERT_TRUE(CreateDirectoryA(PC("b.THM").c_str(), nullptr));  // a folder is no thumbnail
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "on the console"));
  // A thumbnail without its video: the list does not show it, and it is kept.
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00002.THM", "a thumbnail left alone"));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), 2).size(), 2u);

  EXPECT_EQ(Transfer("&Copy to PSP -->"),
            std::make_pair(std::string("Mission Accomplished"),
                           std::string("The transfer is completed.")));
  EXPECT_EQ(Bytes(kVideos + "M4V00001.MP4"), "on the console");
  EXPECT_EQ(Bytes(kVideos + "M4V00002.THM"), "a thumbnail left alone");
  EXPECT_EQ(Bytes(kVideos + "M4V00003.MP4"), "video a");
  EXPECT_EQ(Bytes(kVideos + "M4V00003.THM"), Bytes(PC("a.THM")));
  EXPECT_EQ(Bytes(kVideos + "M4V00004.MP4"), "video b");
  EXPECT_EQ(Bytes(kVideos + "M4V00004.THM"), Bytes(FDefault));
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00001.MP4", "M4V00003.MP4", "M4V00004.MP4"}));
  EXPECT_TRUE(driver::FileExists(PC("a.mp4")) && driver::FileExists(PC("b.mp4")));
  // The lists are drawn again once the transfer is over: the last new row is on screen.
  EXPECT_TRUE(driver::WaitUntil([&] { return DrawsThumbnailOfRow(FManager.PSPList(), 2); },
                                kWindowTimeoutMs, 200))
      << "no pixel of the third row's thumbnail differs from the list's background";

  // The other type's folder is made by its first copy; a move takes the video off the PC.
  FManager.PickType(1);
  ASSERT_TRUE(driver::ClickListViewRow(FManager.PCList(), 1));
  EXPECT_EQ(Transfer("&Move to PSP -->").second, "The transfer is completed.");
  const std::string avc = ConsoleDrive::PathOf("MP_ROOT\\101ANV01\\");
  EXPECT_EQ(Bytes(avc + "MAQ00001.MP4"), "video b");
  EXPECT_EQ(Bytes(avc + "MAQ00001.THM"), Bytes(FDefault));
  EXPECT_FALSE(driver::FileExists(PC("b.mp4")));
  EXPECT_TRUE(FManager.Shows(FManager.PCList(), {"a.mp4"}));
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"MAQ00001.MP4"}));
}

TEST_F(ManagerTransfers, ATakenNameOnThePCIsAskedAboutAndMoveBringsTheVideoBack) {
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "console video"));
  ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + "M4V00001.THM").c_str(), FALSE));
  ASSERT_TRUE(driver::WriteWholeFile(PC("M4V00001.MP4"), "PC video"));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 1).size(), 1u);

  EXPECT_EQ(Transfer("<-- Co&py to PC", {"No"}, "hollimer-transfer.png").second,
            "The transfer is completed.");
  EXPECT_EQ(Bytes(PC("M4V00001.MP4")), "PC video");
  EXPECT_EQ(Bytes(PC("M4V00001_New.MP4")), "console video");
  EXPECT_EQ(Bytes(PC("M4V00001_New.THM")), Bytes(FDefault));
  // The dialog shows nothing of the transfer before while the question is asked.
  EXPECT_EQ(Transfer("<-- Co&py to PC", {"No"}, "hollimer-second-transfer.png").second,
            "The transfer is completed.");
  EXPECT_EQ(Bytes(PC("M4V00001_New2.MP4")), "console video");  // "_New" is taken now

  EXPECT_EQ(Transfer("<-- M&ove to PC", {"Yes"}).second, "The transfer is completed.");
  EXPECT_EQ(Bytes(PC("M4V00001.MP4")), "console video");
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00001.MP4"));
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00001.THM"));
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {}));
  EXPECT_TRUE(FManager.Shows(FManager.PCList(),
                             {"M4V00001.MP4", "M4V00001_New.MP4", "M4V00001_New2.MP4"}));
}

TEST_F(ManagerTransfers, AVideoThatCannotBeReadStaysOnTheConsoleAndIsCounted) {
  for (const char* name : {"M4V00001", "M4V00002"}) {
    ASSERT_TRUE(driver::WriteWholeFile(kVideos + name + ".MP4", name));
    ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + name + ".THM").c_str(), FALSE));
  }
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 2).size(), 2u);
  // Held open without sharing: no copy can read it.
  const HANDLE held = CreateFileA((kVideos + "M4V00001.MP4").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const auto [caption, text] = Transfer("<-- M&ove to PC");
  CloseHandle(held);
  EXPECT_EQ(caption, "Transfer Incomplete");
  EXPECT_EQ(text, "The transfer is completed.\r\n1 video could not be transferred.\r\n"
                  "M4V00001.MP4 could not be copied: " + SystemReason(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(Bytes(kVideos + "M4V00001.MP4"), "M4V00001");
  EXPECT_TRUE(driver::FileExists(kVideos + "M4V00001.THM"));
  EXPECT_FALSE(driver::FileExists(PC("M4V00001.MP4")));
  EXPECT_FALSE(driver::FileExists(PC("M4V00001.THM")));
  EXPECT_EQ(Bytes(PC("M4V00002.MP4")), "M4V00002");
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00002.MP4"));
}

// Overwriting a PC video with one that cannot be read: the PC's video and thumbnail stay
// (they were once deleted before the copy), no temporary file is left, and the box says so.
TEST_F(ManagerTransfers, AFailedOverwriteKeepsThePCVideo) {
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "console video"));
  ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + "M4V00001.THM").c_str(), FALSE));
  ASSERT_TRUE(driver::WriteWholeFile(PC("M4V00001.MP4"), "PC video"));
  ASSERT_TRUE(driver::WriteWholeFile(PC("M4V00001.THM"), Bytes(FDefault) + "PC"));
  const std::string pcThumbnail = Bytes(PC("M4V00001.THM"));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 1).size(), 1u);
  // Held open without sharing: no copy can read it.
  const HANDLE held = CreateFileA((kVideos + "M4V00001.MP4").c_str(), GENERIC_READ, 0, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_TRUE(driver::ClickButton(FManager.Button("<-- M&ove to PC")));
  const HWND question = FManager.WaitForBox("Overwrite");
  ASSERT_NE(question, nullptr);
  driver::PressDialogButton(question, "Yes");
  const auto [caption, text] = FinalBox("hollimer-failed-overwrite.png");
  CloseHandle(held);
  EXPECT_EQ(caption, "Transfer Incomplete");
  EXPECT_EQ(text, "The transfer is completed.\r\n1 video could not be transferred.\r\n"
                  "M4V00001.MP4 could not be copied: " + SystemReason(ERROR_SHARING_VIOLATION));
  EXPECT_EQ(Bytes(PC("M4V00001.MP4")), "PC video");
  EXPECT_EQ(Bytes(PC("M4V00001.THM")), pcThumbnail);
  EXPECT_EQ(FilesIn(FPC), (Names{"M4V00001.MP4", "M4V00001.THM"}));
  EXPECT_EQ(Bytes(kVideos + "M4V00001.MP4"), "console video");
  EXPECT_TRUE(driver::FileExists(kVideos + "M4V00001.THM"));
}

// The console's video folder typed as the PC folder in other spellings: each video would be
// copied onto itself (which once asked to overwrite it, deleted it on Yes and then failed).
TEST_F(ManagerTransfers, ThePCFolderSpelledAsTheConsoleFolderCopiesAndDeletesNothing) {
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "console video"));
  ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + "M4V00001.THM").c_str(), FALSE));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 1).size(), 1u);
  for (const std::string& folder :
       {kVideos + ".", ConsoleDrive::PathOf("MP_ROOT\\..\\MP_ROOT\\100MNV01")}) {
    // Typed into the path box and taken with Enter, as the user does.
    SendMessageA(FManager.PathEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
    PostMessageA(FManager.PathEdit(), WM_CHAR, '\r', 0);
    ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), 1).size(), 1u) << folder;
    for (const char* button : {"<-- Co&py to PC", "<-- M&ove to PC"}) {
      EXPECT_EQ(Transfer(button, {}, "hollimer-own-source.png"),
                std::make_pair(std::string("Transfer Incomplete"),
                               std::string("The transfer is completed.\r\n"
                                           "1 video could not be transferred.\r\n"
                                           "1 video would have been copied onto itself: the PC "
                                           "folder is the console's video folder.")))
          << folder << " " << button;
      EXPECT_EQ(Bytes(kVideos + "M4V00001.MP4"), "console video") << folder << " " << button;
      EXPECT_EQ(Bytes(kVideos + "M4V00001.THM"), Bytes(FDefault)) << folder << " " << button;
    }
  }
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00001.MP4"}));
}

TEST_F(ManagerTransfers, StopDuringALongTransferLeavesTheLastVideoUncopied) {
  // Copies from the file cache take tens of milliseconds a video: enough of them that the
  // transfer outlasts the press of Stop on a busy machine.
  constexpr size_t kLarge = 100 * 1000 * 1000;
  constexpr int kCount = 12;
  for (int i = 1; i <= kCount; ++i)
    ASSERT_TRUE(WriteSizedFile(PC(std::to_string(100 + i) + ".mp4"), kLarge));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), kCount).size(), size_t{kCount});
  ASSERT_TRUE(driver::ClickButton(FManager.Button("&Copy to PSP -->")));
  const HWND dialog = FManager.WaitForForm("TTransferForm");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(driver::WindowText(dialog), "Transfering...");
  EXPECT_FALSE(IsWindowEnabled(FManager.Main()));
  // Stop as soon as the dialog takes it: on a busy machine a wait for the first file to
  // appear can outlast the copies. The press is seen before the next video at the latest.
  driver::WindowQuery stop;
  stop.caption = "&Stop";
  ASSERT_TRUE(driver::ClickButton(driver::FindChild(dialog, stop)));
  const HWND canceled = FManager.WaitForBox("Canceled");
  ASSERT_NE(canceled, nullptr);
  EXPECT_EQ(driver::MessageBoxText(canceled), "Transfer is canceled");
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00012.MP4"));
  // Whatever arrived is whole, and the console list shows it.
  int arrived = 0;
  for (int i = 1; i < kCount; ++i) {
    const std::string name = "M4V000" + std::string(i < 10 ? "0" : "") + std::to_string(i) + ".MP4";
    if (!driver::FileExists(kVideos + name)) continue;
    ++arrived;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA((kVideos + name).c_str(), GetFileExInfoStandard, &data);
    EXPECT_EQ(data.nFileSizeLow, kLarge) << name;
  }
  EXPECT_EQ(FManager.WaitForRows(FManager.PSPList(), arrived).size(), static_cast<size_t>(arrived));
  EXPECT_FALSE(IsWindowVisible(dialog));
  driver::PressDialogButton(canceled, IDOK);
  EXPECT_TRUE(driver::WaitUntil([&] { return IsWindowEnabled(FManager.Main()) != 0; },
                                kWindowTimeoutMs));
}

TEST_F(ManagerTransfers, ADragFromThePCListOntoTheConsoleListCopies) {
  ASSERT_TRUE(driver::WriteWholeFile(PC("a.mp4"), "video a"));
  ASSERT_TRUE(driver::WriteWholeFile(PC("b.mp4"), "video b"));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), 2).size(), 2u);
  const HWND from = FManager.PCList();
  const HWND to = FManager.PSPList();
  // The second row from the left of its picture, first onto the PC list itself, which does
  // nothing, then onto the console list.
  for (HWND target : {from, to}) {
    const POINT start{40, 90};
    POINT over{60, 40};
    MapWindowPoints(target, from, &over, 1);
    PostMessageA(from, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(start.x, start.y));
    for (int step = 1; step <= 4; ++step)
      PostMessageA(from, WM_MOUSEMOVE, MK_LBUTTON,
                   MAKELPARAM(start.x + (over.x - start.x) * step / 4,
                              start.y + (over.y - start.y) * step / 4));
    PostMessageA(from, WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
  }
  EXPECT_EQ(FinalBox().second, "The transfer is completed.");
  EXPECT_EQ(Bytes(kVideos + "M4V00001.MP4"), "video b");
  EXPECT_FALSE(driver::FileExists(kVideos + "M4V00002.MP4"));
  EXPECT_TRUE(driver::FileExists(PC("b.mp4")));  // a drop copies
}

// A read-only card: the videos arrive on the PC once, stay on the card, and the box says why.
TEST_F(ManagerTransfers, AMoveFromAReadOnlyCardEndsIncompleteWithTheReason) {
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "console video"));
  ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + "M4V00001.THM").c_str(), FALSE));
  for (const char* name : {"M4V00001.MP4", "M4V00001.THM"})
    ASSERT_TRUE(SetFileAttributesA((kVideos + name).c_str(), FILE_ATTRIBUTE_READONLY));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 1).size(), 1u);
  const auto [caption, text] = Transfer("<-- M&ove to PC", {}, "hollimer-read-only-move.png");
  for (const char* name : {"M4V00001.MP4", "M4V00001.THM"})
    SetFileAttributesA((kVideos + name).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(caption, "Transfer Incomplete");
  EXPECT_EQ(text, "The transfer is completed.\r\n1 video could not be transferred.\r\n"
                  "M4V00001.MP4 was copied, but could not be deleted: " +
                      SystemReason(ERROR_ACCESS_DENIED));
  EXPECT_EQ(FilesIn(FPC), (Names{"M4V00001.MP4", "M4V00001.THM"}));
  EXPECT_EQ(Bytes(PC("M4V00001.MP4")), "console video");
  EXPECT_EQ(Bytes(kVideos + "M4V00001.MP4"), "console video");
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00001.MP4"}));
}

// The card taken out while the transfer waits on a question: the next video fails, the
// connection question comes once, and "No" ends the transfer with the count.
TEST_F(ManagerTransfers, ACardTakenOutIsAskedAboutOnce) {
  for (const char* name : {"M4V00001", "M4V00002", "M4V00003"}) {
    ASSERT_TRUE(driver::WriteWholeFile(kVideos + name + ".MP4", name));
    ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + name + ".THM").c_str(), FALSE));
  }
  ASSERT_TRUE(driver::WriteWholeFile(PC("M4V00001.MP4"), "PC video"));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 3).size(), 3u);
  ASSERT_TRUE(driver::ClickButton(FManager.Button("<-- Co&py to PC")));
  const HWND question = FManager.WaitForBox("Overwrite");
  ASSERT_NE(question, nullptr);
  const std::string root = ConsoleDrive::PathOf("MP_ROOT");
  ASSERT_TRUE(MoveFileA(root.c_str(), (root + "-out").c_str()));
  driver::PressDialogButton(question, "No");
  const HWND connect = FManager.WaitForBox("PSP Connection");
  const bool asked = connect != nullptr;
  if (asked) driver::PressDialogButton(connect, "No");
  const auto [caption, text] = FinalBox("hollimer-card-out.png");
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {}));
  MoveFileA((root + "-out").c_str(), root.c_str());
  EXPECT_TRUE(asked);
  EXPECT_EQ(caption, "Transfer Incomplete");
  EXPECT_EQ(text, "The transfer is completed.\r\n3 videos could not be transferred.\r\n"
                  "M4V00001.MP4 could not be copied: " + SystemReason(ERROR_PATH_NOT_FOUND) +
                      "\r\nThe PSP is not connected.");
  driver::WindowQuery boxes;
  boxes.className = "#32770";
  boxes.processId = FManager.ProcessId();
  for (const HWND box : driver::FindTopWindows(boxes))
    EXPECT_FALSE(IsWindowVisible(box)) << "a box after the final one: " << driver::WindowText(box);
  EXPECT_EQ(FilesIn(FPC), (Names{"M4V00001.MP4"}));
}

// A Path that names no folder is said to be none, and the copies to the PC do not go to the
// folder listed before: only to the one the Path shows once Refresh has listed it.
TEST_F(ManagerTransfers, APathThatIsNoFolderIsSaidSoAndTakesNoCopies) {
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "console video"));
  ASSERT_TRUE(CopyFileA(FDefault.c_str(), (kVideos + "M4V00001.THM").c_str(), FALSE));
  ASSERT_TRUE(driver::WriteWholeFile(PC("a.mp4"), "video a"));
  const std::string other = driver::MakeScratchFolder("pc-other");
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), 1).size(), 1u);
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 1).size(), 1u);
  const auto typePath = [&](const std::string& path) {
    SendMessageA(FManager.PathEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  };
  for (const std::string& path : {FPC + "\\missing", PC("a.mp4")}) {
    typePath(path);
    ASSERT_TRUE(driver::ClickButton(FManager.Button("Refr&esh"))) << path;
    const HWND box = FManager.WaitForBox("Refresh");
    ASSERT_NE(box, nullptr) << path;
    EXPECT_EQ(driver::MessageBoxText(box), "The Path \"" + path + "\" is not a folder.");
    if (path == PC("a.mp4")) EXPECT_TRUE(Screenshot(box, "hollimer-path-no-folder.png"));
    driver::PressDialogButton(box, IDOK);

    ASSERT_TRUE(driver::ClickButton(FManager.Button("<-- Co&py to PC"))) << path;
    const HWND refused = FManager.WaitForBox("Path");
    ASSERT_NE(refused, nullptr) << path;
    EXPECT_EQ(driver::MessageBoxText(refused),
              "The Path \"" + path + "\" is not the folder whose videos are listed.\r\n"
              "Press Refresh to list it, then start again.");
    driver::PressDialogButton(refused, IDOK);
  }
  // Another folder typed but not listed yet: not there either, until Refresh lists it.
  typePath(other);
  ASSERT_TRUE(driver::ClickButton(FManager.Button("<-- Co&py to PC")));
  const HWND refused = FManager.WaitForBox("Path");
  ASSERT_NE(refused, nullptr);
  driver::PressDialogButton(refused, IDOK);
  ASSERT_TRUE(driver::ClickButton(FManager.Button("Refr&esh")));
  EXPECT_TRUE(FManager.Shows(FManager.PCList(), {}));
  EXPECT_EQ(Transfer("<-- Co&py to PC").first, "Mission Accomplished");
  EXPECT_EQ(FilesIn(FPC), (Names{"a.mp4"}));
  EXPECT_EQ(FilesIn(other), (Names{"M4V00001.MP4", "M4V00001.THM"}));
}

TEST_F(ManagerTransfers, ATypeWhoseFolderIsNotOnTheCardListsNothing) {
  ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V00001.MP4", "console video"));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 1).size(), 1u);
  FManager.PickType(1);
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {}));
  FManager.PickType(0);
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00001.MP4"}));
}

// Drives of 1 MiB that really fill up (scripts/wine-env.d/full-drives.sh): Q: is a card, R: a
// PC disk. Four videos of 300,000 bytes, three of which fit with their thumbnails.
class ManagerFullDrives : public ManagerTransfers {
protected:
  static constexpr size_t kVideoSize = 300000;
  static constexpr const char* kCard = "Q:\\";
  static constexpr const char* kDisk = "R:\\";

  void SetUp() override {
    ManagerTransfers::SetUp();
    for (const char* drive : {kCard, kDisk}) {
      ULARGE_INTEGER total{};
      ASSERT_TRUE(GetDiskFreeSpaceExA(drive, nullptr, &total, nullptr)) << drive;
      ASSERT_LE(total.QuadPart, 2u << 20)
          << drive << " is not a small drive: could full-drives.sh not mount a tmpfs?";
    }
    // Every video its own bytes.
    for (char name = 'a'; name <= 'd'; ++name)
      FVideos[std::string(1, name)] = std::string(kVideoSize, name);
  }
  void TearDown() override {
    RemoveFolderTree(std::string(kCard) + "MP_ROOT");
    RemoveFolderTree(std::string(kDisk) + "pc");
  }
  // Every file of the folder is one of the videos whole or a thumbnail, and no more than
  // count videos are there; what the folder holds, for the failure message.
  ::testing::AssertionResult HoldsWholeVideos(const std::string& folder, size_t count) {
    size_t videos = 0;
    for (const std::string& name : FilesIn(folder)) {
      const std::string extension = name.substr(name.rfind('.'));
      if (extension == ".THM" && Bytes(folder + "\\" + name) == Bytes(FDefault)) continue;
      bool whole = false;
      for (const auto& [key, content] : FVideos) whole = whole || Bytes(folder + "\\" + name) == content;
      if (!whole || extension != ".MP4")
        return ::testing::AssertionFailure() << name << " is no whole video";
      ++videos;
    }
    if (videos != count) return ::testing::AssertionFailure() << videos << " videos";
    return ::testing::AssertionSuccess();
  }
  std::map<std::string, std::string> FVideos;
};

TEST_F(ManagerFullDrives, ACardThatFillsUpKeepsOnlyWholeVideos) {
  RemoveFolderTree(ConsoleDrive::PathOf("MP_ROOT"));  // the card is the console
  ASSERT_TRUE(CreateDirectoryA((std::string(kCard) + "MP_ROOT").c_str(), nullptr));
  for (const auto& [name, content] : FVideos)
    ASSERT_TRUE(driver::WriteWholeFile(PC(name + ".mp4"), content));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PCList(), 4).size(), 4u);
  const auto [caption, text] = Transfer("&Copy to PSP -->", {}, "hollimer-full-card.png");
  EXPECT_EQ(caption, "Transfer Incomplete");
  EXPECT_EQ(text, "The transfer is completed.\r\n1 video could not be transferred.\r\n"
                  "d.mp4 could not be copied: " + SystemReason(ERROR_DISK_FULL));
  const std::string card = std::string(kCard) + "MP_ROOT\\100MNV01";
  EXPECT_TRUE(HoldsWholeVideos(card, 3));
  EXPECT_EQ(FilesIn(card), (Names{"M4V00001.MP4", "M4V00001.THM", "M4V00002.MP4", "M4V00002.THM",
                                  "M4V00003.MP4", "M4V00003.THM"}));
  EXPECT_TRUE(FManager.Shows(FManager.PSPList(), {"M4V00001.MP4", "M4V00002.MP4", "M4V00003.MP4"}));
}

TEST_F(ManagerFullDrives, APCFolderThatFillsUpKeepsOnlyWholeVideos) {
  const std::string pc = std::string(kDisk) + "pc";
  ASSERT_TRUE(CreateDirectoryA(pc.c_str(), nullptr));
  int number = 1;
  for (const auto& [name, content] : FVideos)
    ASSERT_TRUE(driver::WriteWholeFile(kVideos + "M4V0000" + std::to_string(number++) + ".MP4", content));
  Start();
  ASSERT_EQ(FManager.WaitForRows(FManager.PSPList(), 4).size(), 4u);
  SendMessageA(FManager.PathEdit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(pc.c_str()));
  ASSERT_TRUE(driver::ClickButton(FManager.Button("Refr&esh")));
  EXPECT_TRUE(FManager.Shows(FManager.PCList(), {}));
  const auto [caption, text] = Transfer("<-- Co&py to PC");
  EXPECT_EQ(caption, "Transfer Incomplete");
  EXPECT_EQ(text, "The transfer is completed.\r\n1 video could not be transferred.\r\n"
                  "M4V00004.MP4 could not be copied: " + SystemReason(ERROR_DISK_FULL));
  EXPECT_TRUE(HoldsWholeVideos(pc, 3));
  EXPECT_EQ(FilesIn(pc), (Names{"M4V00001.MP4", "M4V00001.THM", "M4V00002.MP4", "M4V00002.THM",
                                "M4V00003.MP4", "M4V00003.THM"}));
}

}  // namespace
