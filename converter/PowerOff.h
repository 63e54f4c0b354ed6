#pragma once

namespace converter {

// Enables the shutdown privilege of this process; false when it could not.
bool EnableShutdownPrivilege();

// Turns the computer off (after a finished run, when the user asked for it). The privilege is
// asked for first; whether it was granted is left to the shutdown to tell. False when the
// system refused to shut down.
bool TurnOffComputer();

}  // namespace converter
