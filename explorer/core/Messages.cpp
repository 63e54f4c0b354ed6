#include "explorer/core/Messages.h"

namespace explorer {

const char* const kNotValidDriveText = "Not a valid Drive ID";
const char* const kBrowseDirectoryTitle = "Please specify a directory";

std::string NoDiskText(char letter) {
  return std::string("There is no disk in Drive ") + letter + "\ror Drive " + letter + ": is not ready";
}

std::string ExecuteErrorText(const std::string& operation, const std::string& fileName) {
  return "ERROR - Can't " + operation + " file  " + fileName;
}

std::string AlreadyExistsText(const std::string& path) {
  std::string name = path;
  if (!name.empty() && name.back() == '\0') name.pop_back();
  if (!name.empty() && name.back() == '\\') name.pop_back();
  name = name.substr(name.find_last_of('\\') + 1);
  return "\"" + name + "\" already exists !";
}

std::string PropertiesErrorText(unsigned long code) {
  struct Entry {
    unsigned long code;
    const char* text;
  };
  static const Entry kTexts[] = {
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "Access denied"},
      {8, "Not enough memory for this operation"},
      {32, "Sharing violation"},
      {1155, "There is no application associated with the given filename extension."},
      {1156, "The DDE transaction failed."},
      {1157, "DLL not found"},
      {1223, "The function prompted the user for the location of the application, but the user "
             "cancelled the request."},
  };
  for (const Entry& e : kTexts)
    if (e.code == code) return e.text;
  return std::string();
}

}  // namespace explorer
