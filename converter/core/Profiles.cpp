#include "converter/core/Profiles.h"

#include "converter/core/NewInifiles.h"
#include "common/core/TextCase.h"

#include <fstream>

using common::SameText;

namespace converter {
namespace {

const char* const kMain = "Main";
const std::string kNoValue = "\\";  // an option passed alone

// One parameter as the file holds it.
struct TParameter {
  std::string Name;
  TProfileGroup Group = TProfileGroup::Video;
  bool ReadOnly = false;
  std::string Cmd;
  bool List = true;
  std::string Caption;
  std::string Value;
  int Index = 0;
};

// A "Sort" other than 1 to 3 keeps the editor of the parameter before; the first parameter
// then goes to the video editor. The parameters end at the first number that "Main" names no
// parameter for, so a huge "Para" count costs no more than the file's own parameters.
std::vector<TParameter> ReadParameters(const TNewInifile& ini) {
  std::vector<TParameter> parameters;
  const int count = ini.ReadInteger(kMain, "Para", 0);
  TProfileGroup group = TProfileGroup::Video;
  for (int i = 0; i < count && ini.IndexOfKey(kMain, std::to_string(i)) >= 0; ++i) {
    TParameter p;
    p.Name = ini.ReadString(kMain, std::to_string(i), "");
    const int sort = ini.ReadInteger(p.Name, "Sort", -1);
    if (sort >= 1 && sort <= kProfileGroupCount) group = static_cast<TProfileGroup>(sort - 1);
    p.Group = group;
    p.ReadOnly = ini.ReadBool(p.Name, "ReadOnly", false);
    p.Cmd = ini.ReadString(p.Name, "cmd", "");
    p.List = ini.ReadBool(p.Name, "List", true);
    p.Caption = ini.ReadString(p.Name, "Caption", "");
    p.Value = ini.ReadString(p.Name, "Value", "");
    p.Index = ini.ReadInteger(p.Name, "Index", 0);
    parameters.push_back(p);
  }
  return parameters;
}

// The first parameter whose list has no choice at its "Index", or none.
const TParameter* ChoiceOutOfRange(const std::vector<TParameter>& parameters) {
  for (const TParameter& p : parameters)
    if (p.List && (p.Index < 0 || p.Index >= static_cast<int>(SplitCommaList(p.Caption).size())))
      return &p;
  return nullptr;
}

// What keeps the profile from use, its first list out of range given; empty when nothing does.
std::string ProblemOf(const TNewInifile& ini, const std::vector<TParameter>& parameters,
                      const TParameter* outOfRange) {
  if (ini.ReadString(kMain, "Type", "").empty())
    return "it names no output type (\"Type\" in section \"Main\")";
  if (parameters.empty())
    return "it names no encoder parameters (\"Para\" in section \"Main\")";
  if (outOfRange) {
    const std::size_t choices = SplitCommaList(outOfRange->Caption).size();
    return "List index out of bounds (" + std::to_string(outOfRange->Index) + "): \"" +
           outOfRange->Name + "\" has " + std::to_string(choices) + " choices";
  }
  return "";
}

// An index past the list (a "Value" list that lost its final comma) gives an empty item.
std::string ItemOrEmpty(const std::vector<std::string>& items, int index) {
  return index >= 0 && index < static_cast<int>(items.size()) ? items[index] : "";
}

int IndexOfText(const std::vector<std::string>& items, const std::string& text) {
  for (size_t i = 0; i < items.size(); ++i)
    if (SameText(items[i], text)) return static_cast<int>(i);
  return -1;
}

bool FileExists(const std::string& path) {
  return std::ifstream(path, std::ios::binary).is_open();
}

// A list parameter keeps only the index of its value, a text parameter its value as caption
// and value; read-only parameters and those without a row are left alone.
void StoreEditors(TNewInifile& ini, const TProfileEditors& editors) {
  for (const TParameter& p : ReadParameters(ini)) {
    const TProfileRow* row = editors.Find(p.Group, p.Name);
    if (p.ReadOnly || !row) continue;
    if (p.List) {
      ini.WriteInteger(p.Name, "Index", IndexOfText(row->Choices, row->Value));
    } else {
      ini.WriteString(p.Name, "Caption", row->Value);
      ini.WriteString(p.Name, "Value", row->Value);
    }
  }
}

// The option value of a parameter: the file's value of the editor's choice, the fixed value of
// a read-only text, or the text as edited. A shown value that is no choice (a custom frame
// size) is passed as it stands.
std::string OptionValue(const TParameter& p, const TProfileEditors& editors) {
  const TProfileRow* row = editors.Find(p.Group, p.Name);
  const std::string shown = row ? row->Value : "";
  if (p.List) {
    const int k = IndexOfText(SplitCommaList(p.Caption), shown);
    return k < 0 ? shown : ItemOrEmpty(SplitCommaList(p.Value), k);
  }
  return p.ReadOnly ? p.Value : shown;
}

}  // namespace

std::string ProfilesFolder(const std::string& programFolder) {
  return programFolder + "Profiles\\";
}

std::string ProfilePath(const std::string& programFolder, const std::string& profileName) {
  return ProfilesFolder(programFolder) + profileName + ".ovx";
}

std::vector<std::string> SplitCommaList(const std::string& text) {
  std::vector<std::string> items;
  size_t start = 0;
  for (size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
    items.push_back(text.substr(start, comma - start));
  return items;
}

const TProfileRow* TProfileEditors::Find(TProfileGroup group, const std::string& key) const {
  for (const TProfileRow& row : Rows(group))
    if (SameText(row.Key, key)) return &row;
  return nullptr;
}

std::optional<TLoadedProfile> LoadProfile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const TNewInifile ini(path);
  TLoadedProfile profile;
  profile.Extension = "." + ini.ReadString(kMain, "Type", "mp4");
  const std::vector<TParameter> parameters = ReadParameters(ini);
  const TParameter* outOfRange = ChoiceOutOfRange(parameters);
  profile.Problem = ProblemOf(ini, parameters, outOfRange);
  for (const TParameter& p : parameters) {
    if (&p == outOfRange) break;
    TProfileRow row;
    row.Key = p.Name;
    row.ReadOnly = p.ReadOnly;
    if (p.List) {
      row.PickList = true;
      row.ReadOnly = true;  // the user can only pick
      row.Choices = SplitCommaList(p.Caption);
      row.Value = row.Choices[p.Index];
    } else {
      row.Value = p.Caption;
    }
    profile.Editors.Rows(p.Group).push_back(row);
  }
  return profile;
}

std::string BuildEncoderParameters(const std::string& path, const TProfileEditors& editors) {
  if (!FileExists(path)) return "";
  const TNewInifile ini(path);
  std::string options;
  for (const TParameter& p : ReadParameters(ini)) {
    std::string value = OptionValue(p, editors);
    if (p.Cmd.empty() || value.empty()) continue;
    if (value == kNoValue) value.clear();
    // The title is the one option whose value is free text with blanks.
    if (p.Cmd == "-title") value = "\"" + value + "\"";
    options += " " + p.Cmd + " " + value;
  }
  return options;
}

std::string ProfileProblem(const std::string& profileName, const std::string& path) {
  const std::optional<TLoadedProfile> profile = LoadProfile(path);
  const std::string problem = profile ? profile->Problem : "its file " + path + " is missing";
  return problem.empty() ? "" : "The profile \"" + profileName + "\" cannot be used: " + problem + ".";
}

void SaveProfile(const std::string& path, const TProfileEditors& editors) {
  if (!FileExists(path)) return;
  TNewInifile ini(path);
  StoreEditors(ini, editors);
  ini.Save();
}

void SaveProfileAs(const std::string& source, const std::string& newPath,
                   const TProfileEditors& editors) {
  if (!FileExists(source)) return;
  TNewInifile ini(source);
  StoreEditors(ini, editors);
  ini.SaveAs(newPath);
}

}  // namespace converter
