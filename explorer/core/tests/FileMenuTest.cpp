#include "explorer/core/FileMenu.h"

#include <gtest/gtest.h>

#include "explorer/core/FileListTexts.h"

namespace explorer {
namespace {

using namespace std::string_literals;

// Enabled items of the main menu as their tags, then the four fixed SendTo entries as 0/1.
std::string Enabled(const TMenuState& s) {
  const TMenuEnabled e = MenuEnabled(s);
  std::string text;
  for (size_t i = 0; i < e.Main.size(); ++i)
    if (e.Main[i] && MainMenuEntries()[i].Tag) text += std::to_string(MainMenuEntries()[i].Tag) + " ";
  text += "|";
  for (bool on : e.SendTo) text += on ? "1" : "0";
  return text;
}

TEST(FileMenuTest, EnableRules) {
  struct Case {
    const char* note;
    TMenuState state;
    std::string enabled;
  };
  for (const Case& c : {
           Case{"nothing selected", {0, "", false, false}, "10 |0000"},
           Case{"nothing selected, drives listed", {0, "", false, true}, "|0000"},
           Case{"clipboard filled", {0, "", true, false}, "6 10 |0000"},
           Case{"one text file", {1, ".TXT", false, false}, "1 2 3 4 5 7 8 9 10 |1111"},
           Case{"two text files: no rename, no contents", {2, ".TXT", false, false}, "1 2 3 4 5 8 9 10 |1011"},
           Case{"one PDF: no view, no contents", {1, ".PDF", false, false}, "1 3 4 5 7 8 9 10 |1011"},
           Case{"one BMP: the last of the fourteen", {1, ".BMP", false, false}, "1 2 3 4 5 7 8 9 10 |1111"},
           Case{"one GIF: viewable, not as contents", {1, ".GIF", false, false}, "1 2 3 4 5 7 8 9 10 |1011"},
           Case{"one WMF: contents only", {1, ".WMF", false, false}, "1 3 4 5 7 8 9 10 |1111"},
           Case{"one DOC offered as contents", {1, ".DOC", false, false}, "1 2 3 4 5 7 8 9 10 |1111"},
       })
    EXPECT_EQ(Enabled(c.state), c.enabled) << c.note;
}

TEST(FileMenuTest, ItemClickDispatch) {
  struct Case {
    std::string name;
    int tag;
    TMenuAction action;
    int number;
  };
  for (const Case& c : {
           Case{"ItemOpen", 1, TMenuAction::Open, 0}, Case{"ItemView", 2, TMenuAction::View, 0},
           Case{"SubMenuSend", 3, TMenuAction::None, 0}, Case{"ItemOpCut", 4, TMenuAction::Cut, 0},
           Case{"ItemOpCopy", 5, TMenuAction::Copy, 0}, Case{"ItemOpPaste", 6, TMenuAction::Paste, 0},
           Case{"ItemRename", 7, TMenuAction::Rename, 0}, Case{"ItemDelete", 8, TMenuAction::Delete, 0},
           Case{"ItemProperty", 9, TMenuAction::Properties, 0},
           Case{"ItemFolder", 10, TMenuAction::NewFolder, 0},
           Case{"", 1, TMenuAction::None, 0},            // no name: nothing
           Case{"ItemOpen", 0, TMenuAction::None, 0},    // no tag: nothing
           Case{"Send_To0", 30, TMenuAction::SendTo, 0}, Case{"Send_To3", 33, TMenuAction::SendTo, 3},
           Case{"Send_To4", 34, TMenuAction::SendToShortcut, 0},
           Case{"Send_To99", 129, TMenuAction::SendToShortcut, 95},
           Case{"Send_To104", 134, TMenuAction::SendToShortcut, 100},  // every digit read
           Case{"Send_To", 30, TMenuAction::None, 0}, Case{"Send_Tox", 30, TMenuAction::None, 0},
           Case{"Send_To-1", 30, TMenuAction::None, 0}, Case{"Other5", 35, TMenuAction::None, 0},
       }) {
    const TMenuCommand command = ItemCommand(c.name, c.tag);
    EXPECT_EQ(command.Action, c.action) << c.name << " " << c.tag;
    EXPECT_EQ(command.Number, c.number) << c.name << " " << c.tag;
  }
  EXPECT_EQ(SendToEntryName(96), "Send_To100");
  EXPECT_EQ(SendToEntryTag(96), 130);
}

TEST(FileMenuTest, ViewersAndExtensions) {
  struct Case {
    std::string path, extension, viewer;
  };
  for (const Case& c : {
           Case{"C:\\a\\notes.txt", ".TXT", "NotePad.exe"}, Case{"C:\\a\\x.Pas", ".PAS", "NotePad.exe"},
           Case{"C:\\a\\x.c", ".C", "NotePad.exe"}, Case{"C:\\a\\x.doc", ".DOC", "Write.exe"},
           Case{"C:\\a\\x.wri", ".WRI", "Write.exe"}, Case{"C:\\a\\x.bmp", ".BMP", "PBrush.exe"},
           Case{"C:\\a\\x.jpg", ".JPG", "PBrush.exe"}, Case{"C:\\a\\x.pdf", ".PDF", ""},
           Case{"C:\\a.b\\noext", "", ""},  // a dot of the folder is no extension
           Case{"", "", ""},
       }) {
    EXPECT_EQ(UpperExtension(c.path), c.extension) << c.path;
    EXPECT_EQ(ViewerFor(c.extension), c.viewer) << c.path;
  }
}

TEST(FileMenuTest, ClipboardLists) {
  EXPECT_EQ(PathList({}), "");
  EXPECT_EQ(PathList({"C:\\a b.txt", "C:\\c.txt"}), "C:\\a b.txt\0C:\\c.txt\0"s);
  EXPECT_EQ(PasteDestination("D:\\To\\", "C:\\From\\a b.txt\0"s), "D:\\To\\a b.txt\0"s);
  EXPECT_EQ(PasteDestination("D:\\To", "C:\\From\\Sub\0"s), "D:\\To\\Sub\0"s);
  EXPECT_EQ(FileNameLines({}), "");
  EXPECT_EQ(FileNameLines({"C:\\a.txt"}), "C:\\a.txt");
  EXPECT_EQ(FileNameLines({"C:\\a.txt", "C:\\b c.txt", "C:\\d"}), "C:\\a.txt\r\nC:\\b c.txt\r\nC:\\d");
}

TEST(FileMenuTest, TheParentEntryIsKnownByItsPath) {
  for (const char* parent : {"C:\\Top\\Here\\..", "\\\\server\\share\\..", ".."})
    EXPECT_TRUE(IsParentEntry(parent)) << parent;
  for (const char* entry : {"C:\\Top\\Here\\a..", "C:\\Top\\Here\\..b", "C:\\Top\\...", "C:\\Top\\ Parent", "", "."})
    EXPECT_FALSE(IsParentEntry(entry)) << entry;
}

TEST(FileMenuTest, MenuTablesAndTexts) {
  // The dispatch reads names and tags: every entry's pair must lead to its own action.
  for (const TMenuEntry& e : SendToMenuEntries())
    EXPECT_EQ(ItemCommand(e.Name, e.Tag).Number, e.Tag - 30) << e.Caption;
  EXPECT_EQ(MainMenuEntries()[kSendToMenuIndex].Name, "SubMenuSend"s);
  EXPECT_EQ(MainMenuEntries().size(), 15u);
  struct Case {
    unsigned type;
    std::string text;
  };
  for (const Case& c : {Case{0, "Unknown"}, Case{2, "Removable Disk"}, Case{5, "CD-ROM Disk"}, Case{6, "RAM Disk"},
                        Case{7, ""}})
    EXPECT_EQ(DriveTypeText(c.type), c.text) << c.type;
  struct Size {
    long long kb;
    std::string text;
  };
  for (const Size& c : {Size{0, "0 Mb"}, Size{1, " Mb"}, Size{999, " Mb"}, Size{1000, "1 Mb"},
                        Size{999999, "999 Mb"}, Size{1000000, "1,000 Mb"},
                        Size{4000000000LL, "4,000,000 Mb"}})  // a disk past 32-bit KB counts
    EXPECT_EQ(DriveSizeText(c.kb), c.text) << c.kb;
  EXPECT_EQ(DriveSizeText(4000000000LL, "."), "4.000.000 Mb");
  EXPECT_EQ(DriveSizeText(4000000000LL, ""), "4000000 Mb");  // a locale without a thousands separator
  EXPECT_TRUE(RowEditable("a.txt", "file"));
  EXPECT_TRUE(RowEditable("Sub", "dir"));
  EXPECT_FALSE(RowEditable(" Parent", "dir"));
  EXPECT_FALSE(RowEditable(" (C:)  Disk", "drv"));
  EXPECT_TRUE(NameAcceptable("b c.txt"));
  EXPECT_FALSE(NameAcceptable("..\\b.txt"));
  EXPECT_FALSE(NameAcceptable("sub/b.txt"));
  EXPECT_FALSE(NameAcceptable(""));
  EXPECT_EQ(AttributeLetters(true, true, true, true), "ARHS");
  EXPECT_EQ(AttributeLetters(false, true, false, true), "RS");
  EXPECT_EQ(AttributeLetters(false, false, false, false), "");
}

}  // namespace
}  // namespace explorer
