#include "preview/core/MediaResults.h"

#include <cstdio>

namespace preview {

std::optional<std::string> FailureMessage(int32_t code,
                                          const std::function<std::string(int32_t)>& errorText) {
  if (!IsFailure(code)) return std::nullopt;
  char suffix[16];
  std::snprintf(suffix, sizeof suffix, " ($%X).", (unsigned)code);
  return errorText(code) + suffix;
}

bool CommandDone(TGraphCommand command, int32_t code) {
  return command == TGraphCommand::Run ? !IsFailure(code) : code == 0;
}

TGraphPlayState PlayStateOf(int32_t filterState) {
  switch (filterState) {
    case 0: return psStopped;
    case 1: return psPaused;
    case 2: return psPlaying;
    default: return psNone;
  }
}

std::string ROTItemName(uint32_t graphPointer, uint32_t processId) {
  char name[48];
  std::snprintf(name, sizeof name, "FilterGraph %08X pid %X", (unsigned)graphPointer,
                (unsigned)processId);
  return name;
}

}  // namespace preview
