#include "tools/encoder-standin/job.h"

#include <algorithm>
#include <cctype>

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool quoted = false, inArgument = false;
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if (c == ' ' && !quoted) {
      if (inArgument) arguments.push_back(current);
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.push_back(current);
  return arguments;
}

static std::string LowerExtension(const std::string& path) {
  const size_t name = path.find_last_of("\\/:");
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (name != std::string::npos && dot < name)) return "";
  std::string extension = path.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension;
}

Job ReadJob(const std::string& commandLine) {
  const std::vector<std::string> arguments = SplitCommandLine(commandLine);
  Job job;
  const auto flag = std::find(arguments.begin(), arguments.end(), "-i");
  if (flag == arguments.end() || flag + 1 == arguments.end()) return job;
  job.input = *(flag + 1);
  const std::string& last = arguments.back();
  if (&last == &*(flag + 1) || LowerExtension(last).size() < 2) return job;
  job.kind = LowerExtension(last) == ".thm" ? JobKind::Thumbnail : JobKind::Convert;
  job.output = job.kind == JobKind::Thumbnail ? ImageFileName(last) : last;
  return job;
}

std::string ImageFileName(const std::string& pattern) {
  std::string name;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] != '%') {
      name += pattern[i];
      continue;
    }
    size_t digits = i + 1;
    while (digits < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[digits])))
      ++digits;
    if (digits == i + 1 && digits < pattern.size() && pattern[digits] == '%') {
      name += '%';
      i = digits;
    } else if (digits < pattern.size() && pattern[digits] == 'd') {
      const size_t width = digits > i + 1 ? std::stoul(pattern.substr(i + 1, digits - i - 1)) : 0;
      name += std::string(width > 1 ? width - 1 : 0, '0') + "1";
      i = digits;
    } else {
      break;
    }
  }
  return name;
}
