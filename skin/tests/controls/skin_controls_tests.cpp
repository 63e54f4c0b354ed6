// Control skinners on a skinned main form with one control of every class the skinner table
// names: which skinner each gets, what they draw, how a skinned button clicks, and how the
// skinners let go of their controls.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <typeindex>
#include <vector>

#include "framework/Buttons.h"
#include "framework/ComCtrls.h"
#include "framework/ExtCtrls.h"
#include "framework/Grids.h"
#include "framework/HotKey.h"
#include "framework/ScrollBox.h"
#include "framework/StdCtrls.h"
#include "framework/TreeView.h"
#include "skin/SkinBars.h"
#include "skin/SkinBoxes.h"
#include "skin/SkinButtons.h"
#include "skin/SkinDatePicker.h"
#include "skin/SkinTabs.h"
#include "skin/SkinToolBar.h"
#include "skin/tests/pump.h"
#include "skin/tests/skinned_form.h"

namespace {

class TPlainCustomControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
};

struct Row {
  TControl* Control;
  std::type_index Skinner;
  const char* Note;
};

class TControlsForm : public TSkinnedTestForm {
public:
  explicit TControlsForm(TComponent* owner)
      : TSkinnedTestForm(owner, 20, 20, 760, 560, "Skinned controls") {
    int x = 8, y = 8;
    // Each control in the next free cell of a grid of 140 x 70 cells.
    auto place = [&](auto* control, int w = 120, int h = 24) {
      control->SetParent(this);
      control->SetBounds(x, y, w, h);
      x += 140;
      if (x > 640) {
        x = 8;
        y += 70;
      }
      return control;
    };
    btnPlain = place(new TButton(this));
    btnPlain->SetCaption("&Press");
    btnPlain->OnClick = [this](TObject*) { ++FClicks; };
    btnFace = place(new TButton(this));
    btnTagged = place(new TButton(this));
    btnTagged->SetTag(9999);
    bbnGlyph = place(new TBitBtn(this));
    bbnGlyph->SetCaption("Glyph");
    bbnGlyph->SetMargin(-1);
    bbnGlyph->SetSpacing(-1);
    TBitmap glyph;
    glyph.SetSize(16, 16);
    bbnGlyph->SetGlyph(&glyph);
    ccoCustom = place(new TPlainCustomControl(this), 60, 40);
    fraFrame = place(new TFrame(this), 60, 40);
    sbxBox = place(new TScrollBox(this), 60, 40);
    tbrBar = place(new TToolBar(this));
    tbrBar->SetAlign(alNone);
    tbrBar->SetFlat(false);
    stbStatus = place(new TStatusBar(this));
    stbStatus->SetAlign(alNone);
    dtpUpDown = place(new TDateTimePicker(this));
    dtpUpDown->SetDateMode(dmUpDown);
    dtpOwn = place(new TDateTimePicker(this));
    dtpOwn->SetDateMode(dmUpDown);
    dtpOwn->SetTag(9998);
    tvwTree = place(new TTreeView(this), 100, 50);
    udnUpDown = place(new TUpDown(this), 16, 22);
    hkyKey = place(new THotKey(this));
    prbProgress = place(new TProgressBar(this));
    trbTrack = place(new TTrackBar(this), 120, 40);
    pgcPages = place(new TPageControl(this), 120, 60);
    pgcPages->SetTabHeight(30);
    for (const char* caption : {"One", "Two"}) {
      auto* sheet = new TTabSheet(this);
      sheet->SetPageControl(pgcPages);
      sheet->SetCaption(caption);
    }
    grdGrid = place(new TStringGrid(this), 120, 60);
    grdGrid->SetFixedColor(0x00FFFF);
    sbnSpeed = place(new TSpeedButton(this));
    panPanel = place(new TPanel(this), 60, 40);
    grbGroup = place(new TGroupBox(this), 100, 50);
    grbGroup->SetCaption("Group");
    scbScroll = place(new TScrollBar(this));
    lbxList = place(new TListBox(this), 120, 60);
    for (int i = 0; i < 40; ++i)
      lbxList->Items()->Add("Line " + std::to_string(i));
    rbnRadio = place(new TRadioButton(this));
    cbxCombo = place(new TComboBox(this));
    chkCheck = place(new TCheckBox(this));
    edtEdit = place(new TEdit(this));
    memMemo = place(new TMemo(this), 100, 50);
    lvwList = place(new TListView(this), 100, 50);
    sbnDown = place(new TSpeedButton(this));
    sbnDown->SetGroupIndex(1);
    sbnDown->SetDown(true);
    chkLeft = place(new TCheckBox(this));
    chkLeft->SetAlignment(taLeftJustify);
    prbEmpty = place(new TProgressBar(this));
    prbEmpty->SetMin(5);
    prbEmpty->SetMax(5);
    prbFull = place(new TProgressBar(this));
    prbFull->SetPosition(100);
  }

