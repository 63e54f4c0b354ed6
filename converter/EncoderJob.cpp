#include "converter/EncoderJob.h"

#include <algorithm>

namespace converter {
namespace {

constexpr DWORD kLargestRead = 4095;
// How long a look at the empty pipe waits: a job that lets messages run looks again every few
// milliseconds; one that lets none run (the probe) after one, close to what a blocking read
// costs. The wait ends early when the encoder ends.
constexpr DWORD kPollMs = 5;
constexpr DWORD kProbePollMs = 1;
// The pipe breaks while the encoder ends; its exit code follows at once. One that closes its
// output and goes on anyway is ended after this long.
constexpr DWORD kExitAfterOutputMs = 5000;

// Closes the handle when it goes out of scope.
struct OwnedHandle {
  HANDLE Handle = nullptr;
  ~OwnedHandle() {
    if (Handle) CloseHandle(Handle);
  }
};

}  // namespace

std::string JobStartMessage(JobStart start) {
  switch (start) {
    case JobStart::PipeFailed: return "Error On CreatePipe()";
    case JobStart::ProcessFailed: return "Error on CreateProcess()";
    case JobStart::Started: break;
  }
  return "";
}

JobEnd EncoderJob::Run(const std::string& commandLine, const ChunkHandler& onChunk,
                       const WhileWaiting& whileWaiting, DWORD silenceLimitMs) {
  // Under Wine the desktop process starts with the first program that needs it and inherits
  // what is inheritable at that moment: it must exist before the pipe does, or it holds the
  // write end open and the reading never ends.
  GetDesktopWindow();
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  OwnedHandle readEnd, writeEnd;
  if (!CreatePipe(&readEnd.Handle, &writeEnd.Handle, &inheritable, 0))
    return {JobStart::PipeFailed, GetLastError()};

  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = writeEnd.Handle;
  startup.hStdError = writeEnd.Handle;
  std::string writableLine = commandLine;  // CreateProcessA may write into it
  PROCESS_INFORMATION started{};
  if (!CreateProcessA(FEncoderPath.c_str(), writableLine.data(), nullptr, nullptr, TRUE, 0,
                      nullptr, nullptr, &startup, &started))
    return {JobStart::ProcessFailed, GetLastError()};
  OwnedHandle process{started.hProcess}, thread{started.hThread};
  // Only the encoder may hold the write end, so that its end breaks the pipe.
  CloseHandle(writeEnd.Handle);
  writeEnd.Handle = nullptr;

  // However the job ends (an exception from a handler included), a live encoder is ended and
  // Stop no longer reaches for this process.
  FProcess = process.Handle;
  FTerminated = false;
  struct EndOfJob {
    HANDLE& Running;
    ~EndOfJob() {
      if (WaitForSingleObject(Running, 0) == WAIT_TIMEOUT)
        TerminateProcess(Running, kTerminatedExitCode);
      Running = nullptr;
    }
  } endOfJob{FProcess};
  const auto wait = [&] {
    if (whileWaiting) whileWaiting();
  };

  const DWORD pollMs = whileWaiting ? kPollMs : kProbePollMs;
  char buffer[kLargestRead];
  DWORD lastOutput = GetTickCount();
  for (;;) {
    wait();
    DWORD available = 0;
    if (!PeekNamedPipe(readEnd.Handle, nullptr, 0, nullptr, &available, nullptr)) break;
    if (available == 0) {
      if (silenceLimitMs != INFINITE && GetTickCount() - lastOutput >= silenceLimitMs)
        TerminateEncoder();
      // The encoder's end breaks the pipe: the next look finds it at once.
      WaitForSingleObject(process.Handle, pollMs);
      continue;
    }
    DWORD bytesRead = 0;
    if (!ReadFile(readEnd.Handle, buffer, kLargestRead, &bytesRead, nullptr)) break;
    lastOutput = GetTickCount();
    onChunk(std::string(buffer, std::find(buffer, buffer + bytesRead, '\0')));
  }

  const DWORD outputEnded = GetTickCount();
  while (WaitForSingleObject(process.Handle, kPollMs) == WAIT_TIMEOUT) {
    if (GetTickCount() - outputEnded >= kExitAfterOutputMs) TerminateEncoder();
    wait();
  }
  JobEnd end{JobStart::Started, 0, kTerminatedExitCode, FTerminated};
  GetExitCodeProcess(process.Handle, &end.ExitCode);
  return end;
}

void EncoderJob::TerminateEncoder() {
  if (FProcess && TerminateProcess(FProcess, kTerminatedExitCode)) FTerminated = true;
}

}  // namespace converter
