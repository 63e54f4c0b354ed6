#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace converter {

// How the start of an encoder job went.
enum class JobStart { Started, PipeFailed, ProcessFailed };

// What the converter tells the user about a start that failed: "Error On CreatePipe()" or
// "Error on CreateProcess()"; empty for a job that started.
std::string JobStartMessage(JobStart start);

// The exit code of an encoder that the converter ended.
inline constexpr DWORD kTerminatedExitCode = 4;

// How an encoder job ended.
struct JobEnd {
  JobStart Start;
  DWORD Error = 0;          // the system's error code when the start failed
  DWORD ExitCode = 0;       // the encoder's, once it started
  bool Terminated = false;  // ended from this side: TerminateEncoder, or silent for too long
};

// The encoder run for one job at a time: started hidden with one command line, its standard
// output and error read through one pipe until it ends.
class EncoderJob {
 public:
  using ChunkHandler = std::function<void(const std::string& chunk)>;
  using WhileWaiting = std::function<void()>;

  explicit EncoderJob(std::string encoderPath) : FEncoderPath(std::move(encoderPath)) {}
  EncoderJob(const EncoderJob&) = delete;
  EncoderJob& operator=(const EncoderJob&) = delete;

  // Starts the encoder with the command line (it begins with a blank and carries no program
  // name) and hands each chunk it prints (the text of one read of at most 4095 bytes, up to a
  // NUL) to onChunk until the output ends, then waits for the encoder's exit code.
  // The pipe is never read while empty, so a silent encoder holds no read: whileWaiting, when
  // given, runs before every read and every few milliseconds while nothing comes. The message
  // queue runs there, which is how Stop reaches TerminateEncoder. An encoder that prints
  // nothing for silenceLimitMs is ended.
  JobEnd Run(const std::string& commandLine, const ChunkHandler& onChunk,
             const WhileWaiting& whileWaiting = nullptr, DWORD silenceLimitMs = INFINITE);

  // Ends the running encoder with kTerminatedExitCode, which ends its output and so Run.
  // Nothing when no job runs.
  void TerminateEncoder();

 private:
  std::string FEncoderPath;
  HANDLE FProcess = nullptr;  // the running job's process, for TerminateEncoder
  bool FTerminated = false;
};

}  // namespace converter
