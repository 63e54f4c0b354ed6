// Tessark: the video converter.
#include "converter/About.h"
#include "converter/CustomSize.h"
#include "converter/MainForm.h"
#include "converter/Process.h"
#include "converter/Settings.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Application->CreateForm(MainForm);
  Application->CreateForm(ProcessForm);
  AboutForm = New<TAboutForm>(Application, Application->Title(), MainForm->Version());
  Application->CreateForm(SettingForm);
  Application->CreateForm(SizeForm);
  Application->Run();
  return 0;
}
