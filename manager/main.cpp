// Hollimer: the video manager.
#include "manager/MainForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TMainForm* mainForm;
  Application->CreateForm(mainForm);
  Application->Run();
  return 0;
}
