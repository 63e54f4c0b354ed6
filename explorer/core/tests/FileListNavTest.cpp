#include "explorer/core/FileListNav.h"

#include <gtest/gtest.h>

#include <set>

namespace explorer {
namespace {

TEST(FileListNavTest, DirectoryDecision) {
  const auto exists = [](const std::string& p) { return p == "C:\\Data" || p == "C:\\Data\\" || p == "C:\\"; };
  struct Case {
    std::string current, wanted;
    TDirectoryChange change;
    std::string stored;
  };
  for (const Case& c : {
           Case{"Drives", "DRIVES", TDirectoryChange::Ignore, ""},  // same text, other case
           Case{"C:\\", "drives", TDirectoryChange::Drives, "drives"},
           Case{"Drives", "C:\\Data", TDirectoryChange::Folder, "C:\\Data\\"},
           Case{"Drives", "C:\\Data\\", TDirectoryChange::Folder, "C:\\Data\\"},
           Case{"C:\\DATA\\", "c:\\data\\", TDirectoryChange::Ignore, ""},
           Case{"Drives", "C:\\Missing", TDirectoryChange::Ignore, ""},
           Case{"Drives", "", TDirectoryChange::Ignore, ""},
       }) {
    const TDirectoryDecision d = DecideDirectory(c.current, c.wanted, exists);
    EXPECT_EQ(d.Change, c.change) << c.current << " -> " << c.wanted;
    if (d.Change != TDirectoryChange::Ignore) EXPECT_EQ(d.Stored, c.stored) << c.wanted;
  }
}

TEST(FileListNavTest, OneLevelUp) {
  struct Case {
    std::string directory;
    TUpMove move;
    std::string target;
  };
  for (const Case& c : {
           Case{"Drives", TUpMove::None, ""}, Case{"dRiVeS", TUpMove::None, ""},
           Case{"C:\\", TUpMove::Drives, ""}, Case{"C:", TUpMove::Drives, ""},
           Case{"C:\\Data\\", TUpMove::Parent, "C:\\"},
           Case{"C:\\Data\\Sub\\", TUpMove::Parent, "C:\\Data\\"},
           Case{"C:\\Data\\Sub", TUpMove::Parent, "C:\\Data\\"},
       }) {
    const TUpStep step = OneLevelUpStep(c.directory);
    EXPECT_EQ(step.Move, c.move) << c.directory;
    EXPECT_EQ(step.Target, c.target) << c.directory;
  }
}

TEST(FileListNavTest, KeyTable) {
  TListKeyState none, rows, selected, clip, folder, combo, editing, shifted;
  rows.HasRows = true;
  selected.HasRows = selected.HasSelection = true;
  clip.ClipboardFilled = true;
  none.DrivesListed = rows.DrivesListed = true;
  combo.ComboLinked = true;
  editing = selected;
  editing.Editing = true;
  shifted = selected;
  shifted.OtherModifier = true;
  auto ctrl = [](TListKeyState s) { s.Ctrl = true; return s; };
  struct Case {
    const char* note;
    TListKey key;
    TListKeyState state;
    TKeyAction action;
    bool inherited;
  };
  for (const Case& c : {
           Case{"Ctrl+A with rows", TListKey::A, ctrl(rows), TKeyAction::SelectAll, true},
           Case{"Ctrl+A without rows", TListKey::A, ctrl(none), TKeyAction::None, true},
           Case{"A alone", TListKey::A, rows, TKeyAction::None, true},
           Case{"Ctrl+C", TListKey::C, ctrl(selected), TKeyAction::Copy, true},
           Case{"Ctrl+X", TListKey::X, ctrl(selected), TKeyAction::Cut, true},
           Case{"Ctrl+X nothing selected", TListKey::X, ctrl(rows), TKeyAction::None, true},
           Case{"Ctrl+V filled", TListKey::V, ctrl(clip), TKeyAction::Paste, true},
           Case{"Ctrl+V empty", TListKey::V, ctrl(selected), TKeyAction::None, true},
           Case{"Ctrl+F", TListKey::F, ctrl(selected), TKeyAction::View, true},
           Case{"Ctrl+N in a folder", TListKey::N, ctrl(folder), TKeyAction::NewFolder, true},
           Case{"Ctrl+N on drives", TListKey::N, ctrl(none), TKeyAction::None, true},
           Case{"Ctrl+O", TListKey::O, ctrl(selected), TKeyAction::Open, true},
           Case{"Backspace", TListKey::Back, none, TKeyAction::Up, true},
           Case{"Backspace while editing", TListKey::Back, editing, TKeyAction::None, true},
           Case{"Enter", TListKey::Enter, selected, TKeyAction::Open, true},
           Case{"Enter nothing selected", TListKey::Enter, rows, TKeyAction::None, true},
           Case{"Ctrl+Enter", TListKey::Enter, ctrl(selected), TKeyAction::None, true},
           Case{"Shift+Delete", TListKey::Delete, shifted, TKeyAction::None, true},
           Case{"Delete", TListKey::Delete, selected, TKeyAction::Delete, true},
           Case{"F2", TListKey::F2, selected, TKeyAction::Rename, true},
           Case{"F2 while editing", TListKey::F2, editing, TKeyAction::None, true},
           Case{"F3", TListKey::F3, none, TKeyAction::Find, true},
           Case{"F5", TListKey::F5, none, TKeyAction::Refresh, true},
           Case{"Esc with a combo", TListKey::Escape, combo, TKeyAction::CloseDropDown, true},
           Case{"Esc without one", TListKey::Escape, none, TKeyAction::None, false},
           Case{"F4 with a combo", TListKey::F4, combo, TKeyAction::ToggleDropDown, true},
           Case{"F4 without one", TListKey::F4, selected, TKeyAction::None, false},
       }) {
    const TListKeyPlan plan = PlanListKey(c.key, c.state);
    EXPECT_EQ(plan.Action, c.action) << c.note;
    EXPECT_EQ(plan.Inherited, c.inherited) << c.note;
  }
}

TEST(FileListNavTest, NewFolderNames) {
  struct Case {
    std::set<std::string> existing;
    std::string path;
  };
  for (const Case& c : {
           Case{{}, "C:\\D\\New Folder"},
           Case{{"C:\\D\\New Folder"}, "C:\\D\\New Folder(2)"},  // no blank before the number
           Case{{"C:\\D\\New Folder", "C:\\D\\New Folder(2)", "C:\\D\\New Folder(3)"}, "C:\\D\\New Folder(4)"},
           Case{{"C:\\D\\New Folder(2)"}, "C:\\D\\New Folder"},
       })
    EXPECT_EQ(NewFolderPath("C:\\D\\", [&](const std::string& p) { return c.existing.count(p) > 0; }), c.path)
        << c.existing.size();
}

TEST(FileListNavTest, DateAndTimePatterns) {
  struct Case {
    TDtFormat format;
    std::string pattern;
  };
  for (const Case& c : {Case{TDtFormat::df_MMddyyyy, "MM/dd/yyyy"}, Case{TDtFormat::df_MMddyy, "MM/dd/yy"},
                        Case{TDtFormat::df_ddMMyyyy, "dd/MM/yyyy"}, Case{TDtFormat::df_ddMMyy_GB, "dd/MM/yy"},
                        Case{TDtFormat::df_ddMMyy_DE, "dd.MM.yy"}, Case{TDtFormat::df_ddMMyy_IT, "dd-MM-yy"},
                        Case{TDtFormat::df_yyyyMMdd, "yyyy-MM-dd"}, Case{TDtFormat::df_yyMMdd, "yy-MM-dd"},
                        Case{TDtFormat::df_Customize, "M/d/yy"}})
    EXPECT_EQ(DatePattern(c.format, "M/d/yy"), c.pattern) << int(c.format);
  EXPECT_EQ(TimePattern(TTmFormat::tfLongFormat, "hh:nn:ss", "hh:nn", "h:mm:ss tt"), "hh:nn:ss");
  EXPECT_EQ(TimePattern(TTmFormat::tfShortFormat, "hh:nn:ss", "hh:nn", "h:mm:ss tt"), "hh:nn");
  EXPECT_EQ(TimePattern(TTmFormat::tfCustomize, "", "", "h:mm:ss tt"), "h:mm:ss  AM/PM");  // cut before "t"
  EXPECT_EQ(TimePattern(TTmFormat::tfCustomize, "", "", "HH:mm:ss"), "HH:mm:ss AM/PM");
}

}  // namespace
}  // namespace explorer