  std::vector<Row> Table() const {
    using std::type_index;
    return {
        {btnPlain, typeid(TkivSkinButton), "button"},
        {bbnGlyph, typeid(TkivSkinButton), "bitmap button: the push button's"},
        {ccoCustom, typeid(TkivSkinScrollWinControl), "any other custom control"},
        {fraFrame, typeid(TkivSkinFrame), "frame"},
        {sbxBox, typeid(TkivSkinScrollWinControl), "scroll box"},
        {tbrBar, typeid(TkivSkinToolBar), "tool bar"},
        {stbStatus, typeid(TkivSkinStatusBar), "status bar"},
        {dtpUpDown, typeid(TkivSkinDateTimePicker), "date-time picker"},
        {tvwTree, typeid(TkivSkinScrollWinControl), "tree view"},
        {udnUpDown, typeid(TkivSkinUpDown), "up-down"},
        {hkyKey, typeid(TkivSkinBorderWinControl), "hot key"},
        {prbProgress, typeid(TkivSkinProgressBar), "progress bar"},
        {trbTrack, typeid(TkivSkinTrackBar), "track bar"},
        {pgcPages, typeid(TkivSkinTabControl), "page control: the tab control's"},
        {grdGrid, typeid(TkivSkinGrid), "grid"},
        {sbnSpeed, typeid(TkivSkinSpeedButton), "speed button"},
        {panPanel, typeid(TkivSkinPanel), "panel"},
        {grbGroup, typeid(TkivSkinGroupBox), "group box"},
        {scbScroll, typeid(TkivSkinScrollBar), "scroll bar"},
        {lbxList, typeid(TkivSkinScrollWinControl), "list box"},
        {rbnRadio, typeid(TkivSkinRadioButton), "radio button"},
        {cbxCombo, typeid(TkivSkinComboBox), "combo box"},
        {chkCheck, typeid(TkivSkinCheckBox), "check box"},
        {edtEdit, typeid(TkivSkinScrollWinControl), "edit"},
        {memMemo, typeid(TkivSkinScrollWinControl), "memo: the scroll window's"},
        {lvwList, typeid(TkivSkinScrollWinControl), "list view: the scroll window's"},
    };
  }

  TButton *btnPlain, *btnFace, *btnTagged;
  TBitBtn* bbnGlyph;
  TPlainCustomControl* ccoCustom;
  TFrame* fraFrame;
  TScrollBox* sbxBox;
  TToolBar* tbrBar;
  TStatusBar* stbStatus;
  TDateTimePicker *dtpUpDown, *dtpOwn;
  TTreeView* tvwTree;
  TUpDown* udnUpDown;
  THotKey* hkyKey;
  TProgressBar* prbProgress;
  TTrackBar* trbTrack;
  TPageControl* pgcPages;
  TStringGrid* grdGrid;
  TSpeedButton* sbnSpeed;
  TPanel* panPanel;
  TGroupBox* grbGroup;
  TScrollBar* scbScroll;
  TListBox* lbxList;
  TRadioButton* rbnRadio;
  TComboBox* cbxCombo;
  TCheckBox* chkCheck;
  TEdit* edtEdit;
  TMemo* memMemo;
  TListView* lvwList;
  TSpeedButton* sbnDown;
  TCheckBox* chkLeft;
  TProgressBar *prbEmpty, *prbFull;
  int FClicks = 0;
};

