// The encoder jobs with the stand-in encoder behind the pipe.
#include "converter/EncoderJob.h"

#include "converter/core/EncoderCommands.h"
#include "converter/tests/StandInEncoder.h"
#include "testing/driver/wait.h"

namespace converter {
namespace {

using Chunks = std::vector<std::string>;

class EncoderJobTest : public StandInEncoder {
 protected:
  // Runs the conversion command line of "my clip.avi", keeping the chunks.
  JobEnd Convert(EncoderJob& job, Chunks& chunks, const EncoderJob::WhileWaiting& whileWaiting = nullptr,
                 DWORD silenceLimitMs = INFINITE) {
    return job.Run(ConvertLine(), [&chunks](const std::string& chunk) { chunks.push_back(chunk); },
                   whileWaiting, silenceLimitMs);
  }
  std::string ConvertLine() const {
    return ConversionCommandLine(Path("my clip.avi"), " -f psp -s 320x240", Path("my clip.mp4"));
  }
};

TEST_F(EncoderJobTest, HandsOverEachReadAsAChunkAndPassesTheCommandLineUnchanged) {
  Script("say Input #0\nsay Duration\npause 300\nsay frame= 1 time=00:00:01.00\npause 300\nsay done\n");
  EncoderJob job(Encoder());
  Chunks chunks;
  ASSERT_EQ(Convert(job, chunks).Start, JobStart::Started);
  EXPECT_EQ(chunks, (Chunks{"Input #0\r\nDuration\r\n", "frame= 1 time=00:00:01.00\r\n", "done\r\n"}));
  EXPECT_EQ(LoggedCommandLines(), Chunks{ConvertLine()});
}

TEST_F(EncoderJobTest, LetsTheMessageQueueRunBeforeEveryReadAndWhileTheEncoderIsSilent) {
  Script("say one\npause 300\nsay two\n");
  EncoderJob job(Encoder());
  Chunks events;
  int turnsWhileSilent = 0;
  ASSERT_EQ(Convert(job, events, [&] {
              if (!events.empty() && events.back() == "queue") {
                if (events.size() == 3) ++turnsWhileSilent;
                return;
              }
              events.push_back("queue");
            }).Start,
            JobStart::Started);
  // The last turn of the queue precedes the look that finds the pipe broken.
  EXPECT_EQ(events, (Chunks{"queue", "one\r\n", "queue", "two\r\n", "queue"}));
  // A read that waited for the encoder would have given the queue one turn in the pause.
  EXPECT_GE(turnsWhileSilent, 1);
}

TEST_F(EncoderJobTest, EndsWithTheEncodersExitCode) {
  struct Case {
    const char* script;
    DWORD silenceLimitMs;
    DWORD exitCode;
    bool terminated;
  };
  for (const Case& c : {
           Case{"say done\n", INFINITE, 0, false},
           Case{"say Invalid data found when processing input\nexit 1\n", INFINITE, 1, false},
           Case{"exit 4\n", INFINITE, 4, false},  // the encoder's own 4 is not an end from here
           Case{"say started\nhang\n", 500, kTerminatedExitCode, true},  // silent too long
       }) {
    Script(c.script);
    EncoderJob job(Encoder());
    const DWORD begin = GetTickCount();
    const JobEnd end = job.Run(ConvertLine(), [](const std::string&) {}, nullptr, c.silenceLimitMs);
    EXPECT_EQ(end.Start, JobStart::Started) << c.script;
    EXPECT_EQ(end.ExitCode, c.exitCode) << c.script;
    EXPECT_EQ(end.Terminated, c.terminated) << c.script;
    EXPECT_LT(GetTickCount() - begin, 10000u) << c.script;
  }
}

TEST_F(EncoderJobTest, AMissingEncoderIsReportedAtOnce) {
  EncoderJob job(Path("absent.dll"));
  Chunks events;
  const JobStart start = Convert(job, events, [&events] { events.push_back("queue"); }).Start;
  EXPECT_EQ(start, JobStart::ProcessFailed);
  EXPECT_EQ(JobStartMessage(start), "Error on CreateProcess()");
  EXPECT_TRUE(events.empty());
  job.TerminateEncoder();  // Stop after a failed start reaches no process
}

TEST_F(EncoderJobTest, ReleasesTheEncoderProcessWhenTheJobEnds) {
  Script("say started\npause 300\n");
  EncoderJob job(Encoder());
  DWORD encoderId = 0;
  ASSERT_EQ(job.Run(ConvertLine(), [&encoderId](const std::string&) { encoderId = RunningEncoderId(); }).Start,
            JobStart::Started);
  ASSERT_NE(encoderId, 0u);
  // With no handle of ours left, the ended process is soon gone and cannot be opened.
  EXPECT_TRUE(driver::WaitUntil([encoderId] {
    const HANDLE leftOver = OpenProcess(SYNCHRONIZE, FALSE, encoderId);
    if (leftOver) CloseHandle(leftOver);
    return leftOver == nullptr;
  }, 5000)) << "a handle of the finished encoder was kept";
}

// What Stop does from the message queue while the encoder prints nothing.
TEST_F(EncoderJobTest, TerminateEncoderEndsASilentEncoderWithinASecond) {
  Script("say waiting\nhang\n");
  EncoderJob job(Encoder());
  Chunks chunks;
  HANDLE encoder = nullptr;
  DWORD stopped = 0;
  // Should the stop fail, the silence limit ends the job, so the test fails instead of hanging.
  const JobEnd end = Convert(job, chunks, [&] {
    if (chunks.empty() || stopped) return;
    encoder = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, RunningEncoderId());
    stopped = GetTickCount();
    job.TerminateEncoder();
  }, 15000);
  const DWORD took = GetTickCount() - stopped;

  EXPECT_EQ(end.Start, JobStart::Started);
  EXPECT_EQ(chunks, Chunks{"waiting\r\n"});
  EXPECT_LT(took, 1000u);
  EXPECT_EQ(end.ExitCode, 4u);
  EXPECT_TRUE(end.Terminated);
  ASSERT_NE(encoder, nullptr);
  DWORD exitCode = 0;
  EXPECT_EQ(WaitForSingleObject(encoder, 5000), WAIT_OBJECT_0);
  GetExitCodeProcess(encoder, &exitCode);
  EXPECT_EQ(exitCode, 4u);
  CloseHandle(encoder);
}

}  // namespace
}  // namespace converter
