// A small form with a few controls, shown under the X server and photographed from the root
// window with ImageMagick's import: its rectangle is drawn, and what a control paints is where
// the control is.
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

// The whole screen as a bitmap; empty when the picture could not be taken.
std::unique_ptr<TBitmap> Screenshot() {
  // Named after the X display as well: test trees of their own, with displays of their own,
  // may run this at the same time with the same process number.
  const char* display = getenv("DISPLAY");
  std::string unixPath = "/tmp/framework-screen" + StringReplace(display ? display : "", ":", "-") + "-" +
                         IntToStr(GetCurrentProcessId()) + ".bmp";
  std::string path = "Z:" + StringReplace(unixPath, "/", "\\");
  DeleteFile(path);
  // Wine gives no handle to wait on for a Linux program: the finished file is the signal.
  std::string command = "sh -c \"import -window root bmp3:" + unixPath + ".part && mv " + unixPath +
                        ".part " + unixPath + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA("Z:\\bin\\sh", &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return nullptr;
  // What Wine leaves in `info` for a Linux program is no handle of ours: closing it can close
  // one of this process's.
  if (!PumpUntil([&] { return FileExists(path); }, 20000)) return nullptr;
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromFile(path);
  DeleteFile(path);
  return bitmap;
}

class TRedPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
};

TEST(FormOnScreen, IsDrawnWithItsControlsWhereTheyAre) {
  auto* form = New<TForm>(nullptr);
  form->SetBounds(100, 80, 320, 240);
  form->SetCaption("Screenshot");
  form->SetColor(clWhite);
  form->SetFormStyle(fsStayOnTop);   // above the windows of tests that run beside this one
  auto* panel = new TRedPanel(form);
  panel->SetBounds(10, 10, 100, 60);
  panel->SetParent(form);
  auto* button = new TPlatformControl(form, "BUTTON", BS_PUSHBUTTON);
  button->SetBounds(10, 100, 90, 28);
  button->SetCaption("OK");
  button->SetParent(form);
  auto* edit = new TPlatformControl(form, "EDIT", WS_BORDER);
  edit->SetBounds(120, 100, 150, 24);
  edit->SetText("text");
  edit->SetParent(form);
  form->Show();
  form->Update();
  Pump(300);

  std::unique_ptr<TBitmap> screen = Screenshot();
  ASSERT_TRUE(screen) << "no screenshot";
  TCanvas* pixels = screen->Canvas();
  TColor background = pixels->Pixels(screen->Width() - 1, screen->Height() - 1);
  // The client area is the form's own drawing (the frame is the window manager's business).
  TPoint origin = form->ClientToScreen(TPoint(0, 0));
  int drawn = 0, samples = 0;
  for (int y = 0; y < form->ClientHeight(); y += 4)
    for (int x = 0; x < form->ClientWidth(); x += 4, ++samples)
      if (pixels->Pixels(origin.x + x, origin.y + y) != background) ++drawn;
  EXPECT_GT(samples, 1000);
  EXPECT_GT(drawn, samples * 95 / 100);   // black text is the only background colour there

  TPoint panelCentre = panel->ClientToScreen(TPoint(50, 30));
  EXPECT_EQ(pixels->Pixels(panelCentre.x, panelCentre.y), clRed);
  TPoint formClient = form->ClientToScreen(TPoint(200, 200));
  EXPECT_EQ(pixels->Pixels(formClient.x, formClient.y), clWhite);
  form->Free();
}

}  // namespace
