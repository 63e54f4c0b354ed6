// The profile editors on a shown form: rows in and out of the grids, the fold button, the
// cells' colours.
#include "converter/ProfileGrids.h"

#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

converter::TProfileRow Row(const std::string& key, const std::string& value, bool readOnly,
                           bool pickList, std::vector<std::string> choices = {}) {
  converter::TProfileRow row;
  row.Key = key;
  row.Value = value;
  row.ReadOnly = readOnly;
  row.PickList = pickList;
  row.Choices = std::move(choices);
  return row;
}

void ExpectSameRows(const std::vector<converter::TProfileRow>& actual,
                    const std::vector<converter::TProfileRow>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].Key, expected[i].Key);
    EXPECT_EQ(actual[i].Value, expected[i].Value);
    EXPECT_EQ(actual[i].ReadOnly, expected[i].ReadOnly) << expected[i].Key;
    EXPECT_EQ(actual[i].PickList, expected[i].PickList) << expected[i].Key;
    EXPECT_EQ(actual[i].Choices, expected[i].Choices) << expected[i].Key;
  }
}

class ProfileGridsTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    for (int i = 0; i < converter::kProfileGroupCount; ++i) {
      TValueListEditor* grid = new TValueListEditor(form);
      grid->SetBounds(10, 10 + 90 * i, 200, 80);
      grid->SetParent(form);
      grid->SetDisplayOptions(doKeyColFixed);
      grid->SetDefaultRowHeight(17);
      grid->SetColWidths(0, 95);
      grid->SetColWidths(1, 68);
      grids[i] = grid;
    }
  }
  TProfileGrids grids{};
};

TEST_F(ProfileGridsTest, RowsGoIntoTheGridsAndComeBackWithTheirEdits) {
  converter::TProfileEditors first;
  first.Groups[0] = {Row("Video Size", "480x272", true, true, {"320x240", "480x272", ""}),
                     Row("Video Codec", "MPEG-4", true, false)};
  first.Groups[1] = {Row("Sample Rate", "", true, true)};  // a list without choices
  first.Groups[2] = {Row("Title", "My Video", false, false)};
  ShowProfileEditors(grids, first);
  for (int group = 0; group < converter::kProfileGroupCount; ++group)
    ExpectSameRows(ProfileEditorsOf(grids).Groups[group], first.Groups[group]);
  EXPECT_EQ(grids[0]->Height(), 2 * 18);
  EXPECT_EQ(grids[1]->Height(), 18);

  // The user's edits are what comes back.
  grids[0]->SetCells(1, 0, "640x480");
  grids[2]->SetCells(1, 0, "Holiday");
  const converter::TProfileEditors edited = ProfileEditorsOf(grids);
  EXPECT_EQ(edited.Groups[0][0].Value, "640x480");
  EXPECT_EQ(edited.Groups[2][0].Value, "Holiday");

  // Another profile replaces every row; an editor left without rows keeps one empty row high.
  converter::TProfileEditors second;
  second.Groups[0] = {Row("Frame Rate", "25 fps", true, true, {"25 fps"})};
  ShowProfileEditors(grids, second);
  const converter::TProfileEditors shown = ProfileEditorsOf(grids);
  ExpectSameRows(shown.Groups[0], second.Groups[0]);
  EXPECT_TRUE(shown.Groups[1].empty());
  EXPECT_TRUE(shown.Groups[2].empty());
  EXPECT_EQ(grids[0]->ItemProps(0)->PickList()->Count(), 1);
  EXPECT_EQ(grids[2]->Height(), 18);
}

TEST_F(ProfileGridsTest, TheGroupButtonFoldsAndUnfoldsItsEditor) {
  converter::TProfileEditors editors;
  editors.Groups[0] = {Row("a", "1", false, false), Row("b", "2", false, false),
                       Row("c", "3", false, false)};
  ShowProfileEditors(grids, editors);
  TButton* button = new TButton(form);
  button->SetParent(form);
  button->SetCaption("-");
  ToggleEditorGroup(button, grids[0]);
  EXPECT_EQ(grids[0]->Height(), 1);
  EXPECT_EQ(button->Caption(), "+");
  ToggleEditorGroup(button, grids[0]);
  EXPECT_EQ(grids[0]->Height(), 3 * 17 + 3 + 1);
  EXPECT_EQ(button->Caption(), "-");
}

class ProfileCellColoursTest : public ProfileGridsTest {
protected:
  void SetUp() override {
    ProfileGridsTest::SetUp();
    converter::TProfileEditors editors;
    editors.Groups[0] = {Row("Video Size", "320x240", true, true, {"320x240", "480x272"}),
                         Row("Video Codec", "MPEG-4", true, false)};
    ShowProfileEditors(grids, editors);
    video = grids[0];
    video->SetHeight(80);
    video->OnDrawCell = [this](TObject*, int c, int r, const TRect& rect, TGridDrawState state) {
      DrawProfileCell(video, c, r, rect, state, greyFixedValues);
    };
    elsewhere = new TEdit(form);
    elsewhere->SetBounds(220, 10, 100, 21);
    elsewhere->SetParent(form);
  }
  void Paint() {
    video->Invalidate();
    UpdateWindow(video->Handle());
  }
  COLORREF CellPixel(int c, int r) {
    const TRect rect = video->CellRect(c, r);
    HDC dc = GetDC(video->Handle());
    const COLORREF pixel = GetPixel(dc, rect.right - 2, rect.bottom - 2);
    ReleaseDC(video->Handle(), dc);
    return pixel;
  }
  // How many pixels of the cell have the colour.
  int CellPixels(int c, int r, COLORREF colour) {
    const TRect rect = video->CellRect(c, r);
    HDC dc = GetDC(video->Handle());
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
      for (int x = rect.left; x < rect.right; ++x) count += GetPixel(dc, x, y) == colour;
    ReleaseDC(video->Handle(), dc);
    return count;
  }
  TValueListEditor* video = nullptr;
  TEdit* elsewhere = nullptr;
  bool greyFixedValues = true;
};

TEST_F(ProfileCellColoursTest, TheCurrentKeyIsHighlightedWhileTheEditorHasTheFocus) {
  video->SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return video->InplaceEditor() != nullptr; }));
  Paint();
  EXPECT_EQ(CellPixel(0, 0), RGB(49, 106, 197));
  EXPECT_EQ(CellPixel(0, 1), ColorRef(clBtnFace));  // other keys keep the fixed colour

  elsewhere->SetFocus();
  video->SetEditorMode(false);
  Paint();
  EXPECT_EQ(CellPixel(0, 0), ColorRef(clWindow));
  // The current value is not drawn in the selection colour.
  EXPECT_EQ(CellPixel(1, 0), ColorRef(clWindow));
}

TEST_F(ProfileCellColoursTest, FixedValuesAreGreyExceptInTheOutputEditor) {
  elsewhere->SetFocus();
  video->SetEditorMode(false);
  Paint();
  EXPECT_GT(CellPixels(1, 1, RGB(192, 192, 192)), 0);
  EXPECT_EQ(CellPixels(1, 1, RGB(0, 0, 0)), 0);
  EXPECT_GT(CellPixels(1, 0, RGB(0, 0, 0)), 0);  // a choice is black

  greyFixedValues = false;
  Paint();
  EXPECT_EQ(CellPixels(1, 1, RGB(192, 192, 192)), 0);
  EXPECT_GT(CellPixels(1, 1, RGB(0, 0, 0)), 0);
}

}  // namespace
