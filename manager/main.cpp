// Hollimer: the video manager. It does not read its command line.
#include "converter/About.h"
#include "manager/MainForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->CreateForm(MainForm);
  AboutForm = New<TAboutForm>(Application, Application->Title(), MainForm->Version());
  Application->Run();
  return 0;
}
