#pragma once
#include <string>
#include <vector>

#include "tools/encoder-standin/job.h"

// The stand-in's script: one command a line, "#" starts a comment line.
//   [probe], [thumbnail], [convert]  the lines that follow belong to that job only; lines
//                                    before the first header belong to every job
//   [convert NAME] (and the others)  ... to that job of the input whose file name is NAME;
//                                    a job plays every section that names it, in order
//   say TEXT    TEXT and a line end, for standard error
//   pause MS    writes what was said in one piece, then sleeps MS milliseconds, so that a
//               reader of the pipe gets it as a chunk of its own
//   gate PATH   writes what was said, then waits until the file PATH exists
//   write TEXT  writes what was said, then TEXT into the job's file, replacing what it held, as
//               the encoder does once it has started on its output
//   exit CODE   writes what was said and ends with CODE; the script's end is "exit 0". Only a
//               job that ends with 0 writes its file whole
//   hang        writes what was said, then waits for ever, printing nothing
// "{input}" and "{output}" in any command stand for the job's paths.

// The lines of the script that belong to the job.
std::vector<std::string> ScriptLines(const std::string& script, const Job& job);

// Runs the lines, writing to standard error; returns the exit code.
int RunScript(const std::vector<std::string>& lines, const Job& job);

// What the stand-in does without a script, or for a job its script leaves out.
extern const std::string kBuiltInScript;
