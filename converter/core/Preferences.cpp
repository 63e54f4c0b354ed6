#include "converter/core/Preferences.h"

#include "converter/core/NewInifiles.h"

namespace converter {
namespace {

const char* const kMain = "Main";
const char* const kDefault = "Default";
const char* const kVersion = "Version";
const char* const kOutputPath = "Output Path";
const char* const kProfile = "Profile";
const char* const kSynMode = "Syn Mode";
const char* const kAutoOpenDir = "Auto Open Dir";
const char* const kAutoExit = "Auto Exit";
const char* const kAutoTurnOff = "Auto Turn Off";
const char* const kOverwrite = "Overwrite";

TGeneralPreferences ReadGeneral(const TNewInifile& ini, const char* section,
                                const std::string& programFolder, bool autoOpenDirDefault) {
  TGeneralPreferences general;
  general.OutputPath = ini.ReadString(section, kOutputPath, programFolder);
  general.SynMode = ini.ReadInteger(section, kSynMode, 0);
  general.AutoOpenDir = ini.ReadBool(section, kAutoOpenDir, autoOpenDirDefault);
  general.AutoExit = ini.ReadBool(section, kAutoExit, false);
  general.AutoTurnOff = ini.ReadBool(section, kAutoTurnOff, false);
  general.Overwrite = ini.ReadBool(section, kOverwrite, true);
  return general;
}

// In this order: new keys go under the header, so the file lists them the other way round.
void WriteGeneral(TNewInifile& ini, const TGeneralPreferences& general) {
  ini.WriteString(kMain, kOutputPath, general.OutputPath);
  ini.WriteInteger(kMain, kSynMode, general.SynMode);
  ini.WriteBool(kMain, kAutoOpenDir, general.AutoOpenDir);
  ini.WriteBool(kMain, kAutoExit, general.AutoExit);
  ini.WriteBool(kMain, kAutoTurnOff, general.AutoTurnOff);
  ini.WriteBool(kMain, kOverwrite, general.Overwrite);
}

}  // namespace

std::string PreferencesPath(const std::string& programFolder) {
  return programFolder + "Preferences.ini";
}

std::string ReadVersion(const std::string& path) {
  return TNewInifile(path).ReadString(kMain, kVersion, "1.6");
}

TMainPreferences LoadMainPreferences(const std::string& path, const std::string& programFolder) {
  const TNewInifile ini(path);
  return {ini.ReadString(kMain, kOutputPath, programFolder), ini.ReadInteger(kMain, kProfile, 0)};
}

void SaveMainPreferences(const std::string& path, int profile,
                         const TGeneralPreferences& general) {
  TNewInifile ini(path);
  ini.WriteInteger(kMain, kProfile, profile);
  WriteGeneral(ini, general);
  ini.Save();
}

TGeneralPreferences LoadPreferences(const std::string& path, const std::string& programFolder) {
  return ReadGeneral(TNewInifile(path), kMain, programFolder, true);
}

void SavePreferences(const std::string& path, const TGeneralPreferences& general) {
  TNewInifile ini(path);
  WriteGeneral(ini, general);
  ini.Save();
}

TGeneralPreferences LoadDefaultPreferences(const std::string& path,
                                           const std::string& programFolder) {
  return ReadGeneral(TNewInifile(path), kDefault, programFolder, false);
}

}  // namespace converter
