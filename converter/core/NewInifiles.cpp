#include "converter/core/NewInifiles.h"

#include "common/core/ReplaceFile.h"
#include "common/core/TextCase.h"
#include "converter/core/TextConversions.h"
#include "converter/core/TextLines.h"

#include <cerrno>
#include <cstdio>
#include <random>

using common::LowerCase;
using common::ReplaceFileWith;

namespace converter {
namespace {

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
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

void TNewInifile::SaveAs(const std::string& fileName) {
  if (FUnreadable) throw EFCreateError("Cannot read file " + FFileName);
  FFileName = fileName;
  FOnDisk.reset();  // whatever the other file holds is replaced
  FChanged = true;
  Save();
}

std::string TNewInifile::HeaderRemainder(int header, const std::string& section) const {
  const std::string name = LowerCase("[" + section + "]");
  const std::string& line = FLines[header];
  return line.substr(LowerCase(line).find(name) + name.size());
}

const TSectionIndex& TNewInifile::Sections() const {
  if (!FSections) FSections.emplace(FLines);
  return *FSections;
}

const TKeyIndex& TNewInifile::KeysBelow(int header) const {
  auto keys = FKeys.find(header);
  if (keys == FKeys.end())
    keys = FKeys.try_emplace(header, FLines, header + 1, Sections().EndOf(header)).first;
  return keys->second;
}

void TNewInifile::LinesChanged() {
  FSections.reset();
  FKeys.clear();
}

TNewInifile::TKeyLine TNewInifile::FindKey(const std::string& section,
                                           const std::string& key) const {
  const int header = IndexOfSection(section);
  if (header < 0) return {};
  if (HoldsKey(HeaderRemainder(header, section), key)) return {header, 0};
  const int line = KeysBelow(header).IndexOf(key);
  return {header, line < 0 ? -1 : line - header};
}

std::string TNewInifile::GetSectionText(const std::string& section) const {
  const int header = IndexOfSection(section);
  if (header < 0) return "";
  std::vector<std::string> body{HeaderRemainder(header, section)};
  body.insert(body.end(), FLines.begin() + header + 1, FLines.begin() + Sections().EndOf(header));
  return JoinLines(body);
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
  return Sections().IndexOf(section);
}

int TNewInifile::IndexOfKey(const std::string& section, const std::string& key) const {
  return FindKey(section, key).Key;
}

std::string TNewInifile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& def) const {
  const TKeyLine found = FindKey(section, key);
  if (found.Key < 0) return def;
  const std::string line =
      found.Key == 0 ? HeaderRemainder(found.Header, section) : FLines[found.Header + found.Key];
  return line.substr(line.find('=') + 1);
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
  const TKeyLine found = FindKey(section, key);
  if (found.Header < 0) {
    FLines.push_back("[" + section + "]");
    FLines.push_back(line);
    LinesChanged();
  } else if (found.Key < 0) {
    FLines.insert(FLines.begin() + found.Header + 1, line);
    LinesChanged();
  } else if (found.Key == 0) {
    // A key on its section's header line ("[Main]Profile=0", typed by hand): the header keeps
    // its line and the key moves to the line below, where it is read as before.
    const std::string remainder = HeaderRemainder(found.Header, section);
    if (remainder == line) return;
    std::string& header = FLines[found.Header];
    header.erase(header.size() - remainder.size());
    FLines.insert(FLines.begin() + found.Header + 1, line);
    LinesChanged();
  } else if (std::string& old = FLines[found.Header + found.Key]; old != line) {
    // A key's line replaced in place moves no line, so only its section's keys are read anew,
    // unless a header line comes or goes.
    const bool headers = StartsSection(old) || StartsSection(line);
    old = line;
    if (headers) LinesChanged();
    else FKeys.erase(found.Header);
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
