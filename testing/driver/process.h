#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace driver {

// A started program; terminated when dropped while it still runs, so that a failed test
// leaves nothing behind.
class Process {
 public:
  Process() = default;
  explicit Process(const PROCESS_INFORMATION& info) : FInfo(info) {}
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();

  bool Started() const { return FInfo.hProcess != nullptr; }
  DWORD Id() const { return FInfo.dwProcessId; }
  HANDLE Handle() const { return FInfo.hProcess; }
  bool WaitForExit(DWORD timeoutMs) const;
  bool Running() const { return Started() && !WaitForExit(0); }
  DWORD ExitCode() const;  // STILL_ACTIVE while it runs
  void Kill();

 private:
  void Release();
  PROCESS_INFORMATION FInfo{};
};

using EnvironmentAdditions = std::map<std::string, std::string>;

// Starts the program with the arguments (the command line is the quoted program path, a
// blank and the arguments) in the folder ("" for ours), with our environment plus the
// additions. Check Started(). A test that fails while it runs prints its windows.
Process StartProgram(const std::string& program, const std::string& arguments,
                     const std::string& folder = "", const EnvironmentAdditions& additions = {});

// What a program wrote to its standard output and error, read as the converter reads the
// encoder: one pipe for both, reads of at most 4095 bytes, each read one chunk.
struct CapturedRun {
  bool started = false;
  bool finished = false;  // false when it had to be killed at the time limit
  DWORD exitCode = 0;
  std::vector<std::string> chunks;
  std::string Text() const;
};

// Starts the program hidden with the application name and the command line exactly as
// given (the converter's command lines begin with a blank and carry no program name) and
// reads its output until the pipe breaks.
CapturedRun RunCaptured(const std::string& program, const std::string& commandLine,
                        DWORD timeoutMs, const EnvironmentAdditions& additions = {});

}  // namespace driver
