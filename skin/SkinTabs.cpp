#include "skin/SkinTabs.h"

#include <algorithm>

#include "framework/ComCtrls.h"
#include "framework/ImgList.h"
#include "skin/SkinDraw.h"
#include "skin/SkinEngine.h"
#include "skin/core/tab_layout.h"

namespace {

skin::TabSide SideOf(TTabPosition position) {
  static const skin::TabSide sides[] = {skin::TabSide::Top, skin::TabSide::Bottom,
                                        skin::TabSide::Left, skin::TabSide::Right};
  return sides[position];
}

skin::Rect CoreRect(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
TRect FrameworkRect(const skin::Rect& r) { return TRect(r.Left, r.Top, r.Right, r.Bottom); }

std::string TabText(HWND window, int index) {
  char text[260] = "";
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(window, TCM_GETITEMA, index, LPARAM(&item));
  return text;
}

}  // namespace

bool TkivSkinTabControl::BeforeMessage(TMessage& m) { return !TakeOverPainting(m); }

void TkivSkinTabControl::UpdateSkin() {
  if (auto* tabs = dynamic_cast<TCustomTabControl*>(Control()))
    FTabHeight.Update(FEngine->IsSkinActive(), 0, [tabs] { return short(tabs->TabHeight()); },
                      [tabs](short h) { tabs->SetTabHeight(h); });
}

void TkivSkinTabControl::Paint() {
  auto* tabs = dynamic_cast<TCustomTabControl*>(Control());
  if (!tabs || !tabs->HandleAllocated())
    return;
  const HWND window = tabs->Handle();
  const skin::TabSide side = SideOf(tabs->TabPosition());
  TBitmap bitmap;
  bitmap.SetSize(tabs->Width(), tabs->Height());
  TCanvas* canvas = bitmap.Canvas();
  const TColor background = FEngine->GetFormColor();
  skin::FillRectColor(canvas, TRect(0, 0, bitmap.Width(), bitmap.Height()), background);
  canvas->Pen()->SetColor(TColor(FEngine->GetSkinInt("ControlBorderColor")));
  RECT display = tabs->ClientRect();
  SendMessageA(window, TCM_ADJUSTRECT, FALSE, LPARAM(&display));
  const skin::Image* bar = FEngine->TabCache().Bar(side);
  const skin::TabPagePlan plan =
      skin::TabPage(CoreRect(display), side, bar ? bar->Width() : 0, bar ? bar->Height() : 0);
  canvas->Brush()->SetColor(background);
  canvas->Rectangle(FrameworkRect(plan.Page));
  const int count = int(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0));
  const int selected = int(SendMessageA(window, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT tab{};
    if (SendMessageA(window, TCM_GETITEMRECT, i, LPARAM(&tab)))
      DrawTab(canvas, i, i == selected, tab);
  }
  canvas->Pen()->SetColor(background);
  canvas->MoveTo(plan.Edge.From.X, plan.Edge.From.Y);
  canvas->LineTo(plan.Edge.To.X, plan.Edge.To.Y);
  if (bar) {
    TBitmap barBitmap;
    skin::BitmapFromImage(*bar, &barBitmap);
    canvas->StretchDraw(FrameworkRect(plan.Bar), &barBitmap);
  }
  DrawBitmapAt(&bitmap, TPoint(0, 0));
}

void TkivSkinTabControl::DrawTab(TCanvas* canvas, int index, bool selected, const TRect& tab) {
  auto* tabs = static_cast<TCustomTabControl*>(Control());
  const skin::TabSide side = SideOf(tabs->TabPosition());
  const skin::Image* image = FEngine->TabCache().Tab(selected, skin::TabSide::Top);
  TBitmap tabImage;
  if (image)
    skin::BitmapFromImage(*image, &tabImage);
  const bool transparent = !tabImage.Empty() && tabImage.Canvas()->Pixels(0, 0) == TColor(0xFF00FF);

  TBitmap face;
  face.Canvas()->SetFont(tabs->Font());
  const std::string caption = TabText(tabs->Handle(), index);
  const SIZE captionSize = face.Canvas()->TextExtent(caption);
  TImageList* images = tabs->Images();
  int imageIndex = index;
  if (auto* pages = dynamic_cast<TPageControl*>(tabs))
    imageIndex = index < pages->PageCount() ? pages->Pages(index)->ImageIndex() : -1;
  const bool hasIcon = images && imageIndex >= 0 && imageIndex < images->Count();
  std::optional<skin::Size> icon;
  if (hasIcon)
    icon = skin::Size{images->Width(), images->Height()};
  const skin::TabFace layout = skin::TabFaceOf(CoreRect(tab), side, tabImage.Height(),
                                               {int(captionSize.cx), int(captionSize.cy)}, icon);
  face.SetSize(layout.Face.Width, layout.Face.Height);
  TCanvas* g = face.Canvas();
  skin::FillRectColor(g, TRect(0, 0, face.Width(), face.Height()), FEngine->GetFormColor());
  if (!tabImage.Empty())
    for (const skin::Rect& part : layout.Image)
      skin::DrawHorzThreePart(&tabImage, g, FrameworkRect(part), transparent);
  auto drawContent = [&] {
    if (layout.Icon)
      images->Draw(g, layout.Icon->X, layout.Icon->Y, imageIndex);
    RECT r = FrameworkRect(layout.Caption);
    g->Brush()->SetStyle(bsClear);
    g->DrawTextEx(caption, r, DT_SINGLELINE | DT_VCENTER);
  };
  if (side == skin::TabSide::Bottom) {
    skin::RotateBitmap180(&face);
    drawContent();
  } else {
    drawContent();
    if (side == skin::TabSide::Left)
      skin::RotateBitmapLeft(&face);
    else if (side == skin::TabSide::Right)
      skin::RotateBitmapRight(&face);
  }
  canvas->Draw(tab.left, tab.top, &face);
}
