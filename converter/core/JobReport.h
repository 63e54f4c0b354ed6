#pragma once
#include <string>

namespace converter {

// What an encoder job printed, read beyond its progress.

// Whether the input has pictures but no sound: the encoder's report of its input ("Input #0",
// up to "Stream mapping:" or the first output) lists a video stream and no audio stream. Only a
// stream line counts (one that begins, after its indent, with "Stream #0:"), so metadata that
// reads like one does not. False when the output holds no such report.
bool InputLacksSound(const std::string& output);

// Why a job failed, in the encoder's words: its last line that is not progress, statistics or
// one of the closing lines that only say that it failed, without the "[component @ address] "
// it may begin with. Empty when the encoder printed nothing of the kind.
std::string FailureReason(const std::string& output);

}  // namespace converter
