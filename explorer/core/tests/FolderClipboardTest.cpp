#include "explorer/core/FolderClipboard.h"

#include <gtest/gtest.h>

namespace explorer {
namespace {

TEST(FolderClipboardTest, OnePastePerCutOrCopy) {
  TFolderClipboard clipboard;
  EXPECT_FALSE(clipboard.Filled());
  EXPECT_FALSE(clipboard.Take("C:\\Into")) << "paste without a cut or copy";

  clipboard.Keep("C:\\Data\\Clips", TFolderTransfer::Move);
  EXPECT_TRUE(clipboard.Filled());
  const auto paste = clipboard.Take("C:\\Into");
  ASSERT_TRUE(paste);
  EXPECT_EQ(paste->Source, "C:\\Data\\Clips");
  EXPECT_EQ(paste->Destination, "C:\\Into\\");
  EXPECT_EQ(paste->Transfer, TFolderTransfer::Move);
  EXPECT_FALSE(clipboard.Filled());
  EXPECT_FALSE(clipboard.Take("C:\\Into")) << "a second paste";

  // A paste with no folder to go into still uses the cut up; a copy with nothing selected
  // keeps nothing, not the folder before.
  clipboard.Keep("C:\\Data", TFolderTransfer::Copy);
  EXPECT_FALSE(clipboard.Take(""));
  EXPECT_FALSE(clipboard.Filled());
  clipboard.Keep("C:\\Data", TFolderTransfer::Copy);
  clipboard.Keep("", TFolderTransfer::Move);
  EXPECT_FALSE(clipboard.Filled());
}

TEST(FolderClipboardTest, AFolderCannotGoIntoItself) {
  struct Case {
    const char* source;
    const char* folder;
    bool intoItself;
  };
  for (const Case& c : {
           Case{"C:\\Data", "C:\\Data\\", true},
           Case{"C:\\Data", "c:\\DATA\\Sub", true},
           Case{"C:\\Data\\", "C:\\Data\\Sub\\", true},  // the folder kept with its final "\"
           Case{"C:\\Data", "C:\\Data2\\", false},       // a sibling extending the name
           Case{"C:\\Data", "C:\\", false},
       }) {
    TFolderClipboard clipboard;
    clipboard.Keep(c.source, TFolderTransfer::Copy);
    const auto paste = clipboard.Take(c.folder);
    ASSERT_TRUE(paste) << c.source << " into " << c.folder;
    EXPECT_EQ(paste->IntoItself, c.intoItself) << c.source << " into " << c.folder;
  }
}

}  // namespace
}  // namespace explorer
