// The encoder jobs with the stand-in encoder behind the pipe.
#include "converter/EncoderJob.h"

#include <thread>

#include "converter/core/EncoderCommands.h"
#include "converter/tests/StandInEncoder.h"
#include "testing/driver/wait.h"

namespace converter {
namespace {

using Chunks = std::vector<std::string>;

class EncoderJobTest : public StandInEncoder {
 protected:
  // Runs the conversion command line of "my clip.avi", keeping the chunks.
  JobStart Convert(EncoderJob& job, Chunks& chunks, const EncoderJob::BeforeRead& beforeRead = nullptr) {
    return job.Run(ConvertLine(), [&chunks](const std::string& chunk) { chunks.push_back(chunk); },
                   beforeRead);
  }
  std::string ConvertLine() const {
    return ConversionCommandLine(Path("my clip.avi"), " -f psp -s 320x240", Path("my clip.mp4"));
  }
};

TEST_F(EncoderJobTest, HandsOverEachReadAsAChunkAndPassesTheCommandLineUnchanged) {
  Script("say Input #0\nsay Duration\npause 300\nsay frame= 1 time=00:00:01.00\npause 300\nsay done\n");
  EncoderJob job(Encoder());
  Chunks chunks;
  ASSERT_EQ(Convert(job, chunks), JobStart::Started);
  EXPECT_EQ(chunks, (Chunks{"Input #0\r\nDuration\r\n", "frame= 1 time=00:00:01.00\r\n", "done\r\n"}));
  EXPECT_EQ(LoggedCommandLines(), Chunks{ConvertLine()});
}

TEST_F(EncoderJobTest, LetsTheMessageQueueRunBeforeEveryRead) {
  Script("say one\npause 300\nsay two\n");
  EncoderJob job(Encoder());
  Chunks events;
  ASSERT_EQ(Convert(job, events, [&events] { events.push_back("queue"); }), JobStart::Started);
  // The last turn of the queue precedes the read that finds the pipe broken.
  EXPECT_EQ(events, (Chunks{"queue", "one\r\n", "queue", "two\r\n", "queue"}));
}

TEST_F(EncoderJobTest, AMissingEncoderIsReportedAtOnce) {
  EncoderJob job(Path("absent.dll"));
  Chunks events;
  const JobStart start = Convert(job, events, [&events] { events.push_back("queue"); });
  EXPECT_EQ(start, JobStart::ProcessFailed);
  EXPECT_EQ(JobStartMessage(start), "Error on CreateProcess()");
  EXPECT_TRUE(events.empty());
  job.TerminateEncoder();  // Stop after a failed start reaches no process
}

TEST_F(EncoderJobTest, ReleasesTheEncoderProcessWhenTheJobEnds) {
  Script("say started\npause 300\n");
  EncoderJob job(Encoder());
  DWORD encoderId = 0;
  ASSERT_EQ(job.Run(ConvertLine(), [&encoderId](const std::string&) { encoderId = RunningEncoderId(); }),
            JobStart::Started);
  ASSERT_NE(encoderId, 0u);
  // With no handle of ours left, the ended process is soon gone and cannot be opened.
  EXPECT_TRUE(driver::WaitUntil([encoderId] {
    const HANDLE leftOver = OpenProcess(SYNCHRONIZE, FALSE, encoderId);
    if (leftOver) CloseHandle(leftOver);
    return leftOver == nullptr;
  }, 5000)) << "a handle of the finished encoder was kept";
}

TEST_F(EncoderJobTest, TerminateEncoderEndsAWaitingEncoderWithExitCode4) {
  const std::string gate = Path("gate");
  Script("say waiting\ngate " + gate + "\nsay passed the gate\n");
  // Should the stop fail, the gate opens after a while, so the test fails instead of hanging.
  const HANDLE finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread opener([&] {
    if (WaitForSingleObject(finished, 15000) == WAIT_TIMEOUT) driver::WriteWholeFile(gate, "");
  });

  EncoderJob job(Encoder());
  Chunks chunks;
  HANDLE encoder = nullptr;
  const DWORD begin = GetTickCount();
  const JobStart start = Convert(job, chunks, [&] {
    if (chunks.empty()) return;
    if (!encoder) encoder = OpenProcess(PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, RunningEncoderId());
    job.TerminateEncoder();  // what Stop does from the message queue
  });
  const DWORD took = GetTickCount() - begin;
  SetEvent(finished);
  opener.join();
  CloseHandle(finished);

  EXPECT_EQ(start, JobStart::Started);
  EXPECT_EQ(chunks, Chunks{"waiting\r\n"});
  EXPECT_LT(took, 10000u);
  ASSERT_NE(encoder, nullptr);
  DWORD exitCode = 0;
  EXPECT_EQ(WaitForSingleObject(encoder, 5000), WAIT_OBJECT_0);
  GetExitCodeProcess(encoder, &exitCode);
  EXPECT_EQ(exitCode, 4u);
  CloseHandle(encoder);
}

}  // namespace
}  // namespace converter
