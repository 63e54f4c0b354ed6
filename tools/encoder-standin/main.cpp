// The stand-in encoder: a console program that tests put into a program folder as
// "vodivi.dll". It appends its command line to the file named by VODIVI_LOG, plays the
// script named by VODIVI_SCRIPT (see script.h) and writes the file it was asked for.
#include <windows.h>

#include <fstream>
#include <sstream>

#include "tools/encoder-standin/job.h"
#include "tools/encoder-standin/script.h"
#include "tools/encoder-standin/thumbnail.h"

static std::string Environment(const char* name) {
  char value[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

static std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

int main() {
  const std::string commandLine = GetCommandLineA();
  const std::string log = Environment("VODIVI_LOG");
  if (!log.empty()) std::ofstream(log, std::ios::app | std::ios::binary) << commandLine << "\n";

  const Job job = ReadJob(commandLine);
  const std::string script = Environment("VODIVI_SCRIPT");
  std::vector<std::string> lines;
  if (!script.empty()) lines = ScriptLines(ReadFileText(script), job);
  if (lines.empty()) lines = ScriptLines(kBuiltInScript, job);

  const int code = RunScript(lines, job);
  if (code != 0 || job.output.empty()) return code;
  if (job.kind == JobKind::Thumbnail) return WriteThumbnail(job.output) ? 0 : 1;
  std::ofstream(job.output, std::ios::binary) << "stand-in output of " << job.input << "\n";
  return 0;
}
