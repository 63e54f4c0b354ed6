#include "converter/core/JobReport.h"

#include <gtest/gtest.h>

namespace converter {
namespace {

const std::string kSilentInput =
    "Input #0, avi, from 'C:\\In\\silent.avi':\r\n"
    "  Metadata:\r\n"
    "    title           : Stream #0:1: Audio: aac\r\n"
    "  Duration: 00:00:02.00, start: 0.000000, bitrate: 371 kb/s\r\n"
    "    Stream #0:0: Video: mpeg4 (Simple Profile), yuv420p, 320x240, 25 fps\r\n";
const std::string kAudioStream = "    Stream #0:1: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\r\n";
const std::string kMapping =
    "Stream mapping:\r\n"
    "  Stream #0:0 -> #0:0 (mpeg4 (native) -> mjpeg (native))\r\n"
    "Output #0, image2, to 'C:\\Out\\clip.THM':\r\n"
    "    Stream #0:0: Video: mjpeg, yuvj420p(pc), 160x120\r\n";

TEST(JobReportTest, OnlyAnInputWithPicturesAndNoSoundLacksSound) {
  struct Case {
    std::string output;
    bool lacksSound;
    const char* note;
  };
  for (const Case& c : {
           Case{kSilentInput + kMapping, true, "the metadata title reads like a stream"},
           Case{kSilentInput + kAudioStream + kMapping, false, "a sound stream"},
           Case{kSilentInput + kMapping + "    Stream #0:1: Audio: aac\r\n", true,
                "the output's streams are not the input's"},
           Case{"Input #0, mp3, from 'a.mp3':\r\n    Stream #0:0: Audio: mp3\r\n", false,
                "sound only"},
           Case{"", false, "no report"},
           Case{"C:\\In\\bad.avi: Invalid data found when processing input\r\n", false,
                "the input could not be read"},
       })
    EXPECT_EQ(InputLacksSound(c.output), c.lacksSound) << c.note;
}

TEST(JobReportTest, TheReasonIsTheLastLineThatSaysMoreThanThatItFailed) {
  struct Case {
    std::string output;
    std::string reason;
  };
  for (const Case& c : {
           Case{kSilentInput + kMapping +
                    "Press [q] to stop, [?] for help\r\n"
                    "[psp @ 0000000000cbbe00] PSP mode need one video and one audio stream\r\n"
                    "Could not write header for output file #0 (incorrect codec parameters ?): "
                    "Invalid argument\r\n"
                    "Error initializing output stream 0:0 -- \r\n"
                    "Conversion failed!\r\n",
                "PSP mode need one video and one audio stream"},
           Case{"[avi @ 0000000000cb3200] Format avi detected only with low score of 1\r\n"
                "C:\\In\\bad.avi: Invalid data found when processing input\r\n",
                "C:\\In\\bad.avi: Invalid data found when processing input"},
           Case{"Disk full\nframe=   10 fps=0.0 q=2.0 size=  10kB time=00:00:00.40\r"
                "frame=   20 fps=0.0 q=2.0 size=  20kB time=00:00:00.80\r\n\r\n",
                "Disk full"},
           Case{"[file] not a component @ all\n", "[file] not a component @ all"},
           Case{"Conversion failed!\r\n", ""},
           Case{"", ""},
       })
    EXPECT_EQ(FailureReason(c.output), c.reason) << c.output;
}

}  // namespace
}  // namespace converter
