#pragma once
#include <string>

namespace driver {

// Makes a test clip (moving test picture and a tone) with the real encoder; the
// container follows the extension (.avi, .mpg, .mp4). True when the file was written.
bool GenerateClip(const std::string& encoder, const std::string& path, double seconds,
                  int width, int height);

// Makes a test clip like GenerateClip, with pictures only: no sound track at all.
bool GenerateSilentClip(const std::string& encoder, const std::string& path, double seconds,
                        int width, int height);
// GenerateClip with the title in the file's metadata, where the encoder's report shows it.
bool GenerateTitledClip(const std::string& encoder, const std::string& path, double seconds,
                        int width, int height, const std::string& title);

// Makes a solid blue AVI of uncompressed frames (bgr24), with a PCM tone when asked: a clip
// that Wine's media framework can play. True when the file was written.
bool GenerateColourClip(const std::string& encoder, const std::string& path, double seconds,
                        int width, int height, bool withTone);

// What the real encoder reports about a file; seconds is -1 when it found no duration.
struct ClipInfo {
  double seconds = -1;
  std::string container;   // e.g. "avi", "mov,mp4,m4a,3gp,3g2,mj2"
  std::string videoCodec;  // e.g. "mpeg4", "h264"
  int width = 0;
  int height = 0;
  int videoStreams = 0;  // of the first input
  int audioStreams = 0;
  std::string report;      // the encoder's whole output
};

ClipInfo Probe(const std::string& encoder, const std::string& path);
ClipInfo ParseProbeReport(const std::string& report);

}  // namespace driver
