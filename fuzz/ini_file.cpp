// The converter's INI files as read: every section the file names, asked for every key it holds,
// and a few the program asks for.
#include "converter/core/NewInifiles.h"
#include "fuzz/FuzzInput.h"

using converter::TNewInifile;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const TNewInifile ini(fuzz::FileWith(fuzz::Text(data, size)));
  std::vector<std::string> sections = {"Main", "Default"};
  std::vector<std::string> keys = {"Output Path", "Profile", "Para", "0"};
  for (const std::string& line : ini.Lines()) {
    const auto open = line.find('['), close = line.find(']');
    if (open != std::string::npos && close != std::string::npos && open < close)
      sections.push_back(line.substr(open + 1, close - open - 1));
    const auto equals = line.find('=');
    if (equals != std::string::npos) keys.push_back(line.substr(0, equals));
    if (sections.size() + keys.size() > 20) break;
  }
  for (const std::string& section : sections) {
    ini.GetSectionText(section);
    for (const std::string& key : keys) {
      ini.ReadString(section, key, "");
      ini.ReadInteger(section, key, 0);
      ini.ReadBool(section, key, false);
      ini.ReadFloat(section, key, 0);
      ini.IndexOfKey(section, key);
    }
  }
  return 0;
}
