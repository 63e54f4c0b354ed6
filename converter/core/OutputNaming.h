#pragma once
#include <functional>
#include <string>
#include <vector>

#include "converter/core/TaskRows.h"

namespace converter {

using FileExists = std::function<bool(const std::string& path)>;
// Whether two paths name one file, as the file system decides.
using SameFileTest = std::function<bool(const std::string& a, const std::string& b)>;

// What the run names its outputs by.
struct OutputSettings {
  std::string Folder;      // the output folder; a trailing "\" is added when missing
  std::string ProfileExt;  // "." + the output type of the profile the run uses
  bool Overwrite = false;  // false: an existing file is never replaced
  FileExists Exists;
  SameFileTest SameFile;
};

// The longest path that the system's file calls take: MAX_PATH less its closing NUL.
inline constexpr std::size_t kLongestPath = 259;

// The output path of row rowIndex (counted from 0): the folder, the row's output name and the
// profile's extension. A name is taken when the file or its thumbnail (ThumbnailPath) exists and
// may not be overwritten, or when either is the input itself or one of the kept paths (a run
// keeps every input of its list and the outputs and thumbnails it named for earlier rows; all
// compared with settings.SameFile). Then the name gets "_" + the row number (counted from 1) and
// the row's own extension; the first such name that is free is taken, counting the number up.
// Neither the result nor its thumbnail is ever the input path or one of kept.
std::string OutputPath(const ltvItemData& row, int rowIndex, const OutputSettings& settings,
                       const std::vector<std::string>& kept = {});

// Where the encoder writes an output before it takes the output's place: in the output's folder,
// the output's name without extension + "~" + a number + ".tmp" + the output's extension, which
// stays last because the encoder picks the format by it ("clip.mp4" -> "clip~1.tmp.mp4"). The
// number counts up from 1 to the first name that is free together with its thumbnail
// (ThumbnailPath): neither exists (settings.Exists) nor is one of kept (settings.SameFile), so
// writing there replaces no file. The thumbnail is never the output's own. Where the two would be
// longer than kLongestPath, the name before "~" is cut short as far as they need; empty when
// they do not fit even without it.
std::string TemporaryOutputPath(const std::string& outputPath, const OutputSettings& settings,
                                const std::vector<std::string>& kept);

// Whether the output and its thumbnail have names the system can give them (kLongestPath).
bool OutputFits(const std::string& outputPath);

// The thumbnail beside an output: the output's file name without extension + ".THM", in the
// output's folder (a dot in a folder name is never taken for the extension).
std::string ThumbnailPath(const std::string& outputPath);

}  // namespace converter
