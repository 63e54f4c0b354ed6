#include "skin/core/title_buttons.h"

#include <algorithm>

namespace skin {
namespace {

constexpr int kIconSize = 16;
constexpr int kButtonGap = 2;
constexpr int kMinimizedBarHeight = 26;

// The first of each button's three frames: normal, then hot, then hot and pressed.
int FirstFrame(TitleHit kind, bool maximized) {
  switch (kind) {
    case TitleHit::Help: return 4;
    case TitleHit::MaxRestore: return maximized ? 10 : 7;
    case TitleHit::Minimize: return 13;
    default: return 16;
  }
}

int ButtonTop(const TitleButtonsInput& in) {
  if (!in.Minimized)
    return in.ButtonTopInt <= 3 ? 4 : in.ButtonTopInt;
  const int y = std::max((kMinimizedBarHeight - in.ButtonHeight) / 2, 0);
  return in.ButtonHeight + y < 22 ? y + 2 : y;
}

}  // namespace

bool TitleButtonsLayout::Shows(TitleHit kind) const {
  return std::any_of(Buttons.begin(), Buttons.end(),
                     [kind](const TitleButton& b) { return b.Kind == kind; });
}

TitleButtonsLayout LayOutTitleButtons(const TitleButtonsInput& in) {
  TitleButtonsLayout layout;
  layout.Top = ButtonTop(in);
  layout.TextLeft = std::max(in.LeftOffsetInt, 0);
  if (in.SystemIcon) {
    const Rect icon{layout.TextLeft + 4, layout.Top, layout.TextLeft + 4 + kIconSize,
                    layout.Top + kIconSize};
    layout.IconRect = icon;
    if (PointInRect(in.Cursor, icon))
      layout.Hot = TitleHit::SystemIcon;
    layout.TextLeft = icon.Left + 18;
  }
  int x = in.Minimized ? in.TitleWidth - in.ButtonWidth - 5
                       : in.TitleWidth + in.RightOffsetInt - in.ButtonWidth;
  layout.TextRight = x + in.ButtonWidth;
  const std::pair<TitleHit, bool> wanted[] = {{TitleHit::Close, in.Close},
                                              {TitleHit::MaxRestore, in.MaxRestore},
                                              {TitleHit::Minimize, in.Minimize},
                                              {TitleHit::Help, in.Help}};
  for (const auto& [kind, shown] : wanted) {
    if (!shown)
      continue;
    const Rect bounds{x, layout.Top, x + in.ButtonWidth, layout.Top + in.ButtonHeight};
    int frame = FirstFrame(kind, in.Maximized);
    if (PointInRect(in.Cursor, bounds)) {
      layout.Hot = kind;
      frame += in.Pressed ? 2 : 1;
    }
    layout.Buttons.push_back({kind, bounds, frame});
    layout.TextRight = x;
    x -= in.ButtonWidth + kButtonGap;
  }
  return layout;
}

}  // namespace skin
