#pragma once

namespace converter {

// Turns the computer off (after a finished run, when the user asked for it), enabling the
// shutdown privilege of this process first. False when the system refused to shut down.
bool TurnOffComputer();

}  // namespace converter
