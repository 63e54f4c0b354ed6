#include "explorer/core/FolderTree.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

TEST(FolderTreeTest, NodePathsFromTheRootDown) {
  const TNodeName root{TNodeKind::Computer, "My Computer"}, drive{TNodeKind::Drive, " (D:)  Data "};
  const TNodeName a{TNodeKind::Folder, "Clips"}, b{TNodeKind::Folder, "2024"};
  struct Case {
    std::vector<TNodeName> fromRoot;
    std::string path;
  };
  for (const Case& c : {
           Case{{}, ""},
           Case{{root}, ""},  // the root stands for "Drives" but has no path
           Case{{root, drive}, "D:\\"},
           Case{{root, drive, a}, "D:\\Clips"},
           Case{{root, drive, a, b}, "D:\\Clips\\2024"},
       })
    EXPECT_EQ(BuildNodePath(c.fromRoot), c.path) << c.fromRoot.size();
}

TEST(FolderTreeTest, FolderNamesAndRenames) {
  for (const std::string bad : {"", "a\\b", "*", "?", "a/b", "=", "\"", "<", ">", "|", "c:", ",", ";", "+", "^"})
    EXPECT_FALSE(FolderNameValid(bad)) << bad;
  for (const std::string good : {"New Folder", "a.b", "x-y_z (1)", "[]{}!@#$%&'~"})
    EXPECT_TRUE(FolderNameValid(good)) << good;

  EXPECT_EQ(InvalidDirectoryNameText("a:b"), "Error - Invalid Directory Name\ra:b");
  EXPECT_EQ(RenamedPath("C:\\Data\\Old", "New"), "C:\\Data\\New");
  EXPECT_EQ(RenamedPath("C:\\Old", "New"), "C:\\New");
  EXPECT_EQ(RenameQuestion("C:\\Old", "C:\\New"),
            "Do you want to rename the selected folder\r\r    From  : C:\\Old\r    To     : C:\\New");
  EXPECT_EQ(FolderNotFoundText("C:\\Gone"), "C:\\Gonenot found");
}

TEST(FolderTreeTest, OnlyPathsBelowTheFolderCountAsInside) {
  struct Case {
    std::string folder, path;
    bool prefix, inside, holds;
  };
  for (const Case& c : {
           Case{"C:\\Data", "C:\\Data\\Sub", true, true, true},
           Case{"C:\\Data", "c:\\DATA\\sub", true, true, true},
           Case{"C:\\Data", "C:\\Data2", true, false, false},  // a sibling extending the name
           Case{"C:\\Data", "C:\\Data", true, false, true},
           Case{"C:\\Data\\", "C:\\Data", false, false, true},
           Case{"C:\\Data", "C:\\Dat", false, false, false},
           Case{"C:\\", "C:\\Any", true, true, true},
           Case{"C:\\", "D:\\Any", false, false, false},
           Case{"", "C:\\", true, false, false},
       }) {
    EXPECT_EQ(IsPathPrefix(c.folder, c.path), c.prefix) << c.folder << " / " << c.path;
    EXPECT_EQ(InsideFolder(c.folder, c.path), c.inside) << c.folder << " / " << c.path;
    EXPECT_EQ(FolderHolds(c.folder, c.path), c.holds) << c.folder << " / " << c.path;
  }
}

TEST(FolderTreeTest, FilesSizeSkipsFoldersAndPassesFourGigabytes) {
  EXPECT_EQ(FilesSize({}), 0);
  EXPECT_EQ(FilesSize({{false, 0, 500}, {true, 0, 4096}, {false, 0, 24}}), 524);
  EXPECT_EQ(FilesSize({{false, 0, 0xFFFFFFFFu}, {false, 0, 1}}), 0x100000000LL);
  EXPECT_EQ(FilesSize({{false, 1, 0}, {false, 2, 5}}), 3 * 0x100000000LL + 5);
}

