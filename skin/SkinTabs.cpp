#include "skin/SkinTabs.h"

#include <optional>

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

void DrawTab(TkivSkinEngine* engine, HWND window, const TkivTabLook& look, TCanvas* canvas,
             int index, bool selected, const TRect& tab) {
  const skin::Image* image = engine->TabCache().Tab(selected, skin::TabSide::Top);
  TBitmap tabImage;
  if (image)
    skin::BitmapFromImage(*image, &tabImage);
  const bool transparent = !tabImage.Empty() && tabImage.Canvas()->Pixels(0, 0) == TColor(0xFF00FF);

  TBitmap face;
  if (look.Font)
    face.Canvas()->SetFont(look.Font);
  const std::string caption = TabText(window, index);
  const SIZE captionSize = face.Canvas()->TextExtent(caption);
  const int imageIndex = look.Images && look.ImageIndex ? look.ImageIndex(index) : -1;
  std::optional<skin::Size> icon;
  if (imageIndex >= 0 && imageIndex < look.Images->Count())
    icon = skin::Size{look.Images->Width(), look.Images->Height()};
  const skin::TabFace layout = skin::TabFaceOf(CoreRect(tab), look.Side, tabImage.Height(),
                                               {int(captionSize.cx), int(captionSize.cy)}, icon);
  face.SetSize(layout.Face.Width, layout.Face.Height);
  TCanvas* g = face.Canvas();
  skin::FillRectColor(g, TRect(0, 0, face.Width(), face.Height()), engine->GetFormColor());
  if (!tabImage.Empty())
    for (const skin::Rect& part : layout.Image)
      skin::DrawHorzThreePart(&tabImage, g, FrameworkRect(part), transparent);
  auto drawContent = [&] {
    if (layout.Icon)
      look.Images->Draw(g, layout.Icon->X, layout.Icon->Y, imageIndex);
    RECT r = FrameworkRect(layout.Caption);
    g->Brush()->SetStyle(bsClear);
    g->DrawTextEx(caption, r, DT_SINGLELINE | DT_VCENTER);
  };
  if (look.Side == skin::TabSide::Bottom) {
    skin::RotateBitmap180(&face);
    drawContent();
  } else {
    drawContent();
    if (look.Side == skin::TabSide::Left)
      skin::RotateBitmapLeft(&face);
    else if (look.Side == skin::TabSide::Right)
      skin::RotateBitmapRight(&face);
  }
  canvas->Draw(tab.left, tab.top, &face);
}

}  // namespace

void DrawSkinnedTabs(TkivSkinEngine* engine, HWND window, const TkivTabLook& look, TBitmap* bitmap) {
  TCanvas* canvas = bitmap->Canvas();
  const TColor background = engine->GetFormColor();
  skin::FillRectColor(canvas, TRect(0, 0, bitmap->Width(), bitmap->Height()), background);
  canvas->Pen()->SetColor(TColor(engine->GetSkinInt("ControlBorderColor")));
  RECT display{};
  GetClientRect(window, &display);
  SendMessageA(window, TCM_ADJUSTRECT, FALSE, LPARAM(&display));
  const skin::Image* bar = engine->TabCache().Bar(look.Side);
  const skin::TabPagePlan plan =
      skin::TabPage(CoreRect(display), look.Side, bar ? bar->Width() : 0, bar ? bar->Height() : 0);
  canvas->Brush()->SetColor(background);
  canvas->Rectangle(FrameworkRect(plan.Page));
  const int count = int(SendMessageA(window, TCM_GETITEMCOUNT, 0, 0));
  const int selected = int(SendMessageA(window, TCM_GETCURSEL, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT tab{};
    if (SendMessageA(window, TCM_GETITEMRECT, i, LPARAM(&tab)))
      DrawTab(engine, window, look, canvas, i, i == selected, tab);
  }
  canvas->Pen()->SetColor(background);
  canvas->MoveTo(plan.Edge.From.X, plan.Edge.From.Y);
  canvas->LineTo(plan.Edge.To.X, plan.Edge.To.Y);
  if (bar) {
    TBitmap barBitmap;
    skin::BitmapFromImage(*bar, &barBitmap);
    canvas->StretchDraw(FrameworkRect(plan.Bar), &barBitmap);
  }
}

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
  TkivTabLook look;
  look.Side = SideOf(tabs->TabPosition());
  look.Font = tabs->Font();
  look.Images = tabs->Images();
  auto* pages = dynamic_cast<TPageControl*>(tabs);
  look.ImageIndex = [pages](int tab) {
    if (!pages)
      return tab;
    return tab < pages->PageCount() ? pages->Pages(tab)->ImageIndex() : -1;
  };
  TBitmap bitmap;
  bitmap.SetSize(tabs->Width(), tabs->Height());
  DrawSkinnedTabs(FEngine, tabs->Handle(), look, &bitmap);
  DrawBitmapAt(&bitmap, TPoint(0, 0));
}
