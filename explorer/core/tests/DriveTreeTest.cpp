#include "explorer/core/DriveTree.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

const TNodeName kComputer{TNodeKind::Computer, "My Computer"};
const TNodeName kDriveC{TNodeKind::Drive, " (C:)  Local Disk "};
const TNodeName kDriveE{TNodeKind::Drive, " (E:)  "};

TEST(DriveTreeTest, DriveNodesNameLetterAndLabel) {
  struct Case {
    char letter;
    std::string displayName, text;
  };
  for (const Case& c : {
           Case{'C', "Local Disk (C:)", " (C:)  Local Disk "},
           Case{'E', "(E:)", " (E:)  "},                   // no label
           Case{'P', "PSP", " (P:)  PSP"},                 // no letter in the name
           Case{'D', "My (old) disk (D:)", " (D:)  My "},  // up to the first "("
       }) {
    const std::string text = DriveNodeText(c.letter, c.displayName);
    EXPECT_EQ(text, c.text) << c.displayName;
    EXPECT_EQ(text.substr(2, 2), std::string(1, c.letter) + ":") << c.displayName;
  }
}

TEST(DriveTreeTest, PathOfEveryKindOfNode) {
  const TNodeName videos{TNodeKind::Folder, "Videos"}, holiday{TNodeKind::Folder, "Holiday"};
  struct Case {
    std::vector<TNodeName> fromTop;
    std::string path;
  };
  for (const Case& c : {
           Case{{kComputer}, "Drives"},
           Case{{kComputer, kDriveE}, "E:\\"},
           Case{{kComputer, kDriveC, videos}, "C:\\Videos"},
           Case{{kComputer, kDriveC, videos, holiday}, "C:\\Videos\\Holiday"},
           // Without the computer's node the drives are the top nodes.
           Case{{kDriveE}, "E:\\"},
           Case{{kDriveC, videos, holiday}, "C:\\Videos\\Holiday"},
       })
    EXPECT_EQ(NodePath(c.fromTop), c.path) << c.fromTop.back().Text << " of " << c.fromTop.size();
}

TEST(DriveTreeTest, PathsAreSoughtPieceByPieceAmongChildren) {
  EXPECT_EQ(PathPieces("C:\\Videos\\Holiday"), (std::vector<std::string>{"C:\\", "Videos\\", "Holiday\\"}));
  EXPECT_EQ(PathPieces("c:\\"), std::vector<std::string>{"c:\\"});
  EXPECT_EQ(PathPieces(""), std::vector<std::string>{});

  const std::vector<TNodeName> drives{kDriveC, kDriveE};
  const std::vector<TNodeName> folders{{TNodeKind::Folder, "Video"}, {TNodeKind::Folder, "Videos"}};
  struct Case {
    const std::vector<TNodeName>* children;
    std::string piece;
    int index;
  };
  for (const Case& c : {
           Case{&drives, "e:\\", 1},
           Case{&drives, "C:\\", 0},
           Case{&drives, "D:\\", -1},
           Case{&folders, "VIDEOS\\", 1},  // whole names only: "Video" is not "Videos"
           Case{&folders, "Vid\\", -1},
           Case{&folders, "video\\", 0},
       })
    EXPECT_EQ(FindChildPiece(*c.children, c.piece), c.index) << c.piece;
}

}  // namespace
}  // namespace explorer
