#pragma once
#include <string>

#include "converter/core/TaskRows.h"

namespace converter {

// Command lines of the encoder jobs. Each begins with a blank and carries no program name; paths
// are quoted as they stand.
std::string ProbeCommandLine(const std::string& inputPath);
// A 160x120 single frame taken at time 0, written to ThumbnailPath(outputPath) and to no other
// name: the encoder's image writer reads its output name as a numbered-image pattern, so each
// "%" of the path is given as "%%".
std::string ThumbnailCommandLine(const std::string& inputPath, const std::string& outputPath);
// options: SilentTrackInput() for an input without sound, then the profile's option string (every
// option starting with a blank) + TrimOptions(row).
std::string ConversionCommandLine(const std::string& inputPath, const std::string& options,
                                  const std::string& outputPath);

// A second input of endless silence, which the encoder takes as the output's sound when the
// input has none (the console's format needs a sound track); the output ends with the video.
std::string SilentTrackInput();

// " -ss <start text>" when the row's start moved from its initial start, then " -t <length in
// whole seconds>" when its length to convert differs from the duration.
std::string TrimOptions(const ltvItemData& row);

}  // namespace converter
