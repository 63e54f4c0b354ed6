// The program folder as it ships, end to end: the converter converts a real clip with the real
// encoder, then the manager, started on the console, lists the converted video. Run on both
// program folders: on the 32-bit one where the machine runs 32-bit code.
#include <gtest/gtest.h>

#include "converter/tests/e2e_rows_fixture.h"
#include "manager/tests/e2e_manager_window.h"
#include "testing/driver/clips.h"
#include "testing/driver/wait.h"
#include "testing/driver/window_contents.h"

namespace {

constexpr DWORD kConversionTimeoutMs = 180000;

class ShippedFolder : public e2e::RealEncoderTask {};

TEST_F(ShippedFolder, TheConverterConvertsARealClipAndTheManagerListsIt) {
  ASSERT_TRUE(driver::GenerateClip(driver::RealEncoderPath(), Path("clip.avi"), 2, 320, 240));
  ASSERT_TRUE(Start("\"" + Path("clip.avi") + "\""));
  // The row comes once the clip is probed.
  ASSERT_TRUE(driver::WaitUntil([&] { return Rows().size() == 1; }, 60000)) << Rows().size() << " rows";
  ASSERT_TRUE(RunAll(kConversionTimeoutMs));
  const driver::ClipInfo output = driver::Probe(driver::RealEncoderPath(), Out() + "clip.mp4");
  EXPECT_EQ(output.videoCodec, "h264") << output.report;
  EXPECT_EQ(output.width, 480);
  EXPECT_EQ(output.height, 272);
  EXPECT_GT(driver::ReadWholeFile(Out() + "clip.THM").size(), 0u);
  EXPECT_TRUE(Converter().Close());

  e2e::ConsoleDrive console({"MP_ROOT\\100MNV01"});
  e2e::ManagerWindow manager("shipped-manager", "[Main]\r\nVersion=2.5\r\nOutput Path=" + Out() + "\r\n");
  ASSERT_TRUE(manager.Ready() && manager.Start());
  ASSERT_NE(manager.WaitForMain(), nullptr);
  EXPECT_EQ(driver::WindowText(manager.ConsoleCombo()), "(P:)");
  const auto rows = manager.WaitForRows(manager.PCList(), 1);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at(0), "clip.mp4");
  EXPECT_TRUE(manager.Close());
}

}  // namespace
