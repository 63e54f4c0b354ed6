#pragma once
// The host's one form: a task list view filled from a text file, with Boolean properties named
// on the command line switched on, and every event of the list appended to a log file.
#include <string>
#include <vector>

#include "framework/Forms.h"
#include "listview/RichListV.h"

class THostForm : public TForm {
public:
  // The arguments are the program's.
  explicit THostForm(TComponent* AOwner);
  TRichListView* ltvHost;
private:
  void Fill(const std::string& fileName);
  void SwitchOn(const std::string& property);
  void LogEvents();
};