TControlsForm* Form() {
  static TControlsForm* form = nullptr;
  if (!form) {
    Application->CreateForm(form);
    form->Show();
    SetActiveWindow(form->Handle());
    EXPECT_TRUE(PumpUntil([] { return SendMessageA(form->Handle(), KM_ISACTIVE, 0, 0) == 1; }));
  }
  return form;
}

bool IsSkinned(TWinControl* control) { return control->Perform(KM_ISSKINNED) == 1; }

TColor SkinColor(const char* name) { return TColor(Form()->kivSkinEngine1->GetSkinInt(name)); }

// The pixel at (x, y) of the control's window, non-client area included.
TColor WindowPixel(TWinControl* control, int x, int y) {
  const HDC dc = GetWindowDC(control->Handle());
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(control->Handle(), dc);
  return TColor(pixel);
}

TColor ClientPixel(TWinControl* control, int x, int y) {
  const HDC dc = GetDC(control->Handle());
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(control->Handle(), dc);
  return TColor(pixel);
}

TEST(ControlSkinners, EveryTableClassGetsItsSkinnerByTheLastMatch) {
  for (const Row& row : Form()->Table()) {
    std::unique_ptr<TkivSkinControl> skinner = FindControlSkinner(row.Control, Form()->kivSkinEngine1);
    ASSERT_TRUE(skinner) << row.Note;
    EXPECT_EQ(std::type_index(typeid(*skinner)), row.Skinner) << row.Note << " got " << typeid(*skinner).name();
    if (auto* windowed = dynamic_cast<TWinControl*>(row.Control))
      EXPECT_TRUE(IsSkinned(windowed)) << row.Note << ": the form's walk skinned it";
  }
  EXPECT_FALSE(IsSkinned(Form()->btnTagged)) << "tagged 9999";
}

TEST(ControlSkinners, EditsGetScrollPanelsOnlyWhenMultiLine) {
  struct Case {
    TWinControl* control;
    bool panels;
  } cases[] = {{Form()->edtEdit, false}, {Form()->memMemo, true}, {Form()->lbxList, true}, {Form()->tvwTree, true}};
  for (const Case& c : cases) {
    auto skinner = FindControlSkinner(c.control, Form()->kivSkinEngine1);
    auto* scroll = dynamic_cast<TkivSkinScrollWinControl*>(skinner.get());
    ASSERT_TRUE(scroll) << c.control->ClassName();
    EXPECT_EQ(scroll->VertBar() != nullptr, c.panels) << c.control->ClassName();
    EXPECT_EQ(scroll->HorzBar() != nullptr, c.panels) << c.control->ClassName();
    skinner->Detach();
  }
}

TEST(ControlSkinners, SkinOffRestoresWhatTheSkinnersChangedEvenAfterTwoUpdates) {
  TControlsForm* form = Form();
  EXPECT_EQ(form->grdGrid->FixedColor(), form->kivSkinEngine1->GetFormColor());
  EXPECT_EQ(form->pgcPages->TabHeight(), 0);
  EXPECT_TRUE(form->tbrBar->Flat());
  for (int round = 0; round < 2; ++round) {
    form->kivSkinEngine1->SetActive(false);
    EXPECT_EQ(form->grdGrid->FixedColor(), TColor(0x00FFFF)) << round;
    EXPECT_EQ(form->pgcPages->TabHeight(), 30) << round;
    EXPECT_FALSE(form->tbrBar->Flat()) << round;
    form->kivSkinEngine1->SetActive(true);
    EXPECT_EQ(form->grdGrid->FixedColor(), form->kivSkinEngine1->GetFormColor()) << round;
  }
}

