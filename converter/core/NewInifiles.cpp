#include "converter/core/NewInifiles.h"

#include "converter/core/TextCase.h"
#include "converter/core/TextConversions.h"
#include "converter/core/TextLines.h"

#include <cerrno>
#include <cstdio>
#include <random>

namespace converter {
namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Only a line that begins with "[" starts a section, so a "[" inside a value (an output
// folder such as "D:\Videos [PSP]\") does not cut its section short.
bool StartsSection(const std::string& line) {
  const auto first = line.find_first_not_of(" \t");
  return first != std::string::npos && line[first] == '[';
}

// Whether the line holds the key: key + "=" ends the line's text up to its first "=".
bool HoldsKey(const std::string& line, const std::string& key) {
  const size_t equals = line.find('=');
  return equals != std::string::npos && equals >= key.size() &&
         LowerCase(line.substr(equals - key.size(), key.size())) == LowerCase(key);
}

int IndexOfKeyLine(const std::string& key, const std::vector<std::string>& lines) {
  for (size_t i = 0; i < lines.size(); ++i)
    if (HoldsKey(lines[i], key)) return static_cast<int>(i);
  return -1;
}

struct TFileText {
  bool Exists = false;
  std::optional<std::string> Text;  // none when the file exists but could not be read whole
};

TFileText ReadFileText(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {errno != ENOENT, std::nullopt};
  std::string text;
  char chunk[4096];
  for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) text.append(chunk, n);
  const bool whole = !std::ferror(file);
  std::fclose(file);
  if (!whole) return {true, std::nullopt};
  return {true, text};
}

// Writes the text into a new file beside the path, which takes the path's place only once all
// of it is written. Its name is drawn at random so that two programs saving at once (both
// write "Preferences.ini") never write into one new file.
bool WriteFileWhole(const std::string& path, const std::string& text) {
  const std::string temporary = path + "." + std::to_string(std::random_device{}()) + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (!file) return false;
  const bool written =
      std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
  const bool closed = std::fclose(file) == 0;
  if (written && closed && ReplaceFileWith(temporary, path)) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

TNewInifile::TNewInifile(std::string fileName) : FFileName(std::move(fileName)) {
  const TFileText file = ReadFileText(FFileName);
  FUnreadable = file.Exists && !file.Text;
  FOnDisk = file.Text;
  if (FOnDisk) FLines = TextLines(*FOnDisk);
}

TNewInifile::~TNewInifile() {
  if (FSaved) return;
  try {
    Save();
  } catch (const EFCreateError&) {
    // Only reached while another exception unwinds past a writer, or by a caller that never
    // saves; that exception is the one to report.
  }
}

void TNewInifile::Save() {
  if (FUnreadable && FChanged)
    throw EFCreateError("Cannot read file " + FFileName + ", so it is left as it was");
  const std::string text = JoinLines(FLines);
  if (!FUnreadable && FOnDisk != text) {
    if (WriteFileWhole(FFileName, text)) FOnDisk = text;
    else if (FChanged) throw EFCreateError("Cannot create file " + FFileName);
  }
  FSaved = true;
}

std::vector<std::string> TNewInifile::SectionLines(const std::string& section) const {
  const int s = IndexOfSection(section);
  if (s < 0) return {};
  const std::string header = LowerCase("[" + section + "]");
  const std::string& headerLine = FLines[s];
  std::vector<std::string> body{
      headerLine.substr(LowerCase(headerLine).find(header) + header.size())};
  for (size_t i = s + 1; i < FLines.size() && !StartsSection(FLines[i]); ++i)
    body.push_back(FLines[i]);
  return body;
}

std::string TNewInifile::GetSectionText(const std::string& section) const {
  return JoinLines(SectionLines(section));
}

std::string TNewInifile::FindKeyValue(const std::string& key,
                                      const std::vector<std::string>& lines,
                                      const std::string& def) {
  const int i = IndexOfKeyLine(key, lines);
  if (i < 0) return def;
  const std::string& line = lines[i];
  return line.substr(line.find('=') + 1);
}

int TNewInifile::IndexOfSection(const std::string& section) const {
  const std::string header = LowerCase("[" + section + "]");
  for (size_t i = 0; i < FLines.size(); ++i)
    if (StartsSection(FLines[i]) && LowerCase(FLines[i]).find(header) != std::string::npos)
      return static_cast<int>(i);
  return -1;
}

int TNewInifile::IndexOfKey(const std::string& section, const std::string& key) const {
  return IndexOfKeyLine(key, SectionLines(section));
}

std::string TNewInifile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  return FindKeyValue(key, SectionLines(section), def);
}

// A missing key reads as empty text, which converts to nothing, so the default is taken.
int TNewInifile::ReadInteger(const std::string& section, const std::string& key,
                             int def) const {
  return TryStrToInt(ReadString(section, key, "")).value_or(def);
}

bool TNewInifile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return TryStrToBool(ReadString(section, key, "")).value_or(def);
}

double TNewInifile::ReadFloat(const std::string& section, const std::string& key,
                              double def) const {
  return TryStrToFloat(ReadString(section, key, "")).value_or(def);
}

void TNewInifile::WriteString(const std::string& section, const std::string& key,
                              const std::string& value) {
  const std::string line = key + "=" + value;
  const int s = IndexOfSection(section);
  if (s < 0) {
    FLines.push_back("[" + section + "]");
    FLines.push_back(line);
  } else if (const int k = IndexOfKey(section, key); k < 0) {
    FLines.insert(FLines.begin() + s + 1, line);
  } else if (FLines[s + k] != line) {
    FLines[s + k] = line;
  } else {
    return;
  }
  FChanged = true;
  FSaved = false;
}

void TNewInifile::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TNewInifile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

}  // namespace converter
