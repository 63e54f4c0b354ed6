// The rich edit: rich and plain text from streams and files, read back without formatting.
#include "framework/RichEdit.h"

#include <fstream>
#include <sstream>

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class RichEditTest : public FormTest {
protected:
  TRichEdit* Edit() {
    auto* edit = new TRichEdit(form);
    edit->SetVisible(false);
    edit->SetParent(form);
    return edit;
  }
};

TEST_F(RichEditTest, StreamsReadAsRichOrPlainTextAndReadBackPlain) {
  struct Case { const char* bytes; bool rich; const char* plain; };
  for (const Case& c : {
           Case{"{\\rtf1\\ansi one {\\b two}\\par three}", true, "one two\r\nthree"},
           Case{"{\\rtf1 as typed}", false, "{\\rtf1 as typed}"},
           Case{"", true, ""},
       }) {
    TRichEdit* edit = Edit();
    std::istringstream stream(c.bytes);
    edit->LoadFromStream(stream, c.rich);
    EXPECT_EQ(edit->PlainText(), c.plain) << c.bytes;
    edit->Clear();
    EXPECT_EQ(edit->PlainText(), "") << c.bytes;
  }
}

TEST_F(RichEditTest, AFileLoadsAndAMissingOneIsReported) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  const std::string name = std::string(folder) + "richedit-test.rtf";
  std::ofstream(name, std::ios::binary) << "{\\rtf1 from a file}";
  TRichEdit* edit = Edit();
  edit->LoadFromFile(name);
  EXPECT_EQ(edit->PlainText(), "from a file");
  DeleteFileA(name.c_str());
  EXPECT_THROW(edit->LoadFromFile(name), EInOutError);
  EXPECT_EQ(edit->PlainText(), "from a file") << "a failed load keeps the text";
}

}  // namespace
