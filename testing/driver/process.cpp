#include "testing/driver/process.h"

#include <cstdio>
#include <cstring>
#include <thread>

#include "testing/driver/wait.h"
#include "testing/driver/window_report.h"

namespace driver {

constexpr DWORD kStartTimeoutMs = 10000;

Process::Process(Process&& other) noexcept : FInfo(other.FInfo) { other.FInfo = {}; }

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Release();
    FInfo = other.FInfo;
    other.FInfo = {};
  }
  return *this;
}

Process::~Process() { Release(); }

void Process::Release() {
  if (!Started()) return;
  Kill();
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
  FInfo = {};
}

bool Process::WaitForExit(DWORD timeoutMs) const {
  return Started() && WaitForSingleObject(FInfo.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (Started()) GetExitCodeProcess(FInfo.hProcess, &code);
  return code;
}

void Process::Kill() {
  if (Running()) {
    TerminateProcess(FInfo.hProcess, 1);
    WaitForExit(5000);
  }
}

// Our environment block with the additions replacing variables of the same name.
static std::string EnvironmentBlock(const EnvironmentAdditions& additions) {
  std::vector<std::string> entries;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
    const std::string text = entry;
    const size_t equals = text.find('=', 1);
    bool replaced = false;
    for (const auto& addition : additions)
      replaced = replaced || (equals == addition.first.size() &&
                              lstrcmpiA(text.substr(0, equals).c_str(), addition.first.c_str()) == 0);
    if (!replaced) entries.push_back(text);
  }
  FreeEnvironmentStringsA(strings);
  for (const auto& addition : additions) entries.push_back(addition.first + "=" + addition.second);
  std::string block;
  for (const auto& entry : entries) block += entry + '\0';
  return block + '\0';
}

static Process Start(const std::string& program, std::string commandLine, const char* folder,
                     const EnvironmentAdditions& additions, STARTUPINFOA& startup, BOOL inherit) {
  std::string environment = EnvironmentBlock(additions);
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, inherit, 0,
                      &environment[0], folder, &startup, &info))
    return Process();
  return Process(info);
}

Process StartProgram(const std::string& program, const std::string& arguments,
                     const std::string& folder, const EnvironmentAdditions& additions) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  // Under Wine on a machine busy with other work, starting a program now and then fails at
  // once and succeeds when asked again: the program under test is asked until it starts.
  Process process;
  DWORD error = 0;
  WaitUntil([&] {
    process = Start(program, "\"" + program + "\" " + arguments,
                    folder.empty() ? nullptr : folder.c_str(), additions, startup, FALSE);
    error = GetLastError();
    return process.Started();
  }, kStartTimeoutMs);
  if (process.Started()) ReportWindowsOnFailure(process.Id());
  else std::fprintf(stderr, "%s could not be started: error %lu\n", program.c_str(), error);
  return process;
}

std::string CapturedRun::Text() const {
  std::string text;
  for (const auto& chunk : chunks) text += chunk;
  return text;
}

CapturedRun RunCaptured(const std::string& program, const std::string& commandLine,
                        DWORD timeoutMs, const EnvironmentAdditions& additions) {
  CapturedRun run;
  GetDesktopWindow();  // before the pipe, as the converter's encoder jobs do
  SECURITY_ATTRIBUTES security{sizeof security, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &security, 0)) return run;
  STARTUPINFOA startup{};
  GetStartupInfoA(&startup);
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.wShowWindow = SW_HIDE;
  startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
  Process process = Start(program, commandLine, nullptr, additions, startup, TRUE);
  CloseHandle(writeEnd);
  run.started = process.Started();
  if (run.started) {
    std::thread reader([&] {
      char buffer[4095];
      DWORD got = 0;
      while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        run.chunks.emplace_back(buffer, got);
    });
    run.finished = process.WaitForExit(timeoutMs);
    process.Kill();
    reader.join();
    run.exitCode = process.ExitCode();
  }
  CloseHandle(readEnd);
  return run;
}

}  // namespace driver
