#include "testing/driver/message_boxes.h"

#include <algorithm>

#include "testing/driver/input.h"
#include "testing/driver/window_contents.h"
#include "testing/driver/window_search.h"

namespace driver {

HWND WaitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD processId) {
  WindowQuery query;
  query.caption = caption;
  query.className = "#32770";
  query.processId = processId;
  return WaitForWindow(query, timeoutMs);
}

std::string MessageBoxText(HWND dialog) {
  std::string text;
  WindowQuery statics;
  statics.className = "Static";
  for (HWND control : FindChildren(dialog, statics)) {
    const std::string part = WindowText(control);
    if (part.empty()) continue;
    if (!text.empty()) text += "\n";
    text += part;
  }
  return text;
}

static std::string WithoutMarks(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
  return text;
}

static std::vector<HWND> Buttons(HWND dialog) {
  WindowQuery buttons;
  buttons.className = "Button";
  return FindChildren(dialog, buttons);
}

std::vector<std::string> DialogButtonTexts(HWND dialog) {
  std::vector<std::string> texts;
  for (HWND button : Buttons(dialog))
    if (IsWindowVisible(button)) texts.push_back(WithoutMarks(WindowText(button)));
  return texts;
}

bool PressDialogButton(HWND dialog, const std::string& text) {
  for (HWND button : Buttons(dialog))
    if (WithoutMarks(WindowText(button)) == text)
      return PostCommand(dialog, GetDlgCtrlID(button), button);
  return false;
}

bool PressDialogButton(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  return button && PostCommand(dialog, id, button);
}

}  // namespace driver
