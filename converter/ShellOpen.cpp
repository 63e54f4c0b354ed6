#include "converter/ShellOpen.h"

#include <windows.h>
#include <shellapi.h>

namespace converter {

bool OpenWithShell(const std::string& path, const std::string& parameters) {
  const HINSTANCE result = ShellExecuteA(nullptr, "open", path.c_str(),
                                         parameters.empty() ? nullptr : parameters.c_str(),
                                         nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace converter
