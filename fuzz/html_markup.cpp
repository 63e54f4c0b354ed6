// A cell's mark-up as the list draws it: measured, painted and hit-tested on a canvas that
// records the drawing. The first byte picks the pass and the options, the rest is the text.
#include "fuzz/FuzzInput.h"
#include "listview/core/tests/HTMLFakeCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t options = data[0];
  listview::TRender r(fuzz::Text(data + 1, size - 1));
  r.Images.AddPicture("pic", 20, 10, 2, 3);
  r.Params.MeasureOnly = options & 1;
  r.Params.HitTestOnly = options & 2;
  r.Params.WordWrap = options & 4;
  r.Params.Selected = options & 8;
  r.Params.PrintScaling = options & 16;
  r.Params.BlinkVisible = options & 32;
  r.Params.HitX = options & 64 ? 15 : -1;
  r.Params.HitY = options & 64 ? 5 : -1;
  r.Params.FocusAnchorIndex = options & 128 ? 0 : -1;
  r.Run();
  return 0;
}
