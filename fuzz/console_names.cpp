// Names met on a console card and typed for a rename: the first field is the video type
// index, the next two an old and a new name, all fields the card folder's entries. A free
// name given is none of the entries' videos or thumbnails; a rename accepted keeps the form.
#include <cstdlib>

#include "common/core/TextCase.h"
#include "fuzz/FuzzInput.h"
#include "manager/core/ConsoleNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> fields = fuzz::Fields(fuzz::Text(data, size));
  const int type = fuzz::Field(fields, 0).empty() ? 0 : fuzz::Field(fields, 0)[0] & 1;
  manager::TFreePSPNames names(type, fields);
  if (const std::optional<std::string> name = names.NextFreePSPName()) {
    const std::string thumbnail = manager::ThumbnailOf(*name);
    for (const std::string& entry : fields) {
      const std::string upper = common::UpperCase(entry);
      if (upper == *name || upper == thumbnail) std::abort();
    }
  }
  const std::string oldName = fuzz::Field(fields, 1), newName = fuzz::Field(fields, 2);
  if (!manager::ConsoleRenameError(oldName, newName) &&
      (newName.size() != 12 || manager::WithVideoExtension(newName) != newName))
    std::abort();
  if (!manager::FileNameError(newName) && newName.find_first_of("\\/:") != std::string::npos)
    std::abort();
  return 0;
}
