// Hollimer: the video manager. It does not read its command line.
#include "converter/About.h"
#include "manager/MainForm.h"
#include "manager/Rename.h"
#include "manager/Transfer.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->CreateForm(MainForm);
  Application->CreateForm(TransferForm);
  Application->CreateForm(RenameForm);
  AboutForm = New<TAboutForm>(Application, Application->Title(), MainForm->Version());
  Application->Run();
  return 0;
}
