#include "converter/core/FileTypes.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

TEST(FileTypesTest, MaskListsEveryExtensionEachEndedBySemicolon) {
  EXPECT_EQ(InputMask(), "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;");
}

TEST(FileTypesTest, FilterListsAllTypesThenEachThenAllFiles) {
  EXPECT_EQ(InputFilter(),
            "All Support Files(*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;)|"
            "*.avi;*.mpg;*.mpeg;*.mp4;*.wmv;*.mov;*.vob;*.asf;|"
            "AVI Files (*.avi)|*.avi|MPG Files (*.mpg)|*.mpg|MPEG Files (*.mpeg)|*.mpeg|"
            "MP4 Files (*.mp4)|*.mp4|WMV Files (*.wmv)|*.wmv|MOV Files (*.mov)|*.mov|"
            "VOB Files (*.vob)|*.vob|ASF Files (*.asf)|*.asf|All Files (*.*)|*.*");
}

TEST(FileTypesTest, SupportedExtensionIsComparedInLowerCase) {
  EXPECT_TRUE(HasSupportedExtension("C:\\Videos\\clip.avi"));
  EXPECT_TRUE(HasSupportedExtension("C:\\Videos\\CLIP.MPEG"));
  EXPECT_TRUE(HasSupportedExtension("a.b.Vob"));
  EXPECT_FALSE(HasSupportedExtension("C:\\Videos\\clip.mkv"));
  EXPECT_FALSE(HasSupportedExtension("C:\\Videos\\clip.avi.txt"));
  EXPECT_FALSE(HasSupportedExtension("C:\\Videos\\avi"));
}

TEST(FileTypesTest, DotOfAFolderIsNoExtension) {
  EXPECT_FALSE(HasSupportedExtension("C:\\My.avi\\clip"));
}

}  // namespace
}  // namespace converter
