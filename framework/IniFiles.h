// TIniFile: sections and keys of an INI file through the platform's profile functions.
// A file name without a folder means the Windows folder, as for the platform.
#pragma once
#include <string>

#include "framework/Classes.h"

// A value could not be written.
class EIniFileException : public Exception {
public:
  using Exception::Exception;
};

class TIniFile : public TObject {
public:
  explicit TIniFile(std::string fileName) : FFileName(std::move(fileName)) {}
  const std::string& FileName() const { return FFileName; }

  std::string ReadString(const std::string& section, const std::string& key, const std::string& def);
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  // Decimal or "0x" hexadecimal; anything else gives def.
  int ReadInteger(const std::string& section, const std::string& key, int def);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  // A number: 0 is false, any other true; anything else gives def.
  bool ReadBool(const std::string& section, const std::string& key, bool def);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // The key names of a section, in file order.
  void ReadSection(const std::string& section, TStrings* keys);
  void EraseSection(const std::string& section);
  bool SectionExists(const std::string& section);
  bool ValueExists(const std::string& section, const std::string& key);

private:
  void Write(const char* section, const char* key, const char* value);
  std::string FFileName;
};
