#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace converter {

// Raised when a changed settings file cannot be written back.
class EFCreateError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// The converter's INI file: the whole file as lines, sections and keys found by
// case-insensitive substring search, edits made in place. Every instance writes the file
// back when it goes (reading included), so a missing file is created.
class TNewInifile {
public:
  explicit TNewInifile(std::string fileName);
  // Saves unless Save() already wrote the current lines. A write failure cannot be raised from
  // here; writers call Save() themselves to see it.
  ~TNewInifile();
  TNewInifile(const TNewInifile&) = delete;
  TNewInifile& operator=(const TNewInifile&) = delete;

  // Writes every line followed by CR LF. When the file cannot be written, raises EFCreateError
  // if the lines were changed; unchanged lines are already what the file holds, so it is left
  // alone.
  void Save();

  // The text after the section's header, up to the next line that starts (after blanks) with
  // "[". Empty when there is no such section.
  std::string GetSectionText(const std::string& section) const;
  // Everything after key + "=" in the first line that contains it; def when none does.
  static std::string FindKeyValue(const std::string& key, const std::vector<std::string>& lines,
                                  const std::string& def);
  // Index of the first line that contains "[section]", -1 when none.
  int IndexOfSection(const std::string& section) const;
  // Line of the key counted from the section's header line (0 is the header's remainder),
  // -1 when the section has no line with key + "=".
  int IndexOfKey(const std::string& section, const std::string& key) const;

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  double ReadFloat(const std::string& section, const std::string& key, double def) const;

  // A new section goes at the end; a new key directly under its section's header; an existing
  // key's whole line is replaced.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  const std::vector<std::string>& Lines() const { return FLines; }

private:
  std::vector<std::string> SectionLines(const std::string& section) const;

  std::string FFileName;
  std::vector<std::string> FLines;
  bool FChanged = false;  // since the file was read
  bool FSaved = false;    // the file holds the current lines
};

}  // namespace converter
