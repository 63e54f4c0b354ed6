#include "converter/core/Preferences.h"

#include "converter/core/NewInifiles.h"
#include "converter/core/tests/ScratchFolder.h"

namespace converter {
namespace {

const std::string kProgramFolder = "C:\\Program Files\\Tessark\\";

using PreferencesTest = ScratchFolder;

TEST_F(PreferencesTest, PathIsInTheProgramFolder) {
  EXPECT_EQ(PreferencesPath(kProgramFolder), "C:\\Program Files\\Tessark\\Preferences.ini");
}

TEST_F(PreferencesTest, SavingTheMainPreferencesIntoAnEmptyFile) {
  TGeneralPreferences general;
  general.OutputPath = kProgramFolder;
  SaveMainPreferences(PathOf("Preferences.ini"), 0, general);
  EXPECT_EQ(Read("Preferences.ini"),
            "[Main]\r\n"
            "Overwrite=1\r\n"
            "Auto Turn Off=0\r\n"
            "Auto Exit=0\r\n"
            "Auto Open Dir=1\r\n"
            "Syn Mode=0\r\n"
            "Output Path=C:\\Program Files\\Tessark\\\r\n"
            "Profile=0\r\n");
}

TEST_F(PreferencesTest, SavingTheSettingsKeepsTheOtherLinesAndWritesNoProfile) {
  Write("Preferences.ini",
        "[Main]\r\nVersion=2.0\r\nProfile=3\r\nOverwrite=1\r\nOutput Path=C:\\Old\\\r\n"
        "[Default]\r\nOverwrite=1\r\n");
  TGeneralPreferences general{"D:\\Videos [PSP]\\", 2, false, true, true, false};
  SavePreferences(PathOf("Preferences.ini"), general);
  EXPECT_EQ(Read("Preferences.ini"),
            "[Main]\r\n"
            "Auto Turn Off=1\r\n"
            "Auto Exit=1\r\n"
            "Auto Open Dir=0\r\n"
            "Syn Mode=2\r\n"
            "Version=2.0\r\n"
            "Profile=3\r\n"
            "Overwrite=0\r\n"
            "Output Path=D:\\Videos [PSP]\\\r\n"
            "[Default]\r\nOverwrite=1\r\n");
}

TEST_F(PreferencesTest, SavedPreferencesLoadBack) {
  const TGeneralPreferences saved{"D:\\Videos [PSP]\\", 1, false, true, false, false};
  SaveMainPreferences(PathOf("Preferences.ini"), 4, saved);
  SaveMainPreferences(PathOf("Preferences.ini"), 2, saved);
  const TGeneralPreferences loaded = LoadPreferences(PathOf("Preferences.ini"), kProgramFolder);
  EXPECT_EQ(loaded.OutputPath, saved.OutputPath);
  EXPECT_EQ(loaded.SynMode, 1);
  EXPECT_FALSE(loaded.AutoOpenDir);
  EXPECT_TRUE(loaded.AutoExit);
  EXPECT_FALSE(loaded.AutoTurnOff);
  EXPECT_FALSE(loaded.Overwrite);
  const TMainPreferences main = LoadMainPreferences(PathOf("Preferences.ini"), kProgramFolder);
  EXPECT_EQ(main.OutputPath, saved.OutputPath);
  EXPECT_EQ(main.Profile, 2);
}

// A folder whose name holds a key and "=" (or a section header) is a value like any other: it
// neither stands in for that key when read nor takes its line when the key is written.
TEST_F(PreferencesTest, AnOutputFolderThatLooksLikeASettingLoadsBackAsItWasSaved) {
  for (const char* folder : {
           "E:\\Overwrite=no\\",         // came back as the program folder
           "D:\\rips profile=hq\\",       // loaded profile 0
           "D:\\Syn Mode=2 Auto Exit=1\\",
           "F:\\[Default]\\Version=9\\",  // a section header inside a value
       }) {
    std::filesystem::remove(PathOf("Preferences.ini"));
    const TGeneralPreferences saved{folder, 1, false, true, false, false};
    // Saved twice, as two runs of the program do: the second writes over existing lines.
    for (int run = 0; run < 2; ++run) {
      SaveMainPreferences(PathOf("Preferences.ini"), 3, saved);
      SavePreferences(PathOf("Preferences.ini"), saved);
    }
    const TMainPreferences main = LoadMainPreferences(PathOf("Preferences.ini"), kProgramFolder);
    EXPECT_EQ(main.OutputPath, folder);
    EXPECT_EQ(main.Profile, 3) << folder;
    const TGeneralPreferences loaded = LoadPreferences(PathOf("Preferences.ini"), kProgramFolder);
    EXPECT_EQ(loaded.OutputPath, folder);
    EXPECT_EQ(loaded.SynMode, 1) << folder;
    EXPECT_TRUE(loaded.AutoExit) << folder;
    EXPECT_FALSE(loaded.Overwrite) << folder;
    EXPECT_EQ(ReadVersion(PathOf("Preferences.ini")), "1.6") << folder;
    EXPECT_EQ(LoadDefaultPreferences(PathOf("Preferences.ini"), kProgramFolder).OutputPath,
              kProgramFolder)
        << folder;
  }
}

TEST_F(PreferencesTest, NothingSelectedIsSavedAsMinusOne) {
  SaveMainPreferences(PathOf("Preferences.ini"), -1, {});
  EXPECT_EQ(LoadMainPreferences(PathOf("Preferences.ini"), kProgramFolder).Profile, -1);
}

TEST_F(PreferencesTest, MissingFileGivesTheDefaultsAndIsCreated) {
  const std::string path = PathOf("Preferences.ini");
  EXPECT_EQ(ReadVersion(path), "1.6");
  const TMainPreferences main = LoadMainPreferences(path, kProgramFolder);
  EXPECT_EQ(main.OutputPath, kProgramFolder);
  EXPECT_EQ(main.Profile, 0);
  const TGeneralPreferences general = LoadPreferences(path, kProgramFolder);
  EXPECT_EQ(general.OutputPath, kProgramFolder);
  EXPECT_EQ(general.SynMode, 0);
  EXPECT_TRUE(general.AutoOpenDir);
  EXPECT_FALSE(general.AutoExit);
  EXPECT_FALSE(general.AutoTurnOff);
  EXPECT_TRUE(general.Overwrite);
  EXPECT_TRUE(Exists("Preferences.ini"));
}

TEST_F(PreferencesTest, DefaultSectionOpensNoFolderUnlessItSaysSo) {
  Write("Preferences.ini", "[Main]\r\nVersion=2.0\r\n[Default]\r\nAuto Exit=1\r\nSyn Mode=1\r\n");
  EXPECT_EQ(ReadVersion(PathOf("Preferences.ini")), "2.0");
  const TGeneralPreferences defaults =
      LoadDefaultPreferences(PathOf("Preferences.ini"), kProgramFolder);
  EXPECT_EQ(defaults.OutputPath, kProgramFolder);
  EXPECT_EQ(defaults.SynMode, 1);
  EXPECT_FALSE(defaults.AutoOpenDir);
  EXPECT_TRUE(defaults.AutoExit);
  EXPECT_TRUE(defaults.Overwrite);
  EXPECT_TRUE(LoadPreferences(PathOf("Preferences.ini"), kProgramFolder).AutoOpenDir);
}

TEST_F(PreferencesTest, SavingWhereNothingCanBeWrittenRaises) {
  EXPECT_THROW(SavePreferences(PathOf("missing-folder/Preferences.ini"), {}), EFCreateError);
  EXPECT_NO_THROW(LoadPreferences(PathOf("missing-folder/Preferences.ini"), kProgramFolder));
}

}  // namespace
}  // namespace converter