TEST(ControlSkinners, PushButtonClicksOncePerPressReleaseDoubleClickAndSpaceRelease) {
  TControlsForm* form = Form();
  const HWND button = form->btnPlain->Handle();
  auto press = [&](UINT msg) { SendMessageA(button, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5)); };
  form->FClicks = 0;
  press(WM_LBUTTONDOWN);
  EXPECT_EQ(form->FClicks, 0) << "not on the press";
  press(WM_LBUTTONUP);
  EXPECT_EQ(form->FClicks, 1) << "press and release";
  press(WM_LBUTTONDOWN);
  press(WM_LBUTTONUP);
  press(WM_LBUTTONDBLCLK);
  press(WM_LBUTTONUP);
  EXPECT_EQ(form->FClicks, 2) << "a double click is one click";

  form->btnPlain->SetFocus();
  SendMessageA(button, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(form->FClicks, 2) << "not on Space down";
  SendMessageA(button, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(form->FClicks, 3) << "on Space release";

  TForm* other = New<TForm>(Application);
  other->Show();
  SetActiveWindow(other->Handle());
  ASSERT_TRUE(PumpUntil([&] { return SendMessageA(form->Handle(), KM_ISACTIVE, 0, 0) == 2; }));
  press(WM_LBUTTONDOWN);
  press(WM_LBUTTONUP);
  EXPECT_EQ(form->FClicks, 3) << "not on an inactive form";
  other->Free();
  SetActiveWindow(form->Handle());
  ASSERT_TRUE(PumpUntil([&] { return SendMessageA(form->Handle(), KM_ISACTIVE, 0, 0) == 1; }));
}

TEST(ControlSkinners, APressDraggedOffAPushButtonAndReleasedOutsideClicksItNeitherThenNorLater) {
  TControlsForm* form = Form();
  const HWND button = form->btnPlain->Handle();
  auto send = [&](UINT msg, int x, int y) {
    SendMessageA(button, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
  };
  form->FClicks = 0;
  send(WM_LBUTTONDOWN, 5, 5);
  EXPECT_EQ(GetCapture(), button) << "the release would not come to the button";
  send(WM_MOUSEMOVE, -30, 5);
  send(WM_LBUTTONUP, -30, 5);  // the button holds the mouse: the release outside comes to it
  EXPECT_EQ(form->FClicks, 0) << "released outside";
  EXPECT_NE(GetCapture(), button) << "the button still holds the mouse";
  send(WM_LBUTTONUP, 5, 5);  // a release over it that ends no press of its own
  EXPECT_EQ(form->FClicks, 0) << "a later release over the button";
  send(WM_LBUTTONDOWN, 5, 5);
  send(WM_MOUSEMOVE, -30, 5);
  send(WM_MOUSEMOVE, 5, 5);
  send(WM_LBUTTONUP, 5, 5);
  EXPECT_EQ(form->FClicks, 1) << "dragged off and back on, released over it";
}

TEST(ControlSkinners, AutomaticGlyphLayoutStaysAutomaticAfterPainting) {
  TControlsForm* form = Form();
  form->bbnGlyph->Repaint();
  Application->ProcessMessages();
  EXPECT_EQ(form->bbnGlyph->Margin(), -1);
  EXPECT_EQ(form->bbnGlyph->Spacing(), -1);
}

TEST(ControlSkinners, PixelsReadBackShowTheSkin) {
  TControlsForm* form = Form();
  // The face of a button without a caption is the middle of "ButtonImage" frame 1.
  TBitmap frame;
  ASSERT_TRUE(form->kivSkinEngine1->GetSkinBitmap("ButtonImage", &frame, 3, 1));
  std::vector<TColor> middle;
  for (int y = 0; y < frame.Height(); ++y)
    middle.push_back(frame.Canvas()->Pixels(frame.Width() / 2, y));
  const int cx = form->btnFace->Width() / 2, cy = form->btnFace->Height() / 2;
  TColor seen = 0;
  EXPECT_TRUE(PumpUntil([&] {
    seen = ClientPixel(form->btnFace, cx, cy);
    return std::find(middle.begin(), middle.end(), seen) != middle.end();
  })) << "button face 0x" << std::hex << seen;
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(form->btnTagged, cx, cy) == TColor(GetSysColor(COLOR_BTNFACE)); }))
      << "the 9999 button keeps the platform's face";

  const TColor border = SkinColor("ControlBorderColor");
  EXPECT_TRUE(PumpUntil([&] { return WindowPixel(form->edtEdit, 0, 5) == border; })) << "flat border, outer";
  EXPECT_TRUE(PumpUntil([&] { return WindowPixel(form->edtEdit, 1, 5) == SkinColor("ControlBackgroundColor"); }))
      << "flat border, inner";

  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(form->cbxCombo->Handle(), &info));
  const TRect b = info.rcButton;
  const int ax = b.left + b.Width() / 2 - 3, ay = b.Height() / 2;
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(form->cbxCombo, 0, form->cbxCombo->ClientHeight() / 2) == border; }))
      << "combo frame";
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(form->cbxCombo, ax + 3, ay + 1) == TColor(0); })) << "combo arrow";
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(form->cbxCombo, b.left + 2, b.top + 2) == form->kivSkinEngine1->GetFormColor(); }))
      << "combo button";
}

