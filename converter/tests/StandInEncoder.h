#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "testing/driver/files.h"
#include "testing/driver/fixture.h"

namespace converter {

// A folder with the stand-in encoder in it as "vodivi.dll", logging every command line it
// gets; a test may give it a script (see tools/encoder-standin/script.h).
class StandInEncoder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FFolder.empty());
    ASSERT_TRUE(CopyFileA(driver::StandInEncoderPath().c_str(), Encoder().c_str(), FALSE));
    SetEnvironmentVariableA("VODIVI_LOG", Path("log.txt").c_str());
  }
  void TearDown() override {
    SetEnvironmentVariableA("VODIVI_LOG", nullptr);
    SetEnvironmentVariableA("VODIVI_SCRIPT", nullptr);
  }

  std::string Path(const std::string& name) const { return FFolder + "\\" + name; }
  std::string Encoder() const { return Path("vodivi.dll"); }
  std::vector<std::string> LoggedCommandLines() const { return driver::FileLines(Path("log.txt")); }
  void Script(const std::string& text) const {
    ASSERT_TRUE(driver::WriteWholeFile(Path("script.txt"), text));
    SetEnvironmentVariableA("VODIVI_SCRIPT", Path("script.txt").c_str());
  }

  // The id of the encoder that this process started and that still runs; 0 when there is none.
  static DWORD RunningEncoderId() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{sizeof entry};
    DWORD id = 0;
    for (BOOL more = Process32First(snapshot, &entry); more && !id;
         more = Process32Next(snapshot, &entry))
      if (entry.th32ParentProcessID == GetCurrentProcessId() &&
          lstrcmpiA(entry.szExeFile, "vodivi.dll") == 0)
        id = entry.th32ProcessID;
    CloseHandle(snapshot);
    return id;
  }

 private:
  const std::string FFolder = driver::MakeScratchFolder("converter-jobs");
};

}  // namespace converter
