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

// The encoder run for one job at a time: started hidden with one command line, its standard
// output and error read through one pipe until it ends.
class EncoderJob {
 public:
  using ChunkHandler = std::function<void(const std::string& chunk)>;
  using BeforeRead = std::function<void()>;

  explicit EncoderJob(std::string encoderPath) : FEncoderPath(std::move(encoderPath)) {}
  EncoderJob(const EncoderJob&) = delete;
  EncoderJob& operator=(const EncoderJob&) = delete;

  // Starts the encoder with the command line (it begins with a blank and carries no program
  // name) and hands each chunk it prints (the text of one read, up to a NUL) to onChunk until
  // the output ends. beforeRead, when given, runs before every read: the message queue runs
  // there, which is how Stop reaches TerminateEncoder while the job runs.
  JobStart Run(const std::string& commandLine, const ChunkHandler& onChunk,
               const BeforeRead& beforeRead = nullptr);

  // Ends the running encoder with exit code 4, which ends its output and so Run. Nothing when
  // no job runs.
  void TerminateEncoder();

 private:
  std::string FEncoderPath;
  HANDLE FProcess = nullptr;  // the running job's process, for TerminateEncoder
};

}  // namespace converter
