#include "converter/core/NewInifiles.h"

#include "converter/core/TextCase.h"
#include "converter/core/TextConversions.h"
#include "converter/core/TextLines.h"

#include <fstream>
#include <iterator>

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

int IndexOfKeyLine(const std::string& key, const std::vector<std::string>& lines) {
  const std::string needle = LowerCase(key + "=");
  for (size_t i = 0; i < lines.size(); ++i)
    if (LowerCase(lines[i]).find(needle) != std::string::npos) return static_cast<int>(i);
  return -1;
}

}  // namespace

TNewInifile::TNewInifile(std::string fileName) : FFileName(std::move(fileName)) {
  std::ifstream file(FFileName, std::ios::binary);
  if (file) FLines = TextLines({std::istreambuf_iterator<char>(file), {}});
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
  std::ofstream file(FFileName, std::ios::binary | std::ios::trunc);
  if (file) file << JoinLines(FLines);
  if (file) file.close();
  if (!file && FChanged) throw EFCreateError("Cannot create file " + FFileName);
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
  return line.substr(LowerCase(line).find(LowerCase(key + "=")) + key.size() + 1);
}

int TNewInifile::IndexOfSection(const std::string& section) const {
  const std::string header = LowerCase("[" + section + "]");
  for (size_t i = 0; i < FLines.size(); ++i)
    if (LowerCase(FLines[i]).find(header) != std::string::npos) return static_cast<int>(i);
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
