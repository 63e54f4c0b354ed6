#pragma once
#include <array>
#include <string>
#include <vector>

#include "converter/core/ProbeReport.h"

namespace converter {

// The sub-items of a task row. The first three are the columns after "Input File"; the others
// have no column.
enum TaskSubItem {
  siLength,         // duration as the encoder printed it
  siSize,           // frame size with its leading blank
  siStatus,         // kStatusOK, kStatusConverting, kStatusComplete, kStatusFailed or kStatusStop
  siOutputName,     // output file name without extension
  siOutputExt,      // the row's own output extension with its dot; may be empty
  siInitialStart,   // "00:00:00.0"
  siInitialEnd,     // the probed duration
  siConvertLength,  // end minus start
  siStart,
  siEnd,
  siTitle,          // shown in the advanced editor's "Title" row
  siFailure,        // why the row's last conversion failed, in the encoder's words; may be empty
  TaskSubItemCount
};

inline constexpr const char* kStatusOK = "OK";
inline constexpr const char* kStatusConverting = "Converting";
inline constexpr const char* kStatusComplete = "Complete";
inline constexpr const char* kStatusFailed = "Failed";
inline constexpr const char* kStatusStop = "Stop";

// One row of the task list: its caption (the input path) and its sub-items, all text as the
// list holds them.
struct ltvItemData {
  std::string Caption;
  std::array<std::string, TaskSubItemCount> SubItems;

  // The seconds of a time sub-item, worked out from its text: -1 when it is no time text.
  double Seconds(TaskSubItem item) const;
};

// The row for a new input: the probe's duration and size, status "OK", the output named after
// the input's file name, and the whole length selected.
ltvItemData NewTaskRow(const std::string& inputPath, const ProbeResult& probe, const std::string& profileExt);

// The task list takes each input path once; the match is exact, so the same file under another
// letter case gets a second row.
bool HasInput(const std::vector<std::string>& captions, const std::string& path);

// Takes the output editor's "New Filename", "Start Time" and "End Time" into the row. A start or
// end that is malformed or out of order (a start at or after the end), or a name that a file
// name cannot be (see RefusedNameMessage), leaves the row's old value in place. A time that did not change keeps its text, and a row whose start and end are
// its initial ones keeps its whole duration as the length to convert: only a real trim makes
// the run cut the clip.
void ApplyOutputEdit(ltvItemData& row, const std::string& newFilename, const std::string& startText,
                     const std::string& endText);

// The characters of the name that a file name cannot hold (\ / : * ? " < > |, each once, in
// the order they first appear, and control characters); empty when it can hold them all.
std::string ForbiddenFileNameCharacters(const std::string& name);
// The message that refuses a typed output name, naming the characters it cannot hold; empty
// when the name can be used.
std::string RefusedNameMessage(const std::string& name);

}  // namespace converter
