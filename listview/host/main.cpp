// listview_host: listview_host.exe ROWS.txt [Property...]. Line 1 of the text file holds the
// column captions, each further line a row; cells are split by tabs. The further arguments name
// Boolean properties of the list to switch on, in any letter case. Events go to the file named
// by LISTVIEW_HOST_LOG, one line each. Link clicks are left to the list to open only while
// LISTVIEW_HOST_OPEN_LINKS is set.
#include "listview/host/HostForm.h"

THostForm* HostForm = nullptr;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->CreateForm(HostForm);
  Application->Run();
  return 0;
}
