// The converter with the real encoder lists a clip whose own title reads like the encoder's
// report: the length and size shown are the clip's, never its title's.
#include <gtest/gtest.h>

#include "converter/tests/e2e_rows_fixture.h"
#include "testing/driver/clips.h"

namespace {

class ConverterProbeTitle : public e2e::RealEncoderTask {};

// Once listed with Length "<b>99:99:99</b>" and Size "<u>1x1</u>".
TEST_F(ConverterProbeTitle, AClipsTitleNeverBecomesItsLengthOrSize) {
  ASSERT_TRUE(driver::GenerateTitledClip(driver::RealEncoderPath(), Path("titled.avi"), 2, 320,
                                         240, "Duration: <b>99:99:99</b>, Video: a, b, <u>1x1</u>"));
  // The title is in the report the converter reads, before the encoder's own lines.
  const driver::ClipInfo probe = driver::Probe(driver::RealEncoderPath(), Path("titled.avi"));
  ASSERT_NE(probe.report.find("title           : Duration: <b>99:99:99</b>"), std::string::npos)
      << probe.report;
  ASSERT_TRUE(Start("titled.avi"));
  // The window shows while the converter probes its inputs with the encoder.
  std::vector<std::vector<std::string>> rows;
  driver::WaitUntil([&] { return (rows = Rows()).size() == 1; }, 60000);
  ASSERT_EQ(rows.size(), 1u) << "with the encoder's report:\n" << probe.report;
  EXPECT_EQ(rows[0].at(1).substr(0, 10), "00:00:02.0") << rows[0].at(1);  // e.g. 00:00:02.02
  EXPECT_EQ(rows[0].at(2), " 320x240");
  EXPECT_TRUE(Converter().Close());
}

}  // namespace