// Every pixel of frame frameIndex (of count) of a skin bitmap.
std::vector<TColor> SkinPixels(const char* name, int count = 0, int frameIndex = 0) {
  TBitmap bitmap;
  EXPECT_TRUE(Form()->kivSkinEngine1->GetSkinBitmap(name, &bitmap, count, frameIndex)) << name;
  std::vector<TColor> pixels;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      pixels.push_back(bitmap.Canvas()->Pixels(x, y));
  return pixels;
}

TEST(ControlSkinners, SpeedButtonsBoxesAndBarsPaintWhereTheirRulesSay) {
  TControlsForm* form = Form();
  const TColor background = form->kivSkinEngine1->GetFormColor();
  const TColor border = SkinColor("ControlBorderColor");
  const TColor pressed = SkinColor("ToolBarButtonDownBackgroundColor");
  ASSERT_NE(background, border);
  ASSERT_NE(background, pressed);
  // A speed button's pixel, on its parent's window.
  auto speed = [&](TSpeedButton* button, int x, int y) {
    return ClientPixel(form, button->Left() + x, button->Top() + y);
  };
  TSpeedButton* flat = form->sbnSpeed;
  const int cx = flat->Width() / 2, cy = flat->Height() / 2;
  EXPECT_TRUE(PumpUntil([&] { return speed(flat, 0, cy) == background; })) << "flat until hovered";
  flat->Perform(CM_MOUSEENTER);
  EXPECT_EQ(speed(flat, 0, cy), border) << "hovered: bordered";
  EXPECT_EQ(speed(flat, cx, cy), background) << "hovered: the form's colour inside";
  flat->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(speed(flat, 0, cy), background) << "flat again";
  EXPECT_TRUE(PumpUntil([&] { return speed(form->sbnDown, cx, cy) == pressed; })) << "Down looks pressed";

  struct Box {
    TCheckBox* box;
    bool atRight;
  };
  const std::vector<TColor> unchecked = SkinPixels("CheckBoxImage", 4, 2);
  TBitmap image;
  form->kivSkinEngine1->GetSkinBitmap("CheckBoxImage", &image, 4, 2);
  for (const Box& b : {Box{form->chkCheck, false}, Box{form->chkLeft, true}}) {
    const int x = (b.atRight ? b.box->Width() - image.Width() - 1 : 0) + image.Width() / 2;
    const int y = (b.box->ClientHeight() - image.Height()) / 2 + image.Height() / 2;
    const TColor want = image.Canvas()->Pixels(image.Width() / 2, image.Height() / 2);
    TColor seen = 0;
    EXPECT_TRUE(PumpUntil([&] { return (seen = ClientPixel(b.box, x, y)) == want; }))
        << (b.atRight ? "box at the right" : "box at the left") << ": saw 0x" << std::hex << seen;
  }

  const int h = form->prbEmpty->Height() / 2;
  EXPECT_TRUE(PumpUntil([&] { return ClientPixel(form->prbEmpty, form->prbEmpty->Width() - 3, h) == background; }))
      << "min equal to max: only the background";
  const std::vector<TColor> bar = SkinPixels("ProgressBarImage");
  TColor seen = 0;
  EXPECT_TRUE(PumpUntil([&] {
    seen = ClientPixel(form->prbFull, form->prbFull->Width() - 3, h);
    return std::find(bar.begin(), bar.end(), seen) != bar.end();
  })) << "at the end: filled to the right edge, saw 0x" << std::hex << seen;
}

