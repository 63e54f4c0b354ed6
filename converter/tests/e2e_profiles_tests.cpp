// The profile editors of the running converter: a chosen profile fills them, the groups fold,
// the custom frame size dialog sets "Video Size", the Settings dialog saves the profile or a
// copy that the profile list shows at the next start, and Start turns the editors into the
// run's options.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "converter/tests/e2e_converter_window.h"
#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/files.h"
#include "testing/driver/fixture.h"
#include "testing/driver/input.h"
#include "testing/driver/message_boxes.h"
#include "testing/driver/screenshot.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace {

constexpr DWORD kTimeoutMs = 10000;
constexpr int kRowPitch = 18;  // a row of 17 pixels and its grid line

// Video: a size to choose (the custom one among them) and a fixed codec; audio: a rate whose
// second choice is selected; advanced: a title typed as text.
const char* const kAlpha =
    "[Main]\r\nType=mp4\r\nPara=4\r\n0=Video Size\r\n1=Video Codec\r\n2=Sample Rate\r\n3=Title\r\n"
    "[Video Size]\r\nSort=1\r\ncmd=-s\r\nCaption=320x240,Original Size,Custom Size,\r\n"
    "Value=320x240,,,\r\nIndex=0\r\n"
    "[Video Codec]\r\nSort=1\r\nReadOnly=1\r\nList=0\r\ncmd=-vcodec\r\nCaption=MPEG-4\r\n"
    "Value=mpeg4\r\n"
    "[Sample Rate]\r\nSort=2\r\ncmd=-ar\r\nCaption=48000 Hz,24000 Hz,\r\nValue=48000,24000,\r\n"
    "Index=1\r\n"
    "[Title]\r\nSort=3\r\nList=0\r\ncmd=-title\r\nCaption=My Video\r\n";

// Three video rows (the later two keep the editor of the one before), two audio, two advanced.
const char* const kBeta =
    "[Main]\r\nType=mp4\r\nPara=7\r\n0=Frame Rate\r\n1=V2\r\n2=V3\r\n3=A1\r\n4=A2\r\n5=X1\r\n"
    "6=X2\r\n"
    "[Frame Rate]\r\nSort=1\r\nCaption=25 fps,15 fps,\r\nValue=25,15,\r\nIndex=1\r\n"
    "[V2]\r\nList=0\r\n[V3]\r\nList=0\r\n[A1]\r\nSort=2\r\nList=0\r\n[A2]\r\nList=0\r\n"
    "[X1]\r\nSort=3\r\nList=0\r\n[X2]\r\nList=0\r\n";

// A program folder whose profiles are Alpha and Beta only, Alpha chosen.
std::string FolderWithProfiles(const std::string& name) {
  const std::string folder = driver::MakeProgramFolder(name);
  if (folder.empty()) return "";
  const std::string profiles = folder + "\\Profiles\\";
  for (const char* shipped : {"PSP H.264 480x272", "PSP MPEG-4 320x240", "PSP MPEG-4 480x272"})
    DeleteFileA((profiles + shipped + ".ovx").c_str());
  if (!driver::WriteWholeFile(profiles + "Alpha.ovx", kAlpha) ||
      !driver::WriteWholeFile(profiles + "Beta.ovx", kBeta) ||
      !driver::WriteWholeFile(folder + "\\Preferences.ini", "[Main]\r\nProfile=0\r\n"))
    return "";
  return folder;
}

HWND ChildOfClass(HWND parent, const std::string& className, int index = 0) {
  driver::WindowQuery query;
  query.className = className;
  const std::vector<HWND> found = driver::FindChildren(parent, query);
  return index < static_cast<int>(found.size()) ? found[index] : nullptr;
}

// The main window's editors stand output, video, audio, advanced; the Settings dialog's
// video, audio, advanced.
HWND Editor(HWND form, int index) { return ChildOfClass(form, "TValueListEditor", index); }

