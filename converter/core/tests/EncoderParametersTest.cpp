#include "converter/core/Profiles.h"

#include "converter/core/tests/SampleProfile.h"

namespace converter {
namespace {

// Options from the sample profile with the editors as loaded, then as the user changes them.
class EncoderParametersTest : public SampleProfileTest {
protected:
  std::string Options() const { return BuildEncoderParameters(FPath, FEditors); }
};

TEST_F(EncoderParametersTest, EachOptionStartsWithABlankInProfileOrder) {
  // "-an" passes alone ("\"), leaving two blanks before the next option; the title is quoted.
  EXPECT_EQ(Options(), " -s 480x272 -vcodec mpeg4 -an  -title \"My Clip\"");
}

TEST_F(EncoderParametersTest, ChoiceGivesTheValueAtItsPositionInAnyCase) {
  Set(TProfileGroup::Video, "Video Size", "320X240");
  Set(TProfileGroup::Audio, "Audio", "On");
  EXPECT_EQ(Options(), " -s 320x240 -vcodec mpeg4 -title \"My Clip\"");
}

TEST_F(EncoderParametersTest, ChoiceWithAnEmptyValueGivesNoOption) {
  Set(TProfileGroup::Video, "Video Size", "Original Size");
  EXPECT_EQ(Options(), " -vcodec mpeg4 -an  -title \"My Clip\"");
}

TEST_F(EncoderParametersTest, ValueThatIsNoChoicePassesAsItStands) {
  Set(TProfileGroup::Video, "Video Size", "640x480");
  EXPECT_EQ(Options().substr(0, 12), " -s 640x480 ");
}

TEST_F(EncoderParametersTest, ReadOnlyTextPassesItsValueWhateverItShows) {
  Set(TProfileGroup::Video, "Video Codec", "something else");
  EXPECT_NE(Options().find(" -vcodec mpeg4 "), std::string::npos);
}

TEST_F(EncoderParametersTest, EditedTextIsTheValueAndEmptyTextGivesNoOption) {
  Set(TProfileGroup::Advanced, "Threads", "2");
  Set(TProfileGroup::Advanced, "Title", "");
  EXPECT_EQ(Options(), " -s 480x272 -vcodec mpeg4 -an  -threads 2");
}

TEST_F(EncoderParametersTest, OnlyTheLowerCaseTitleOptionIsQuoted) {
  Write("p.ovx", "[Main]\r\nPara=1\r\n0=Title\r\n[Title]\r\nSort=3\r\nList=0\r\ncmd=-Title\r\n");
  Set(TProfileGroup::Advanced, "Title", "My Clip");
  EXPECT_EQ(Options(), " -Title My Clip");
}

TEST_F(EncoderParametersTest, ChoiceWithoutAValueItemGivesNoOption) {
  // The "Value" list lost its final comma, so "480x272" has no value.
  Write("p.ovx",
        "[Main]\r\nPara=2\r\n0=Video Size\r\n1=Audio\r\n"
        "[Video Size]\r\nSort=1\r\ncmd=-s\r\nCaption=320x240,480x272,\r\nValue=320x240,480x272\r\n"
        "[Audio]\r\nSort=2\r\ncmd=-an\r\nCaption=Off,\r\nValue=\\,\r\n");
  EXPECT_EQ(Options(), " -an ");
}

TEST_F(EncoderParametersTest, MissingFileGivesNoOptions) {
  EXPECT_EQ(BuildEncoderParameters(PathOf("none.ovx"), FEditors), "");
  EXPECT_FALSE(Exists("none.ovx"));
}

}  // namespace
}  // namespace converter
