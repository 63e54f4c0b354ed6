#pragma once
#include "converter/core/NewInifileIndex.h"

#include <map>
#include <optional>
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
// back when it goes (reading included), so a missing file is created. A key is looked for only
// in the part of a line up to its first "=", and a section only in a header line (one that
// starts with "[" after blanks), so that no value answers for a key or a section.
class TNewInifile {
public:
  // A file that exists but cannot be read whole reads as empty and is never written.
  explicit TNewInifile(std::string fileName);
  // Saves unless Save() already wrote the current lines. A write failure cannot be raised from
  // here; writers call Save() themselves to see it.
  ~TNewInifile();
  TNewInifile(const TNewInifile&) = delete;
  TNewInifile& operator=(const TNewInifile&) = delete;

  // Writes every line followed by CR LF, into a new file beside this one that takes its place
  // only once it is written whole: whatever fails, the file keeps either its old or its new
  // form. A file that already holds these lines is not written. When the file cannot be
  // written, or could not be read, raises EFCreateError if the lines were changed; unchanged
  // lines leave the file alone.
  void Save();
  // Writes the lines whole into another file, which this instance stands for from then on; the
  // file it was read from is left as it was. Raises EFCreateError when this file could not be
  // read whole or the other cannot be written; that file then keeps what it held.
  void SaveAs(const std::string& fileName);

  // The text after the section's header, up to the next line that starts (after blanks) with
  // "[". Empty when there is no such section.
  std::string GetSectionText(const std::string& section) const;
  // Everything after the first "=" of the first line whose text before that "=" ends with the
  // key; def when no line does.
  static std::string FindKeyValue(const std::string& key, const std::vector<std::string>& lines,
                                  const std::string& def);
  // Index of the first header line that contains "[section]", -1 when none.
  int IndexOfSection(const std::string& section) const;
  // Line of the key counted from the section's header line (0 is the header's remainder),
  // -1 when the section has no line that holds the key.
  int IndexOfKey(const std::string& section, const std::string& key) const;

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  double ReadFloat(const std::string& section, const std::string& key, double def) const;

  // A new section goes at the end; a new key directly under its section's header; an existing
  // key's whole line is replaced, except a header line, which keeps its header and hands the
  // key to a line of its own below it.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);

  const std::vector<std::string>& Lines() const { return FLines; }

private:
  struct TKeyLine {
    int Header = -1;  // the section's header line, -1 when there is no such section
    int Key = -1;     // counted from the header line, -1 when the section lacks the key
  };
  TKeyLine FindKey(const std::string& section, const std::string& key) const;
  // What follows "[section]" on its header line, which counts as the section's first line.
  std::string HeaderRemainder(int header, const std::string& section) const;
  const TSectionIndex& Sections() const;
  const TKeyIndex& KeysBelow(int header) const;
  void LinesChanged();

  std::string FFileName;
  std::vector<std::string> FLines;
  std::optional<std::string> FOnDisk;  // what the file holds; none when missing or unreadable
  bool FUnreadable = false;            // the file exists but could not be read whole
  bool FChanged = false;               // since the file was read
  bool FSaved = false;                 // the file holds the current lines
  // Built on first use for the current lines.
  mutable std::optional<TSectionIndex> FSections;
  mutable std::map<int, TKeyIndex> FKeys;  // of the lines below each header line
};

}  // namespace converter
