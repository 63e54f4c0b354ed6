#pragma once
#include <string>
#include <vector>

// What one start of the encoder asks for, read from its command line the way the converter
// builds it: paths in double quotes, no escapes, maybe no program name in front.
enum class JobKind { Probe, Thumbnail, Convert };

struct Job {
  JobKind kind = JobKind::Probe;
  std::string input;   // the argument after "-i"
  std::string output;  // the last argument when it names another file; empty for a probe
};

std::vector<std::string> SplitCommandLine(const std::string& commandLine);
Job ReadJob(const std::string& commandLine);
