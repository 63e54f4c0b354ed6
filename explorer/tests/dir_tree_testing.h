// The folder tree on the shared test form, logging the folders it opens, and the helpers its
// tests share: a folder of this run and the answer to a message.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "explorer/DirTree.h"
#include "framework/tests/forms_testing.h"

namespace dir_tree_testing {

// A folder of this run in the temporary folder (not made here).
inline std::string TempFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
}

// The text of the message dialog, which is then answered with the named button.
inline std::string AnswerMessage(TCustomForm* dialog, const char* button) {
  char text[512] = {};
  GetDlgItemTextA(dialog->Handle(), 0xFFFF, text, sizeof text);
  SendMessageA(static_cast<TWinControl*>(dialog->FindComponent(button))->Handle(), BM_CLICK, 0, 0);
  return text;
}

class DirTreeOnForm : public forms_testing::FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    tree = new TDirTree(form);
    tree->SetBounds(0, 0, 380, 260);
    tree->SetParent(form);
    tree->OnDirChange = [this](TObject*, const std::string& path) { log.push_back("dir " + path); };
  }
  TDirTree* tree = nullptr;
  std::vector<std::string> log;
};

}  // namespace dir_tree_testing
