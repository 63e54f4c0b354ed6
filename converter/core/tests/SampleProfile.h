#pragma once
#include "converter/core/Profiles.h"
#include "converter/core/tests/ScratchFolder.h"

#include <string>

namespace converter {

// A profile with a list, a fixed text, an editable text and an option without a value, one
// in each editor.
inline const std::string kSampleProfile =
    "[Main]\r\n"
    "Type=mp4\r\n"
    "Para=5\r\n"
    "0=Video Size\r\n"
    "1=Video Codec\r\n"
    "2=Audio\r\n"
    "3=Title\r\n"
    "4=Threads\r\n"
    "[Video Size]\r\n"
    "Sort=1\r\n"
    "cmd=-s\r\n"
    "Caption=320x240,480x272,Original Size,Custom Size,\r\n"
    "Value=320x240,480x272,,,\r\n"
    "Index=1\r\n"
    "[Video Codec]\r\n"
    "Sort=1\r\n"
    "ReadOnly=1\r\n"
    "List=0\r\n"
    "cmd=-vcodec\r\n"
    "Caption=MPEG-4\r\n"
    "Value=mpeg4\r\n"
    "[Audio]\r\n"
    "Sort=2\r\n"
    "cmd=-an\r\n"
    "Caption=Off,On,\r\n"
    "Value=\\,,\r\n"
    "Index=0\r\n"
    "[Title]\r\n"
    "Sort=3\r\n"
    "List=0\r\n"
    "cmd=-title\r\n"
    "Caption=My Clip\r\n"
    "Value=My Clip\r\n"
    "[Threads]\r\n"
    "Sort=0\r\n"
    "List=0\r\n"
    "cmd=-threads\r\n"
    "Caption=\r\n"
    "Value=\r\n";

// The sample written into a scratch folder and loaded into editors that a test may change.
class SampleProfileTest : public ScratchFolder {
protected:
  void SetUp() override {
    ScratchFolder::SetUp();
    FPath = Write("p.ovx", kSampleProfile);
    FEditors = LoadProfile(FPath)->Editors;
  }
  void Set(TProfileGroup group, const std::string& key, const std::string& value) {
    for (TProfileRow& row : FEditors.Rows(group))
      if (row.Key == key) row.Value = value;
  }

  std::string FPath;
  TProfileEditors FEditors;
};

}  // namespace converter
