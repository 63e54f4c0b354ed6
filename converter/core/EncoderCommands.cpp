#include "converter/core/EncoderCommands.h"

#include <cmath>

#include "converter/core/OutputNaming.h"

namespace converter {
namespace {

std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// The image writer's name pattern that stands for the path alone: "%%" is its literal "%".
std::string ImageNamePattern(const std::string& path) {
  std::string pattern;
  for (char c : path) pattern += c == '%' ? std::string("%%") : std::string(1, c);
  return pattern;
}

}  // namespace

std::string ProbeCommandLine(const std::string& inputPath) {
  return " -i " + Quoted(inputPath);
}

std::string ThumbnailCommandLine(const std::string& inputPath, const std::string& outputPath) {
  return " -y -i " + Quoted(inputPath) + " -f image2 -ss 0 -t 0.001 -s 160x120 " +
         Quoted(ImageNamePattern(ThumbnailPath(outputPath)));
}

std::string ConversionCommandLine(const std::string& inputPath, const std::string& options,
                                  const std::string& outputPath) {
  return " -y -i " + Quoted(inputPath) + options + " " + Quoted(outputPath);
}

std::string SilentTrackInput() {
  return " -f lavfi -i anullsrc=channel_layout=stereo:sample_rate=48000 -shortest";
}

std::string TrimOptions(const ltvItemData& row) {
  std::string options;
  if (row.Seconds(siStart) != row.Seconds(siInitialStart)) options += " -ss " + row.SubItems[siStart];
  const double length = row.Seconds(siConvertLength);
  if (length != row.Seconds(siLength))
    options += " -t " + std::to_string(std::llrint(length));  // halves to even
  return options;
}

}  // namespace converter
