#pragma once
#include <string>

namespace converter {

// "Preferences.ini" in the program folder, shared with the manager. Every function opens the
// file, reads or writes, and writes it back; writers raise EFCreateError when that fails.

// The Settings dialog's General page; also what the main window saves besides its own two.
struct TGeneralPreferences {
  std::string OutputPath;
  int SynMode = 0;  // item of "Auto", "Force Mode", "Progressive Mode"; stored and shown only
  bool AutoOpenDir = true;
  bool AutoExit = false;
  bool AutoTurnOff = false;
  bool Overwrite = true;  // false: a new name for an output that exists
};

// What the main window reads when it is shown.
struct TMainPreferences {
  std::string OutputPath;
  int Profile = 0;  // item of the profile combo; an item that is not there selects nothing
};

std::string PreferencesPath(const std::string& programFolder);

std::string ReadVersion(const std::string& path);
TMainPreferences LoadMainPreferences(const std::string& path, const std::string& programFolder);
// general.OutputPath is the main window's output folder; profile is -1 when none is selected.
void SaveMainPreferences(const std::string& path, int profile, const TGeneralPreferences& general);

TGeneralPreferences LoadPreferences(const std::string& path, const std::string& programFolder);
void SavePreferences(const std::string& path, const TGeneralPreferences& general);
// The "Default" section, which the file as installed provides and nothing writes.
TGeneralPreferences LoadDefaultPreferences(const std::string& path,
                                           const std::string& programFolder);

}  // namespace converter
