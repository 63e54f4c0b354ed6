#include "converter/core/Profiles.h"

#include "converter/core/tests/SampleProfile.h"

#include <chrono>
#include <cstdio>

namespace converter {
namespace {

using ProfileLoadTest = ScratchFolder;
using Items = std::vector<std::string>;

TEST_F(ProfileLoadTest, PathsAreInTheProfilesFolder) {
  EXPECT_EQ(ProfilePath("C:\\Tessark\\", "PSP MPEG-4 320x240"),
            "C:\\Tessark\\Profiles\\PSP MPEG-4 320x240.ovx");
}

TEST_F(ProfileLoadTest, RowsGoToTheEditorsNamedBySort) {
  const auto profile = LoadProfile(Write("p.ovx", kSampleProfile));
  ASSERT_TRUE(profile);
  EXPECT_EQ(profile->Extension, ".mp4");
  const auto& video = profile->Editors.Rows(TProfileGroup::Video);
  ASSERT_EQ(video.size(), 2u);
  EXPECT_EQ(video[0].Key, "Video Size");
  EXPECT_EQ(video[1].Key, "Video Codec");
  ASSERT_EQ(profile->Editors.Rows(TProfileGroup::Audio).size(), 1u);
  // "Threads" has no editor of its own and joins the one of "Title" before it.
  const auto& advanced = profile->Editors.Rows(TProfileGroup::Advanced);
  ASSERT_EQ(advanced.size(), 2u);
  EXPECT_EQ(advanced[0].Key, "Title");
  EXPECT_EQ(advanced[1].Key, "Threads");
}

// Every parameter names its own section from one long "Main" section: a profile loads in time
// that grows with its size, not with its size squared.
TEST_F(ProfileLoadTest, AProfileOfTwentyThousandParametersLoadsInSeconds) {
  const int count = 20000;
  std::string names = "[Main]\r\nType=mp4\r\nPara=" + std::to_string(count) + "\r\n";
  std::string sections;
  for (int i = 0; i < count; ++i) {
    names += std::to_string(i) + "=P" + std::to_string(i) + "\r\n";
    sections += "[P" + std::to_string(i) + "]\r\nSort=" + std::to_string(i % 3 + 1) +
                "\r\ncmd=-x\r\nCaption=a,b,\r\nValue=1,2,\r\nIndex=" + std::to_string(i % 2) +
                "\r\nList=1\r\nReadOnly=0\r\n";
  }
  const std::string path = Write("big.ovx", names + sections);
  const auto start = std::chrono::steady_clock::now();
  const auto profile = LoadProfile(path);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took.count(), 5.0);
  ASSERT_TRUE(profile);
  const auto& audio = profile->Editors.Rows(TProfileGroup::Audio);
  ASSERT_EQ(audio.size(), 6667u);  // parameters 1, 4, ... 19999
  // The last parameter, whose number ends many others ("9999" ends "19999").
  EXPECT_EQ(audio.back().Key, "P19999");
  EXPECT_EQ(audio.back().Value, "b");
}

TEST_F(ProfileLoadTest, ListShowsTheChoiceAtItsIndexAndCanOnlyBePicked) {
  const auto profile = LoadProfile(Write("p.ovx", kSampleProfile));
  ASSERT_TRUE(profile);
  const TProfileRow& size = profile->Editors.Rows(TProfileGroup::Video)[0];
  EXPECT_TRUE(size.PickList);
  EXPECT_TRUE(size.ReadOnly);
  EXPECT_FALSE(size.Greyed());
  EXPECT_EQ(size.Choices, (Items{"320x240", "480x272", "Original Size", "Custom Size"}));
  EXPECT_EQ(size.Value, "480x272");
}

TEST_F(ProfileLoadTest, TextShowsItsCaptionAndIsGreyWhenReadOnly) {
  const auto profile = LoadProfile(Write("p.ovx", kSampleProfile));
  ASSERT_TRUE(profile);
  const TProfileRow& codec = profile->Editors.Rows(TProfileGroup::Video)[1];
  EXPECT_FALSE(codec.PickList);
  EXPECT_EQ(codec.Value, "MPEG-4");
  EXPECT_TRUE(codec.Greyed());
  const TProfileRow& title = profile->Editors.Rows(TProfileGroup::Advanced)[0];
  EXPECT_EQ(title.Value, "My Clip");
  EXPECT_FALSE(title.ReadOnly);
}

TEST_F(ProfileLoadTest, CaptionWithoutItsFinalCommaLosesItsLastChoice) {
  const auto profile = LoadProfile(Write("p.ovx",
                                         "[Main]\r\nPara=1\r\n0=Video Size\r\n[Video Size]\r\n"
                                         "Sort=1\r\nCaption=320x240,480x272\r\nIndex=0\r\n"));
  ASSERT_TRUE(profile);
  EXPECT_EQ(profile->Editors.Rows(TProfileGroup::Video)[0].Choices, (Items{"320x240"}));
}

// Before, such a profile loaded with an empty value and converted with the encoder's own
// defaults, without a word.
TEST_F(ProfileLoadTest, AnIndexOutsideTheChoicesStopsLoadingThereAndIsTheProblem) {
  struct Case {
    const char* index;
    const char* problem;
  };
  for (const Case& c : {
           Case{"1", "List index out of bounds (1): \"B\" has 1 choices"},
           Case{"-1", "List index out of bounds (-1): \"B\" has 1 choices"},
           Case{"0", ""},
       }) {
    const auto profile = LoadProfile(Write("p.ovx", "[Main]\r\nType=avi\r\nPara=3\r\n0=A\r\n1=B\r\n"
                                                    "2=C\r\n[A]\r\nSort=1\r\nCaption=x,y,\r\n"
                                                    "Index=1\r\n[B]\r\nSort=2\r\nCaption=z,\r\n"
                                                    "Index=" + std::string(c.index) + "\r\n"
                                                    "[C]\r\nSort=3\r\nList=0\r\n"));
    ASSERT_TRUE(profile) << c.index;
    EXPECT_EQ(profile->Problem, c.problem) << c.index;
    EXPECT_EQ(profile->Editors.Rows(TProfileGroup::Video)[0].Value, "y") << c.index;
    EXPECT_EQ(profile->Editors.Rows(TProfileGroup::Advanced).size(), *c.problem ? 0u : 1u)
        << c.index;
  }
}

// Each of these converted with the encoder's defaults, which the console cannot play.
TEST_F(ProfileLoadTest, AProfileThatCannotBeConvertedWithIsNamedWithItsProblem) {
  struct Case {
    const char* file;  // null: no file
    const char* problem;
  };
  const std::string lead = "The profile \"Mine\" cannot be used: ";
  for (const Case& c : {
           Case{kSampleProfile.c_str(), ""},
           Case{"", "it names no output type (\"Type\" in section \"Main\")."},
           Case{"[Main]\r\nPara=1\r\n0=A\r\n[A]\r\nList=0\r\n",
                "it names no output type (\"Type\" in section \"Main\")."},
           Case{"[Main]\r\nType=mp4\r\n", "it names no encoder parameters (\"Para\" in section \"Main\")."},
           Case{"[Main]\r\nType=mp4\r\nPara=2\r\n", "it names no encoder parameters (\"Para\" in section \"Main\")."},
           Case{"\x89PNG\r\n\x1a\n\0\0binary", "it names no output type (\"Type\" in section \"Main\")."},
           Case{nullptr, "its file "},
       }) {
    const std::string path = PathOf("Mine.ovx");
    std::remove(path.c_str());
    if (c.file) Write("Mine.ovx", c.file);
    const std::string problem = ProfileProblem("Mine", path);
    if (!*c.problem)
      EXPECT_EQ(problem, "") << c.file;
    else
      EXPECT_EQ(problem.rfind(lead + c.problem, 0), 0u) << problem;
  }
}

// Once a count of millions made loading loop for minutes, growing all the while.
TEST_F(ProfileLoadTest, ACountBeyondTheNamesListedEndsAtTheLastName) {
  const std::string two = "0=A\r\n1=B\r\n[A]\r\nSort=1\r\nList=0\r\n[B]\r\nSort=2\r\nList=0\r\n";
  struct Case {
    const char* para;
    std::size_t rows;
  } cases[] = {{"99999999", 2}, {"2147483647", 2}, {"99999999999999", 0}, {"3", 2},
               {"2", 2},        {"1", 1},          {"-5", 0}};
  for (const Case& c : cases) {
    const auto profile = LoadProfile(Write("p.ovx", "[Main]\r\nPara=" + std::string(c.para) + "\r\n" + two));
    ASSERT_TRUE(profile) << c.para;
    std::size_t rows = 0;
    for (const auto& group : profile->Editors.Groups) rows += group.size();
    EXPECT_EQ(rows, c.rows) << "Para=" << c.para;
  }
  // The parameters after a gap in the names are not read.
  const auto gap = LoadProfile(Write("p.ovx", "[Main]\r\nPara=9\r\n0=A\r\n2=C\r\n[A]\r\nSort=1\r\nList=0\r\n"));
  ASSERT_TRUE(gap);
  EXPECT_EQ(gap->Editors.Rows(TProfileGroup::Video).size(), 1u);
}

TEST_F(ProfileLoadTest, MissingFileLoadsNothingAndIsNotCreated) {
  EXPECT_FALSE(LoadProfile(PathOf("none.ovx")));
  EXPECT_FALSE(Exists("none.ovx"));
}

TEST_F(ProfileLoadTest, LoadingRewritesTheFileUnchanged) {
  Write("p.ovx", kSampleProfile);
  LoadProfile(PathOf("p.ovx"));
  EXPECT_EQ(Read("p.ovx"), kSampleProfile);
}

TEST_F(ProfileLoadTest, EditorFindsRowsInAnyCase) {
  const auto profile = LoadProfile(Write("p.ovx", kSampleProfile));
  ASSERT_TRUE(profile);
  const TProfileRow* row = profile->Editors.Find(TProfileGroup::Video, "VIDEO SIZE");
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->Key, "Video Size");
  EXPECT_EQ(profile->Editors.Find(TProfileGroup::Audio, "Video Size"), nullptr);
}

}  // namespace
}  // namespace converter