// The control's skinned scroll panels that are shown.
std::vector<TkivSkinInternalScrollBar*> ShownScrollPanels(TWinControl* control) {
  std::vector<TkivSkinInternalScrollBar*> shown;
  for (HWND child = GetWindow(control->Parent()->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    auto* panel = dynamic_cast<TkivSkinInternalScrollBar*>(TWinControl::FindControl(child));
    if (panel && panel->Control() == control && IsWindowVisible(child))
      shown.push_back(panel);
  }
  return shown;
}

// Only a bar the platform shows gets a skinned panel: one over a list that fits would cover
// its neighbours, as it would once a list grown large enough has lost its bars.
TEST(ControlSkinners, ScrollPanelsShowOnlyWhereTheListOverflows) {
  TControlsForm* form = Form();
  std::vector<TkivSkinInternalScrollBar*> listPanels;
  ASSERT_TRUE(PumpUntil([&] { return !(listPanels = ShownScrollPanels(form->lbxList)).empty(); }))
      << "no panel over the list box's own bar";
  ASSERT_EQ(listPanels.size(), 1u);
  EXPECT_EQ(listPanels[0]->Kind(), TkivSkinInternalScrollBar::sbkVertical);
  RECT list, panel, common;
  GetWindowRect(form->lbxList->Handle(), &list);
  GetWindowRect(listPanels[0]->Handle(), &panel);
  EXPECT_TRUE(IntersectRect(&common, &list, &panel) && EqualRect(&common, &panel)) << "the panel leaves the list";

  TListView* report = form->lvwList;
  const TRect bounds = report->BoundsRect();
  report->SetViewStyle(vsReport);
  report->Columns()->Add()->SetWidth(300);
  for (int i = 0; i < 3; ++i) report->Items()->Add()->SetCaption("Row " + std::to_string(i));
  EXPECT_TRUE(PumpUntil([&] { return ShownScrollPanels(report).size() == 2; })) << "the small list overflows both ways";
  report->SetBounds(bounds.left, bounds.top, 400, 200);
  std::vector<TkivSkinInternalScrollBar*> left;
  EXPECT_TRUE(PumpUntil([&] { return (left = ShownScrollPanels(report)).empty(); }))
      << left.size() << " panels still shown over the grown list";
  for (TWinControl* fits : std::initializer_list<TWinControl*>{form->memMemo, report}) {
    RedrawWindow(fits->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(ShownScrollPanels(fits).empty()) << fits->ClassName() << " shows a panel it does not need";
  }
  report->Items()->Clear();
  report->Columns()->Clear();
  report->SetViewStyle(vsIcon);
  report->SetBoundsRect(bounds);
}

TEST(ControlSkinners, ARealClickOnASkinnedScrollPanelScrollsTheList) {
  TControlsForm* form = Form();
  // The walk's panel lies over the list's own bar: find it at the bar's lower arrow.
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetScrollBarInfo(form->lbxList->Handle(), OBJID_VSCROLL, &info));
  const POINT arrow{(info.rcScrollBar.left + info.rcScrollBar.right) / 2, info.rcScrollBar.bottom - 4};
  ASSERT_TRUE(PumpUntil([&] {
    const HWND over = WindowFromPoint(arrow);
    auto* panel = dynamic_cast<TkivSkinInternalScrollBar*>(TWinControl::FindControl(over));
    return panel && panel->Visible();
  })) << "no skinned panel over the bar";
  ASSERT_EQ(SendMessageA(form->lbxList->Handle(), LB_GETTOPINDEX, 0, 0), 0);

  // The press enters the platform's tracking loop on this thread; the release comes from
  // another thread once the list has moved.
  const HWND list = form->lbxList->Handle();
  std::atomic<bool> released{false};
  std::thread input([&] {
    auto send = [](DWORD flags, LONG x = 0, LONG y = 0) {
      INPUT in{};
      in.type = INPUT_MOUSE;
      in.mi.dx = x;
      in.mi.dy = y;
      in.mi.dwFlags = flags;
      SendInput(1, &in, sizeof in);
    };
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, arrow.x * 65535 / (sw - 1), arrow.y * 65535 / (sh - 1));
    send(MOUSEEVENTF_LEFTDOWN);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    DWORD_PTR top = 0;
    while (std::chrono::steady_clock::now() < end) {
      if (SendMessageTimeoutA(list, LB_GETTOPINDEX, 0, 0, SMTO_NORMAL, 1000, &top) && top > 0)
        break;
      Sleep(10);
    }
    send(MOUSEEVENTF_LEFTUP);
    released = true;
  });
  const bool done = PumpUntil([&] { return released.load(); });
  input.join();
  ASSERT_TRUE(done);
  EXPECT_GT(SendMessageA(list, LB_GETTOPINDEX, 0, 0), 0);
}