TEST(FolderTreeTest, TreeSizeTextsAtTheirThresholds) {
  struct Case {
    double bytes;
    std::string text;
  };
  for (const Case& c : {
           Case{0, "0.00 KB"},
           Case{1, "1.00 KB"},
           Case{500, "1.00 KB"},
           Case{1023, "1.00 KB"},
           Case{1024, "1.00 KB"},
           Case{1536, "1.50 KB"},
           Case{99999.0 * 1024, "99,999.00 KB"},
           Case{100000.0 * 1024, "97.66 MB"},
           Case{5e12, "4,768,371.58 MB"},
       })
    EXPECT_EQ(TreeSizeText(c.bytes), c.text) << c.bytes;
  // The locale's separators, as a German and a Swiss user see the sizes.
  EXPECT_EQ(TreeSizeText(5e12, {".", ","}), "4.768.371,58 MB");
  EXPECT_EQ(TreeSizeText(99999.0 * 1024, {"'", "."}), "99'999.00 KB");
  EXPECT_EQ(TreeSizeMessage("Drive E:\\", 1536, {".", ","}),
            "=== TREE SIZE ===\r\rDrive E:\\\rand all its Sub-Folders  =  1,50 KB");

  EXPECT_EQ(TreeSizeTitle("C:\\", true), "Drive C:\\");
  EXPECT_EQ(TreeSizeTitle("C:\\Data\\Clips", false), "Folder \"Clips\"");
  EXPECT_EQ(TreeSizeTitle("C:\\Data\\Clips\\", false), "Folder \"Clips\"");
  EXPECT_EQ(TreeSizeMessage("Drive E:\\", 0),
            "=== TREE SIZE ===\r\rDrive E:\\\rand all its Sub-Folders  =  0.00 KB");
}

TEST(FolderTreeTest, ContentsCaptions) {
  EXPECT_EQ(ContentsCaption("E:\\", true), "Files in \" E:\\ \"");
  EXPECT_EQ(ContentsCaption("C:\\Data\\Clips", false), "Files in \" ..\\Clips \"");
  EXPECT_EQ(ContentsCaption("C:\\Data\\Clips\\", false), "Files in \" ..\\Clips \"");
}

TEST(FolderTreeTest, MenuEnabledByNodeKindAndClipboard) {
  // Index:                    0 New 1 Ren 2 Del 3 -  4 Cut 5 Copy 6 Paste 7 -  8 Size 9 Cont 10 - 11 Map 12 Dis 13 - 14 Prop
  using V = std::vector<bool>;
  struct Case {
    std::optional<TNodeKind> kind;
    bool clipboard;
    V enabled;
  };
  for (const Case& c : {
           Case{std::nullopt, true, V{0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 0}},
           Case{TNodeKind::Computer, true, V{0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, 1, 1, 1, 0}},
           Case{TNodeKind::Drive, true, V{1, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
           Case{TNodeKind::Folder, false, V{1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1}},
           Case{TNodeKind::Folder, true, V{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
       })
    EXPECT_EQ(TreeMenuEnabled(c.kind, c.clipboard), c.enabled)
        << (c.kind ? static_cast<int>(*c.kind) : -1) << " " << c.clipboard;
}

TEST(FolderTreeTest, ItemsActByTagAndNetworkDriveByMask) {
  EXPECT_EQ(TreeItemAction("AddNode", 1), TTreeAction::NewFolder);
  EXPECT_EQ(TreeItemAction("ItemProperty", 11), TTreeAction::Properties);
  EXPECT_EQ(TreeItemAction("", 1), TTreeAction::None);
  EXPECT_EQ(TreeItemAction("AddNode", 0), TTreeAction::None);
  EXPECT_EQ(TreeItemAction("AddNode", 12), TTreeAction::None);

  const std::uint32_t cz = (1u << 2) | (1u << 25);  // C: and Z:, as under Wine
  EXPECT_EQ(AddedDrive(cz, cz | (1u << 12)), 'M');
  EXPECT_EQ(AddedDrive(cz, cz), 0);
  EXPECT_EQ(AddedDrive(cz, 1u << 2), 0);  // a drive that went adds nothing
  EXPECT_EQ(AddedDrive(0, 1u), 'A');
}

}  // namespace
}  // namespace explorer
