// A skin the user loads: every entry read as the engine reads it, and its numbers and bitmap
// sizes laid out as a skinned window lays out its title buttons and outline.
#include "fuzz/FuzzInput.h"
#include "skin/core/container.h"
#include "skin/core/skin_reader.h"
#include "skin/core/title_buttons.h"
#include "skin/core/window_region.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  skin::TkivSkinReader reader;
  if (!reader.LoadFromMemory(bytes)) return 0;
  const auto entries = skin::ReadContainer(bytes);
  for (const skin::ContainerEntry& e : *entries) {
    skin::Image image;
    reader.GetBitmap(e.Name, image);
    reader.GetFrameBitmap(e.Name, image, 18, 17);
    reader.GetInt(e.Name);
    reader.GetBool(e.Name);
  }
  skin::Image title, buttons;
  reader.GetBitmap("TitleBarClientImage", title);
  reader.GetFrameBitmap("TitleBarButtonImage", buttons, 18, 1);
  skin::TitleButtonsInput in;
  in.TitleWidth = title.Width();
  in.ButtonWidth = buttons.Width();
  in.ButtonHeight = buttons.Height();
  in.ButtonTopInt = reader.GetInt("TitleBarButtonTopInt");
  in.LeftOffsetInt = reader.GetInt("TitleBarButtonLeftOffsetInt");
  in.RightOffsetInt = reader.GetInt("TitleBarButtonRightOffsetInt");
  in.SystemIcon = in.Close = in.MaxRestore = in.Minimize = in.Help = true;
  in.Cursor = {10, 10};
  for (bool minimized : {false, true}) {
    in.Minimized = minimized;
    skin::LayOutTitleButtons(in);
  }
  skin::PlanWindowRegion(1024, 768, reader.GetInt("FormRoundCornerInt"),
                         reader.GetInt("FormBottomRoundCornerInt"));
  return 0;
}
