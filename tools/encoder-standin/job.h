#pragma once
#include <string>
#include <vector>

// What one start of the encoder asks for, read from its command line the way the converter
// builds it: paths in double quotes, no escapes, maybe no program name in front.
enum class JobKind { Probe, Thumbnail, Convert };

struct Job {
  JobKind kind = JobKind::Probe;
  std::string input;   // the argument after "-i"
  std::string output;  // the file the last argument names; empty for a probe
};

std::vector<std::string> SplitCommandLine(const std::string& commandLine);
Job ReadJob(const std::string& commandLine);

// The file the encoder's image writer makes of its output pattern for the first picture: "%%"
// is a "%", "%d" (or "%0Nd") the number 1, and any other "%" ends the name where it stands.
std::string ImageFileName(const std::string& pattern);
