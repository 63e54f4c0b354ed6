// Tessark: the video converter. For now its bare main window.
#include "framework/Forms.h"

namespace {
class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* owner) : TForm(owner) {
    SetCaption("Tessark V1.6");
    SetPosition(poScreenCenter);
    SetClientSize(640, 480);
  }
};
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  TMainForm* mainForm;
  Application->CreateForm(mainForm);
  Application->Run();
  return 0;
}