int Height(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

bool HeightsBecome(const std::vector<HWND>& editors, const std::vector<int>& heights) {
  return driver::WaitUntil(
      [&] {
        for (size_t i = 0; i < editors.size(); ++i)
          if (Height(editors[i]) != heights[i]) return false;
        return true;
      },
      kTimeoutMs);
}

// The in-place editor that a press on a value cell shows.
HWND InplaceEditor(HWND editor) {
  HWND shown = nullptr;
  driver::WaitUntil(
      [&] {
        for (HWND child = GetWindow(editor, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
          if (IsWindowVisible(child)) shown = child;
        return shown != nullptr;
      },
      kTimeoutMs);
  return shown;
}

// Presses the value cell of the row; its in-place editor, or null.
HWND PressValue(HWND editor, int keyWidth, int row) {
  driver::ClickAt(editor, POINT{keyWidth + 10, row * kRowPitch + 8});
  return InplaceEditor(editor);
}

// Presses the value cell and waits for its in-place editor to show the text: an editor shown
// by an earlier press may still hold the text from before this one is handled.
::testing::AssertionResult ShowsValue(HWND editor, int keyWidth, int row,
                                      const std::string& expected) {
  const HWND inplace = PressValue(editor, keyWidth, row);
  if (!inplace) return ::testing::AssertionFailure() << "no in-place editor shows";
  std::string shown;
  if (driver::WaitUntil([&] { return (shown = driver::WindowText(inplace)) == expected; },
                        kTimeoutMs))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the in-place editor shows \"" << shown << "\"";
}

// Picks a choice in a drop-down list the way the user's selection reports it.
void Pick(HWND comboBox, int index) {
  DWORD_PTR ignored;
  SendMessageTimeoutA(comboBox, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  PostMessageA(GetParent(comboBox), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(comboBox), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(comboBox));
}

void SetText(HWND window, const std::string& text) {
  DWORD_PTR ignored;
  SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                      SMTO_ABORTIFHUNG, 5000, &ignored);
}

constexpr int kMainKeyWidth = 95;
constexpr int kSettingsKeyWidth = 160;

TEST(ConverterProfiles, ChoosingAProfileFillsTheEditors) {
  const std::string folder = FolderWithProfiles("profiles_choose");
  ASSERT_FALSE(folder.empty());
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(converter.Main(), nullptr);
  const std::vector<HWND> editors = {Editor(converter.Main(), 1), Editor(converter.Main(), 2),
                                     Editor(converter.Main(), 3)};
  ASSERT_NE(editors[2], nullptr);

  // Alpha, chosen in the preferences, is loaded when the window shows: rows x 18 pixels.
  EXPECT_TRUE(HeightsBecome(editors, {2 * 18, 18, 18}));
  EXPECT_TRUE(ShowsValue(editors[0], kMainKeyWidth, 0, "320x240"));
  EXPECT_TRUE(ShowsValue(editors[1], kMainKeyWidth, 0, "24000 Hz"));
  EXPECT_TRUE(ShowsValue(editors[2], kMainKeyWidth, 0, "My Video"));

  Pick(ChildOfClass(converter.Main(), "TComboBox"), 1);
  EXPECT_TRUE(HeightsBecome(editors, {3 * 18, 2 * 18, 2 * 18}));
  EXPECT_TRUE(ShowsValue(editors[0], kMainKeyWidth, 0, "15 fps"));

  // The video group's button folds the editor and unfolds it to its rows and grid lines.
  driver::WindowQuery folds;
  folds.caption = "-";
  folds.className = "TButton";
  const std::vector<HWND> buttons = driver::FindChildren(converter.Main(), folds);
  ASSERT_EQ(buttons.size(), 4u);
  const HWND videoButton = buttons[1];
  EXPECT_TRUE(driver::ClickButton(videoButton));
  EXPECT_TRUE(HeightsBecome({editors[0]}, {1}));
  EXPECT_EQ(driver::WindowText(videoButton), "+");
  EXPECT_TRUE(driver::ClickButton(videoButton));
  EXPECT_TRUE(HeightsBecome({editors[0]}, {3 * 17 + 3 + 1}));
  EXPECT_EQ(driver::WindowText(videoButton), "-");
  EXPECT_TRUE(converter.Close());
}

// Before, the row showed an empty value and the run used the encoder's own default.
TEST(ConverterProfiles, AChoiceIndexOutsideTheListIsReportedWithTheProfilesName) {
  const std::string folder = FolderWithProfiles("profiles_index_outside");
  ASSERT_FALSE(folder.empty());
  std::string broken = kAlpha;
  broken.replace(broken.find("Index=1"), 7, "Index=9");
  ASSERT_TRUE(driver::WriteWholeFile(folder + "\\Profiles\\Broken.ovx", broken));
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(converter.Main(), nullptr);
  const HWND profiles = ChildOfClass(converter.Main(), "TComboBox");
  ASSERT_EQ(driver::ComboBoxItems(profiles), (std::vector<std::string>{"Alpha", "Beta", "Broken"}));
  Pick(profiles, 2);
  const HWND box = driver::WaitForMessageBox("Incorrect Profile", kTimeoutMs, converter.ProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(driver::MessageBoxText(box),
            "The profile \"Broken\" cannot be used: List index out of bounds (9): \"Sample Rate\" "
            "has 2 choices.");
  EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
  EXPECT_TRUE(converter.Close());
}

TEST(ConverterProfiles, TheOutputEditorWithoutATaskRowTipsInsteadOfEditing) {
  const std::string folder = FolderWithProfiles("profiles_output_tip");
  ASSERT_FALSE(folder.empty());
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(converter.Main(), nullptr);
  const HWND output = Editor(converter.Main(), 0);
  ASSERT_NE(output, nullptr);
  driver::WindowQuery tips;
  tips.className = "tooltips_class32";
  tips.processId = converter.ProcessId();
  tips.visibleOnly = false;
  auto tipTexts = [&] {
    std::vector<std::string> texts;
    for (HWND tip : driver::FindTopWindows(tips)) texts.push_back(driver::TooltipText(tip));
    return texts;
  };
  const std::string kTip = "Please select a file in Task List.";
  ASSERT_THAT(tipTexts(), ::testing::Not(::testing::Contains(kTip)));

  // The tip is made for the window under the pointer; it shows once the pointer moves on it,
  // which is the system's part.
  driver::ClickAt(output, POINT{kMainKeyWidth + 10, 8});
  std::vector<std::string> seen;
  EXPECT_TRUE(driver::WaitUntil(
      [&] {
        seen = tipTexts();
        return std::count(seen.begin(), seen.end(), kTip) == 1;
      },
      kTimeoutMs))
      << ::testing::PrintToString(seen);
  bool editing = false;
  for (HWND child = GetWindow(output, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    editing = editing || IsWindowVisible(child);
  EXPECT_FALSE(editing);
  EXPECT_TRUE(converter.Close());
}

TEST(ConverterProfiles, CustomSizeAsksForAWholeWidthAndHeight) {
  const std::string folder = FolderWithProfiles("profiles_custom_size");
  ASSERT_FALSE(folder.empty());
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(converter.Main(), nullptr);
  const HWND video = Editor(converter.Main(), 1);
  ASSERT_TRUE(HeightsBecome({video}, {2 * 18}));

  auto chooseCustomSize = [&] {
    const HWND sizes = PressValue(video, kMainKeyWidth, 0);
    if (!sizes) return static_cast<HWND>(nullptr);
    Pick(sizes, 2);
    return converter.WaitForForm("Video Size of output files", "TSizeForm");
  };
  const HWND dialog = chooseCustomSize();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), false));
  const HWND width = ChildOfClass(dialog, "TEdit", 0);
  const HWND height = ChildOfClass(dialog, "TEdit", 1);
  ASSERT_NE(height, nullptr);

  auto expectBox = [&](const std::string& caption, const std::string& text) {
    const HWND box = driver::WaitForMessageBox(caption, kTimeoutMs, converter.ProcessId());
    ASSERT_NE(box, nullptr) << caption;
    EXPECT_EQ(driver::MessageBoxText(box), text);
    driver::PressDialogButton(box, IDOK);
  };
  // Both empty: the width is reported, then the height.
  EXPECT_TRUE(driver::ClickButton(converter.Button(dialog, "&OK")));
  expectBox("Incorrect Width", "Please specify a proper width for output videos.");
  expectBox("Incorrect Height", "Please specify a proper height for output videos.");
  EXPECT_TRUE(IsWindowVisible(dialog));

  SetText(width, "640");
  SetText(height, "480px");
  EXPECT_TRUE(driver::ClickButton(converter.Button(dialog, "&OK")));
  expectBox("Incorrect Height", "Please specify a proper height for output videos.");
  EXPECT_TRUE(IsWindowVisible(dialog));

  SetText(height, "480");
  EXPECT_TRUE(driver::ClickButton(converter.Button(dialog, "&OK")));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog); }, kTimeoutMs));
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), true));
  // "640x480" is no choice, yet its cell shows it (before, an empty choice showed).
  EXPECT_TRUE(ShowsValue(video, kMainKeyWidth, 0, "640x480"));

  // The texts stay for the next showing; Cancel leaves no custom size behind.
  ASSERT_EQ(chooseCustomSize(), dialog);
  EXPECT_EQ(driver::WindowText(width), "640");
  EXPECT_EQ(driver::WindowText(height), "480");
  EXPECT_TRUE(driver::ClickButton(converter.Button(dialog, "&Cancel")));
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindowVisible(dialog); }, kTimeoutMs));
  EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), true));
  EXPECT_TRUE(ShowsValue(video, kMainKeyWidth, 0, "Original Size"));
  EXPECT_TRUE(converter.Close());
}