TEST(ControlSkinners, ATaggedControlIsLeftAsIfUnskinned) {
  TControlsForm* form = Form();
  ASSERT_TRUE(IsSkinned(form->btnFace));
  form->btnFace->SetTag(9999);
  EXPECT_FALSE(IsSkinned(form->btnFace)) << "the skinner passes everything on";
  form->btnFace->SetTag(0);
  EXPECT_TRUE(IsSkinned(form->btnFace));
}

TEST(ControlSkinners, PickerShowsTheSkinnedUpDownUnlessTagged9998) {
  TControlsForm* form = Form();
  auto upDownOf = [&](TDateTimePicker* picker) -> TkivSkinInternalUpDown* {
    for (int i = 0; i < picker->ComponentCount(); ++i)
      if (auto* upDown = dynamic_cast<TkivSkinInternalUpDown*>(picker->Components(i)))
        return upDown;
    return nullptr;
  };
  ASSERT_TRUE(upDownOf(form->dtpUpDown));
  EXPECT_TRUE(upDownOf(form->dtpUpDown)->Visible());
  const HWND own = FindWindowExA(form->dtpUpDown->Handle(), nullptr, UPDOWN_CLASSA, nullptr);
  ASSERT_TRUE(own);
  EXPECT_FALSE(IsWindowVisible(own));
  EXPECT_EQ(upDownOf(form->dtpOwn), nullptr);
}

TEST(ControlSkinners, AFreedSkinnerGivesTheControlItsProcedureBack) {
  TControlsForm* form = Form();
  TButton* button = New<TButton>(form);
  button->SetParent(form);
  auto skinner = FindControlSkinner(button, form->kivSkinEngine1);
  EXPECT_TRUE(IsSkinned(button));
  skinner.reset();
  EXPECT_FALSE(IsSkinned(button)) << "the control's own procedure answers, not the freed skinner";

  // A control that goes first: the skinner lets go of it.
  skinner = FindControlSkinner(button, form->kivSkinEngine1);
  button->Free();
  EXPECT_EQ(static_cast<TkivSkinControlVCL*>(skinner.get())->Control(), nullptr);
  skinner.reset();
}

TEST(ControlSkinners, APlainWindowOnTheWndBranchAnswersAndGetsItsProcedureBack) {
  TControlsForm* form = Form();
  const HWND child = CreateWindowExA(0, "STATIC", "plain", WS_CHILD | WS_VISIBLE, 600, 480, 80, 20,
                                     form->Handle(), nullptr, nullptr, nullptr);
  ASSERT_TRUE(child);
  const LONG_PTR own = GetWindowLongPtrA(child, GWLP_WNDPROC);
  auto skinner = MakeSkinner<TkivSkinBorderWndControl>(child, form->kivSkinEngine1);
  EXPECT_NE(GetWindowLongPtrA(child, GWLP_WNDPROC), own);
  EXPECT_EQ(SendMessageA(child, KM_ISSKINNED, 0, 0), 1);
  EXPECT_EQ(static_cast<TkivSkinControlWnd*>(skinner.get())->WindowText(), "plain");
  skinner->Detach();
  skinner.reset();
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_WNDPROC), own);
  EXPECT_EQ(SendMessageA(child, KM_ISSKINNED, 0, 0), 0);

  // A window that goes first leaves the skinner nothing to restore.
  skinner = MakeSkinner<TkivSkinBorderWndControl>(child, form->kivSkinEngine1);
  DestroyWindow(child);
  EXPECT_EQ(skinner->GetHandle(), nullptr);
  skinner.reset();
}

}  // namespace
