// Menus drawn by the engine: owner drawing of every item of a skinned menu from the skin.
#include "skin/SkinEngine.h"

#include "skin/SkinDraw.h"
#include "skin/SkinForms.h"
#include "skin/SkinPlatform.h"
#include "skin/core/menu_item_layout.h"

namespace {

constexpr int kGutterWidth = 26;
constexpr TColor kSeparatorColor = TColor(0x848284);
constexpr TColor kDisabledTextColor = TColor(0x808080);

TRect ToTRect(const skin::Rect& r) { return TRect(r.Left, r.Top, r.Right, r.Bottom); }
skin::Rect FromTRect(const TRect& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

bool IsTopLevelOfMainMenu(TMenuItem* item) {
  TMenu* menu = item->GetParentMenu();
  return dynamic_cast<TMainMenu*>(menu) && item->Parent() == menu->Items();
}

// The item's image in its menu's list, when it has one there.
bool HasUsableImage(TMenuItem* item, TMenu* menu) {
  TImageList* images = menu ? menu->Images() : nullptr;
  return item->ImageIndex() >= 0 && images && item->ImageIndex() < images->Count();
}

}  // namespace

void TkivSkinEngine::SkinMenu(TMenu* menu) {
  menu->SetOwnerDraw(true);
  if (dynamic_cast<TMainMenu*>(menu) && !menu->Images())
    menu->SetImages(EmptyImages());
  SkinMenuItems(menu->Items());
}

void TkivSkinEngine::SkinMenuItems(TMenuItem* item) {
  skin::SetMenuItemsOwnerDraw(item, Handler(this, &TkivSkinEngine::MeasureMenuItem),
                              Handler(this, &TkivSkinEngine::DrawMenuItem));
}

void TkivSkinEngine::UnskinMenu(TMenu* menu) {
  menu->SetOwnerDraw(false);
  if (dynamic_cast<TMainMenu*>(menu) && menu->Images() == EmptyImages())
    menu->SetImages(nullptr);
  skin::SetMenuItemsOwnerDraw(menu->Items(), nullptr, nullptr);
}

void TkivSkinEngine::MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height) {
  auto* item = static_cast<TMenuItem*>(sender);
  if (IsTopLevelOfMainMenu(item))
    return;
  skin::SetMenuFont(canvas->Font());
  const int shortcut = item->ShortCut() ? canvas->TextWidth(ShortCutToText(item->ShortCut())) : 0;
  const skin::MenuItemSize size = skin::MeasureMenuItemSize(
      item->IsLine(), canvas->TextWidth(StripHotkey(item->Caption())), shortcut);
  width = size.Width;
  height = size.Height;
}

void TkivSkinEngine::DrawMenuItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
  auto* item = static_cast<TMenuItem*>(sender);
  TMenu* menu = item->GetParentMenu();
  const bool leftToRight = !menu || menu->BiDiMode() == bdLeftToRight;
  skin::SetMenuFont(canvas->Font());
  const std::string shortcut = item->ShortCut() ? ShortCutToText(item->ShortCut()) : "";
  const int shortcutWidth = shortcut.empty() ? 0 : canvas->TextWidth(shortcut);
  const skin::MenuItemPlan plan = skin::PlanMenuItem(FromTRect(rect), leftToRight, shortcutWidth);
  const auto fillPlain = [&] {
    skin::FillRectColor(canvas, ToTRect(plan.Gutter), TColor(GetSkinInt("MenuBarColor")));
    skin::FillRectColor(canvas, ToTRect(plan.Rest), TColor(GetSkinInt("MenuBackgroundColor")));
  };
  if (item->IsLine()) {
    fillPlain();
    skin::DrawMenuSeparator(canvas, rect, kSeparatorColor, leftToRight, kGutterWidth);
    return;
  }
  if (selected && item->Enabled()) {
    skin::FillRectColor(canvas, rect, TColor(GetSkinInt("MenuSelectedBackgroundColor")));
    skin::FrameRectColor(canvas, rect, TColor(GetSkinInt("MenuSelectedBorderColor")));
  } else {
    fillPlain();
  }

  TFont* font = canvas->Font();
  font->SetColor(!item->Enabled() ? kDisabledTextColor
                 : selected      ? TColor(GetSkinInt("MenuSelectedFontColor"))
                                 : TColor(GetSkinInt("MenuFontColor")));
  font->SetStyle(item->Default() ? fsBold : 0u);
  canvas->Brush()->SetStyle(bsClear);
  HDC dc = canvas->Handle();
  SetBkMode(dc, TRANSPARENT);
  RECT text = ToTRect(plan.Text);
  DrawTextA(dc, item->Caption().c_str(), -1, &text,
            DT_SINGLELINE | (plan.TextRightAligned ? DT_RIGHT : DT_LEFT));
  if (!shortcut.empty())
    canvas->TextOut(plan.Shortcut.X, plan.Shortcut.Y, shortcut);

  const bool usableImage = HasUsableImage(item, menu);
  if (item->Checked() && !usableImage && CheckMarkImages()->Count() > 0) {
    CheckMarkImages()->Draw(canvas, plan.Image.Left, plan.Image.Top, 0, item->Enabled());
  } else if (item->Checked()) {
    skin::FillRectColor(canvas, ToTRect(plan.ImageFrame), clBlack);
    skin::FillRectColor(canvas, ToTRect(plan.ImageFrameInside), TColor(GetSkinInt("MenuBackgroundColor")));
  }
  if (usableImage)
    menu->Images()->Draw(canvas, plan.Image.Left, plan.Image.Top, item->ImageIndex(), item->Enabled());
  else if (!item->Bitmap()->Empty())
    canvas->StretchDraw(ToTRect(plan.Image), item->Bitmap());
}
