// Sections and keys of settings: TIniFile in an INI file, read through the platform's profile
// functions (a file name without a folder means the Windows folder, as for the platform) and
// written by replacing the file whole, TRegistryIniFile under a key of the user's registry hive.
#pragma once
#include <functional>
#include <string>

#include "framework/Classes.h"

// A value could not be written.
class EIniFileException : public Exception {
public:
  using Exception::Exception;
};

// The typed reads and writes, over the texts a store keeps.
class TCustomIniFile : public TObject {
public:
  explicit TCustomIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
  const std::string& FileName() const { return FFileName; }

  virtual std::string ReadString(const std::string& section, const std::string& key, const std::string& def) = 0;
  virtual void WriteString(const std::string& section, const std::string& key, const std::string& value) = 0;
  // Decimal or "0x" hexadecimal; anything else gives def.
  int ReadInteger(const std::string& section, const std::string& key, int def);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  // A number: 0 is false, any other true; anything else gives def.
  bool ReadBool(const std::string& section, const std::string& key, bool def);
  void WriteBool(const std::string& section, const std::string& key, bool value);

protected:
  std::string FFileName;
};

class TIniFile : public TCustomIniFile {
public:
  using TCustomIniFile::TCustomIniFile;
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
  // The key names of a section, in file order.
  void ReadSection(const std::string& section, TStrings* keys);
  void EraseSection(const std::string& section);
  bool SectionExists(const std::string& section);
  bool ValueExists(const std::string& section, const std::string& key);

private:
  // Edits the file's text and puts the result in the file's place once it is written whole; a
  // file that exists but cannot be read is left alone. Raises EIniFileException on failure.
  void Edit(const std::function<std::string(const std::string&)>& change);
};

// FileName is a key below HKEY_CURRENT_USER ("Software\\Maker\\Program"); each section is a
// key below it and each value a string value there. Writing makes the keys it needs.
class TRegistryIniFile : public TCustomIniFile {
public:
  using TCustomIniFile::TCustomIniFile;
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) override;
  void WriteString(const std::string& section, const std::string& key, const std::string& value) override;
};
