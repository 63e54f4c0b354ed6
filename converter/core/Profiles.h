#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace converter {

// A profile: a named set of encoder options in "Profiles\<name>.ovx". Section "Main" holds the
// output type and the parameter names; each parameter has its own section. Its rows are shown
// in three editors and turned into the encoder's options at the start of a run.

std::string ProfilesFolder(const std::string& programFolder);
std::string ProfilePath(const std::string& programFolder, const std::string& profileName);

// The items of a comma list: each item ends with a ","; text after the last one is no item.
std::vector<std::string> SplitCommaList(const std::string& text);

enum class TProfileGroup { Video, Audio, Advanced };  // vleVideo, vleAudio, vleAdvanced
constexpr int kProfileGroupCount = 3;

// One row of an editor.
struct TProfileRow {
  std::string Key;    // the parameter's name
  std::string Value;  // as shown; the editor's current text
  bool ReadOnly = false;
  bool PickList = false;  // choose from Choices; otherwise free text
  std::vector<std::string> Choices;
  // Shown in grey: a fixed value that is no choice.
  bool Greyed() const { return ReadOnly && !PickList; }
};

// The rows of the three editors, as loaded and then as the user edited them.
struct TProfileEditors {
  std::array<std::vector<TProfileRow>, kProfileGroupCount> Groups;

  std::vector<TProfileRow>& Rows(TProfileGroup group) { return Groups[static_cast<int>(group)]; }
  const std::vector<TProfileRow>& Rows(TProfileGroup group) const {
    return Groups[static_cast<int>(group)];
  }
  // The first row with that key (any letter case); nullptr when the editor has none.
  const TProfileRow* Find(TProfileGroup group, const std::string& key) const;
};

struct TLoadedProfile {
  std::string Extension;  // "." + the output type
  TProfileEditors Editors;
  // Why the profile cannot be converted with: it names no output type or no parameters, or a
  // list's "Index" lies outside its choices (loading then stops at that parameter, with the
  // rows before it). Empty when it can.
  std::string Problem;
};

// nullopt when the file does not exist.
std::optional<TLoadedProfile> LoadProfile(const std::string& path);

// Why the profile file cannot be converted with, for the user, naming the profile; empty when
// it can. A missing file cannot.
std::string ProfileProblem(const std::string& profileName, const std::string& path);

// The encoder options of the profile with the editors' values, each option starting with a
// blank, in the profile's order; the caller appends them to its option text. Empty when the
// file does not exist.
std::string BuildEncoderParameters(const std::string& path, const TProfileEditors& editors);

// Stores the editors' values: a list parameter only its "Index" (-1 when the value is no
// choice), a text parameter its value as "Caption" and "Value". Read-only parameters, and
// those without a row, are left as they are. Nothing when the file does not exist; raises
// EFCreateError when a changed file cannot be written.
void SaveProfile(const std::string& path, const TProfileEditors& editors);
// Writes the source with the editors' values into newPath, whole: newPath holds either what it
// held or the complete copy. Nothing when the source does not exist; raises EFCreateError when
// the source cannot be read or newPath cannot be written.
void SaveProfileAs(const std::string& source, const std::string& newPath,
                   const TProfileEditors& editors);

}  // namespace converter
