#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace preview {

// A result code fails when its sign bit is set; S_FALSE and partial successes pass.
inline bool IsFailure(int32_t code) { return code < 0; }

// The message of the exception a failed code raises: the platform's text for it, then
// " ($80004005)." with the code in upper-case hexadecimal. Nothing for a code that passes, and
// then errorText is not asked.
std::optional<std::string> FailureMessage(int32_t code,
                                          const std::function<std::string(int32_t)>& errorText);

// Play, pause and stop of the graph: running counts as done for any success (a transition
// may still be going on); pausing and stopping only for S_OK itself.
enum class TGraphCommand { Run, Pause, Stop };
bool CommandDone(TGraphCommand command, int32_t code);

// The component's play state; the platform's filter states are 0 stopped, 1 paused, 2 running.
enum TGraphPlayState { psNone = 0, psStopped = 1, psPaused = 2, psPlaying = 3 };
TGraphPlayState PlayStateOf(int32_t filterState);

// The running object table item name of a graph: "FilterGraph 0012AB00 pid 1F4".
std::string ROTItemName(uint32_t graphPointer, uint32_t processId);

}  // namespace preview