// The Settings dialog's Profiles page with the shipped H.264 profile, whose rows are taller
// than the page: before, the advanced rows lay below the box and nothing scrolled.
TEST(ConverterProfiles, EveryRowOfTheShippedH264ProfileScrollsIntoView) {
  e2e::ConverterWindow converter("profiles_scroll");
  ASSERT_NE(converter.Main(), nullptr);
  EXPECT_EQ(driver::WindowText(ChildOfClass(converter.Main(), "TComboBox")), "PSP H.264 480x272");
  EXPECT_TRUE(driver::ClickButton(converter.Button(converter.Main(), "&Setting")));
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  const HWND box = ChildOfClass(settings, "TScrollBox");
  const HWND first = Editor(settings, 0), last = Editor(settings, 2);
  ASSERT_NE(box, nullptr);
  ASSERT_NE(last, nullptr);
  // The box's client area on the screen, and where an editor stands in it.
  const auto clientOnScreen = [&] {
    RECT r;
    GetClientRect(box, &r);
    MapWindowPoints(box, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const auto rectOf = [](HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  };
  ASSERT_TRUE(driver::WaitUntil([&] { return Height(last) > 18; }, kTimeoutMs));
  const RECT client = clientOnScreen();
  ASSERT_GT(rectOf(last).bottom, client.bottom) << "the rows fit without scrolling";
  EXPECT_TRUE(driver::TakeSettledScreenshot(converter.Folder() + "\\profiles_top.png"));

  // Real clicks low on the bar's track page down, high on it page up.
  RECT frame = rectOf(box);
  const int barX = client.right + (frame.right - client.right) / 2;
  const auto pageUntil = [&](int y, const auto& shown) {
    return driver::WaitUntil(
        [&] {
          if (shown()) return true;
          if (driver::InForeground(box)) driver::ClickScreen({barX, y});
          return false;
        },
        kTimeoutMs, 300);
  };
  ASSERT_GT(frame.right - client.right, 10) << "no vertical bar";
  EXPECT_TRUE(pageUntil(client.bottom - 24, [&] { return rectOf(last).bottom <= client.bottom; }))
      << "the last row stays below the box";
  EXPECT_TRUE(driver::TakeSettledScreenshot(converter.Folder() + "\\profiles_bottom.png"));
  EXPECT_LT(rectOf(first).top, client.top);
  EXPECT_TRUE(pageUntil(client.top + 24, [&] { return rectOf(first).top >= client.top; }))
      << "the first row stays above the box";
  driver::ClickButton(converter.Button(settings, "&Cancel"));
  EXPECT_TRUE(converter.Close());
}

// The save dialog's file name box: a combo box in the newer layout, an edit box in the older.
HWND FileNameBox(HWND dialog) {
  for (int id : {0x47c, 0x480}) {
    driver::WindowQuery query;
    query.id = id;
    if (const HWND box = driver::FindChild(dialog, query)) return box;
  }
  return nullptr;
}

TEST(ConverterProfiles, SettingsSavesACopyThatTheNextStartLists) {
  const std::string folder = FolderWithProfiles("profiles_save_as");
  ASSERT_FALSE(folder.empty());
  const std::string copy = folder + "\\Profiles\\Alpha Copy.ovx";
  {
    e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
    ASSERT_NE(converter.Main(), nullptr);
    EXPECT_TRUE(driver::ClickButton(converter.Button(converter.Main(), "&Setting")));
    const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
    ASSERT_NE(settings, nullptr);
    // The Profiles page shows the main window's profile; the audio rate is picked anew.
    const HWND audio = Editor(settings, 1);
    ASSERT_TRUE(HeightsBecome({Editor(settings, 0), audio}, {2 * 18, 18}));
    const HWND rates = PressValue(audio, kSettingsKeyWidth, 0);
    ASSERT_NE(rates, nullptr);
    EXPECT_EQ(driver::WindowText(rates), "24000 Hz");
    Pick(rates, 0);

    EXPECT_TRUE(driver::ClickButton(converter.Button(settings, "&Save as...")));
    driver::WindowQuery saveQuery;
    saveQuery.className = "#32770";
    saveQuery.processId = converter.ProcessId();
    const HWND save = driver::WaitForWindow(saveQuery, kTimeoutMs);
    ASSERT_NE(save, nullptr);
    SetText(FileNameBox(save), copy);
    driver::PressDialogButton(save, IDOK);
    ASSERT_TRUE(driver::WaitUntil([&] { return driver::FileExists(copy); }, kTimeoutMs));
    // The copy has the picked rate; the source keeps its own. The copy is made first and given
    // the editors' values after: its size's "Index=0" is there before the rate's.
    EXPECT_TRUE(driver::WaitUntil(
        [&] {
          const std::vector<std::string> lines = driver::FileLines(copy);
          return std::count(lines.begin(), lines.end(), "Index=0") == 2;
        },
        kTimeoutMs))
        << driver::ReadWholeFile(copy);
    EXPECT_EQ(driver::ReadWholeFile(folder + "\\Profiles\\Alpha.ovx"), kAlpha);

    EXPECT_TRUE(driver::ClickButton(converter.Button(settings, "&Cancel")));
    EXPECT_TRUE(e2e::EnabledSoon(converter.Main(), true));
    // The lists are not filled again while the program runs.
    EXPECT_EQ(driver::ComboBoxItems(ChildOfClass(converter.Main(), "TComboBox")),
              (std::vector<std::string>{"Alpha", "Beta"}));
    ASSERT_TRUE(converter.Close());
  }
  e2e::ConverterWindow again(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(again.Main(), nullptr);
  EXPECT_EQ(driver::ComboBoxItems(ChildOfClass(again.Main(), "TComboBox")),
            (std::vector<std::string>{"Alpha", "Alpha Copy", "Beta"}));
  EXPECT_TRUE(again.Close());
}

TEST(ConverterProfiles, SettingsOkSavesTheProfileAndTheMainWindowShowsIt) {
  const std::string folder = FolderWithProfiles("profiles_settings_ok");
  ASSERT_FALSE(folder.empty());
  e2e::ConverterWindow converter(folder, e2e::ConverterWindow::kExistingFolder);
  ASSERT_NE(converter.Main(), nullptr);
  EXPECT_TRUE(driver::ClickButton(converter.Button(converter.Main(), "&Setting")));
  const HWND settings = converter.WaitForForm("Settings", "TSettingForm");
  ASSERT_NE(settings, nullptr);
  const HWND audio = Editor(settings, 1);
  ASSERT_TRUE(HeightsBecome({audio}, {18}));
  const HWND rates = PressValue(audio, kSettingsKeyWidth, 0);
  ASSERT_NE(rates, nullptr);
  Pick(rates, 0);
  EXPECT_TRUE(driver::ClickButton(converter.Button(settings, "&OK")));
  ASSERT_TRUE(e2e::EnabledSoon(converter.Main(), true));

  // A list keeps all but its index; a text is written as its caption and value (a new key goes
  // under its section's header); the read-only codec is left alone.
  std::string saved = kAlpha;
  const std::string rate = "Value=48000,24000,\r\nIndex=1";
  saved.replace(saved.find(rate), rate.size(), "Value=48000,24000,\r\nIndex=0");
  const std::string title = "[Title]\r\n";
  saved.insert(saved.find(title) + title.size(), "Value=My Video\r\n");
  EXPECT_EQ(driver::ReadWholeFile(folder + "\\Profiles\\Alpha.ovx"), saved);
  EXPECT_TRUE(ShowsValue(Editor(converter.Main(), 2), kMainKeyWidth, 0, "48000 Hz"));
  EXPECT_TRUE(converter.Close());
}

// A list without its "Value" entry gives no option, the custom size is passed as typed, and a
// profile file that cannot be written back does not stop the run from starting.
const char* const kGamma =
    "[Main]\r\nType=mp4\r\nPara=5\r\n0=Video Size\r\n1=Video Codec\r\n2=Channels\r\n"
    "3=Title\r\n4=Sample Rate\r\n"
    "[Video Size]\r\nSort=1\r\ncmd=-s\r\nCaption=320x240,Original Size,Custom Size,\r\n"
    "Value=320x240,,,\r\nIndex=0\r\n"
    "[Video Codec]\r\nSort=1\r\nReadOnly=1\r\nList=0\r\ncmd=-vcodec\r\nCaption=MPEG-4\r\n"
    "Value=mpeg4\r\n"
    "[Channels]\r\nSort=2\r\ncmd=-ac\r\nCaption=Stereo,Mono,\r\nIndex=0\r\n"
    "[Title]\r\nSort=3\r\nList=0\r\ncmd=-title\r\nCaption=My Video\r\n"
    "[Sample Rate]\r\nSort=2\r\ncmd=-ar\r\nCaption=48000 Hz,24000 Hz,\r\n"
    "Value=48000,24000,\r\nIndex=1\r\n";

class ProfileRun : public e2e::ConverterTask {};

// Before, the missing "Value" or the failed write-back raised while the run was being set up
// and left the window busy.
TEST_F(ProfileRun, TheEditorsValuesBecomeTheOptionsOfTheRun) {
  for (const char* shipped : {"PSP H.264 480x272", "PSP MPEG-4 320x240", "PSP MPEG-4 480x272"})
    DeleteFileA(Path(std::string("Profiles\\") + shipped + ".ovx").c_str());
  const std::string profile = Path("Profiles\\Gamma.ovx");
  ASSERT_TRUE(driver::WriteWholeFile(profile, kGamma));
  WriteFile("clip.avi");
  CreateDirectoryA(Path("out").c_str(), nullptr);
  const std::string out = Path("out") + "\\";
  WritePreferences(e2e::RunPreferences(out));
  ASSERT_TRUE(Start("clip.avi"));

  const HWND video = Editor(Main(), 1);
  const HWND sizes = PressValue(video, kMainKeyWidth, 0);
  ASSERT_NE(sizes, nullptr);
  Pick(sizes, 2);
  const HWND dialog = Converter().WaitForForm("Video Size of output files", "TSizeForm");
  ASSERT_NE(dialog, nullptr);
  SetText(ChildOfClass(dialog, "TEdit", 0), "640");
  SetText(ChildOfClass(dialog, "TEdit", 1), "480");
  EXPECT_TRUE(driver::ClickButton(Converter().Button(dialog, "&OK")));
  ASSERT_TRUE(e2e::EnabledSoon(Main(), true));

  // Readable, but not writable while the test holds it.
  const HANDLE held = CreateFileA(profile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  ASSERT_EQ(CreateFileA(profile.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                        nullptr, OPEN_EXISTING, 0, nullptr),
            INVALID_HANDLE_VALUE);
  Converter().Press(e2e::kStart);
  const HWND box = driver::WaitForMessageBox("Complete", kTimeoutMs, ProcessId());
  CloseHandle(held);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(driver::PressDialogButton(box, IDNO));

  std::string conversion;
  for (const std::string& line : Logged())
    if (line.rfind(" -y -i ", 0) == 0 && line.find(" -f image2 ") == std::string::npos)
      conversion = line;
  // The options in the profile's order, between the input and the run's own options.
  EXPECT_THAT(conversion,
              ::testing::HasSubstr(
                  "\\clip.avi\" -s 640x480 -vcodec mpeg4 -title \"My Video\" -ar 24000 "));
  EXPECT_EQ(driver::ReadWholeFile(profile), kGamma);
  // Idle again once the box has gone: Start can be pressed.
  EXPECT_TRUE(driver::WaitUntil([&] {
    DWORD_PTR enabled = 0;
    SendMessageTimeoutA(ChildOfClass(Main(), "TToolBar"), TB_ISBUTTONENABLED, e2e::kStart, 0,
                        SMTO_ABORTIFHUNG, 5000, &enabled);
    return enabled != 0;
  }, kTimeoutMs)) << "Start stays disabled";
  EXPECT_TRUE(Converter().Close());
}

// Before, such profiles converted with the encoder's own defaults (which the console cannot
// play), or Start failed on a file name, and nothing told why.
TEST_F(ProfileRun, AnEmptyOrMissingProfileIsReportedAndNothingIsConverted) {
  for (const char* shipped : {"PSP H.264 480x272", "PSP MPEG-4 320x240", "PSP MPEG-4 480x272"})
    DeleteFileA(Path(std::string("Profiles\\") + shipped + ".ovx").c_str());
  const std::string empty = Path("Profiles\\Empty.ovx");
  ASSERT_TRUE(driver::WriteWholeFile(empty, ""));
  WriteFile("clip.avi");
  CreateDirectoryA(Path("out").c_str(), nullptr);
  WritePreferences(e2e::RunPreferences(Path("out") + "\\"));
  const auto expectBox = [&](const std::string& text) {
    const HWND box = driver::WaitForMessageBox("Incorrect Profile", kTimeoutMs, ProcessId());
    ASSERT_NE(box, nullptr) << text;
    EXPECT_EQ(driver::MessageBoxText(box).rfind(text, 0), 0u) << driver::MessageBoxText(box);
    EXPECT_TRUE(driver::PressDialogButton(box, IDOK));
    EXPECT_TRUE(driver::WaitUntil([&] { return !IsWindow(box); }, kTimeoutMs));
  };
  const auto converted = [&] {
    int conversions = 0;
    for (const std::string& line : Logged()) conversions += line.rfind(" -y ", 0) == 0;
    return conversions;
  };

  ASSERT_TRUE(Start("clip.avi"));
  // Told when it is chosen (at start-up), and again at Start.
  expectBox("The profile \"Empty\" cannot be used: it names no output type");
  Converter().Press(e2e::kStart);
  expectBox("The profile \"Empty\" cannot be used: it names no output type");
  EXPECT_EQ(converted(), 0);
  ASSERT_TRUE(Converter().Close());

  ASSERT_TRUE(DeleteFileA(empty.c_str()));
  ASSERT_TRUE(Start("clip.avi"));
  Converter().Press(e2e::kStart);
  expectBox("A profile must be chosen before converting.");
  EXPECT_EQ(converted(), 0);
  WIN32_FIND_DATAA found;
  const HANDLE any = FindFirstFileA(Path("out\\*.*").c_str(), &found);
  int files = 0;
  for (BOOL more = any != INVALID_HANDLE_VALUE; more; more = FindNextFileA(any, &found))
    files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  if (any != INVALID_HANDLE_VALUE) FindClose(any);
  EXPECT_EQ(files, 0);
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
