#include "converter/core/Profiles.h"

#include "converter/core/NewInifiles.h"
#include "converter/core/tests/SampleProfile.h"

#include <filesystem>

namespace converter {
namespace {

// Saving the sample profile after changes in the editors.
class ProfileSaveTest : public SampleProfileTest {
protected:
  // The sample with one text replaced.
  static std::string SampleWith(const std::string& text, const std::string& replacement) {
    std::string sample = kSampleProfile;
    return sample.replace(sample.find(text), text.size(), replacement);
  }
};

TEST_F(ProfileSaveTest, UnchangedEditorsWriteTheFileAsItWas) {
  SaveProfile(FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), kSampleProfile);
}

TEST_F(ProfileSaveTest, ListWritesOnlyTheIndexOfItsChoice) {
  Set(TProfileGroup::Video, "Video Size", "original size");
  SaveProfile(FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), SampleWith("Index=1\r\n[Video Codec]", "Index=2\r\n[Video Codec]"));
}

TEST_F(ProfileSaveTest, ValueThatIsNoChoiceIsSavedAsMinusOne) {
  Set(TProfileGroup::Video, "Video Size", "640x480");
  SaveProfile(FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), SampleWith("Index=1\r\n[Video Codec]", "Index=-1\r\n[Video Codec]"));
}

TEST_F(ProfileSaveTest, TextWritesTheSameIntoCaptionAndValue) {
  Set(TProfileGroup::Advanced, "Title", "Holiday");
  SaveProfile(FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), SampleWith("Caption=My Clip\r\nValue=My Clip\r\n",
                                      "Caption=Holiday\r\nValue=Holiday\r\n"));
}

TEST_F(ProfileSaveTest, ReadOnlyParametersAreNotWritten) {
  Set(TProfileGroup::Video, "Video Codec", "changed");
  SaveProfile(FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), kSampleProfile);
}

TEST_F(ProfileSaveTest, ParameterWithoutARowIsLeftAsItIs) {
  FEditors.Rows(TProfileGroup::Advanced).clear();
  SaveProfile(FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), kSampleProfile);
}

TEST_F(ProfileSaveTest, MissingFileIsNotCreated) {
  SaveProfile(PathOf("none.ovx"), FEditors);
  EXPECT_FALSE(Exists("none.ovx"));
}

TEST_F(ProfileSaveTest, SaveAsCopiesTheSourceWithTheEditorsValues) {
  Set(TProfileGroup::Advanced, "Title", "Holiday");
  Write("copy.ovx", "old");
  SaveProfileAs(FPath, PathOf("copy.ovx"), FEditors);
  EXPECT_EQ(Read("p.ovx"), kSampleProfile);
  EXPECT_EQ(Read("copy.ovx"), SampleWith("Caption=My Clip\r\nValue=My Clip\r\n",
                                         "Caption=Holiday\r\nValue=Holiday\r\n"));
}

TEST_F(ProfileSaveTest, SaveAsOntoItselfKeepsTheProfile) {
  Set(TProfileGroup::Advanced, "Title", "Holiday");
  SaveProfileAs(FPath, FPath, FEditors);
  EXPECT_EQ(Read("p.ovx"), SampleWith("Caption=My Clip\r\nValue=My Clip\r\n",
                                      "Caption=Holiday\r\nValue=Holiday\r\n"));
}

// Before, the copy was written in place without a check: an unreadable source emptied the
// target and a copy that could not be written went unnoticed.
TEST_F(ProfileSaveTest, SaveAsThatCannotCopyLeavesTheTargetAndSaysSo) {
  struct Case {
    const char* source;  // a file of the scratch folder
    const char* target;
    const char* note;
  };
  std::filesystem::create_directories(PathOf("folder.ovx"));
  std::filesystem::create_directories(PathOf("unreadable.ovx"));
  for (const Case& c : {
           Case{"p.ovx", "missing folder/copy.ovx", "the target's folder is missing"},
           Case{"p.ovx", "folder.ovx", "a folder stands at the target"},
           Case{"unreadable.ovx", "copy.ovx", "the source cannot be read"},
       }) {
    const bool targetIsFile = !std::filesystem::is_directory(PathOf(c.target)) &&
                              std::string(c.target).find('/') == std::string::npos;
    if (targetIsFile) Write(c.target, "kept");
    EXPECT_THROW(SaveProfileAs(PathOf(c.source), PathOf(c.target), FEditors), EFCreateError)
        << c.note;
    if (targetIsFile) EXPECT_EQ(Read(c.target), "kept") << c.note;
    EXPECT_EQ(Read("p.ovx"), kSampleProfile) << c.note;
  }
  EXPECT_TRUE(std::filesystem::is_directory(PathOf("folder.ovx")));
  EXPECT_FALSE(Exists("missing folder"));
}

TEST_F(ProfileSaveTest, SaveAsFromAMissingSourceWritesNothing) {
  SaveProfileAs(PathOf("none.ovx"), PathOf("copy.ovx"), FEditors);
  EXPECT_FALSE(Exists("copy.ovx"));
}

}  // namespace
}  // namespace converter
