// The name/value grid editor: lines, pick lists, the in-place editor, row heights, drawing.
#include "framework/ValEdit.h"
#include "framework/tests/forms_testing.h"

using namespace forms_testing;

namespace {

class ValueListEditorTest : public FormTest {
protected:
  void SetUp() override {
    FormTest::SetUp();
    vle = new TValueListEditor(form);
    vle->SetBounds(10, 10, 200, 120);
    vle->SetParent(form);
    vle->SetDisplayOptions(doKeyColFixed);   // no title row, as the profile editors
    vle->SetDefaultRowHeight(17);
    vle->SetColWidths(0, 95);
    vle->SetColWidths(1, 68);
  }
  // A press on a cell as the user makes it.
  void ClickCell(int c, int r) {
    TRect rect = vle->CellRect(c, r);
    SendMessageA(vle->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 3, rect.top + 3));
    SendMessageA(vle->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(rect.left + 3, rect.top + 3));
  }
  TValueListEditor* vle = nullptr;
};

TEST_F(ValueListEditorTest, LinesAreRowsOfKeysAndValues) {
  EXPECT_EQ(vle->RowCount(), 1);   // an empty editor shows one empty row
  vle->Strings()->Add("Video Size=320x240");
  vle->Strings()->Add("Frame Rate=29.97");
  EXPECT_EQ(vle->RowCount(), 2);
  EXPECT_EQ(vle->Keys(1), "Frame Rate");
  EXPECT_EQ(vle->Cells(1, 0), "320x240");
  EXPECT_EQ(vle->Values("frame rate"), "29.97");
  int row = -1;
  EXPECT_TRUE(vle->FindRow("VIDEO SIZE", row));
  EXPECT_EQ(row, 0);
  EXPECT_FALSE(vle->FindRow("Title", row));
  vle->SetValues("Video Size", "");
  EXPECT_EQ(vle->Strings()->Count(), 2);   // an empty value keeps its row
  vle->SetValues("Title", "holiday");
  EXPECT_EQ(vle->Strings()->Get(2), "Title=holiday");
  vle->SetDisplayOptions(doColumnTitles | doKeyColFixed);
  EXPECT_EQ(vle->Cells(0, 0), "Key");
  EXPECT_EQ(vle->Keys(1), "Video Size");
}

TEST_F(ValueListEditorTest, PickingAChoiceChangesTheValue) {
  int row = vle->InsertRow("Video Size", "320x240", true);
  TItemProp* prop = vle->ItemProps("Video Size");
  prop->PickList()->Add("320x240");
  prop->PickList()->Add("480x272");
  prop->PickList()->Add("Custom Size");
  prop->SetReadOnly(true);
  EXPECT_EQ(prop->EditStyle(), esPickList);
  std::vector<std::string> changes;
  vle->OnStringsChange = [&](TObject*) { changes.push_back(vle->Values("Video Size")); };
  ClickCell(1, row);
  auto* list = dynamic_cast<TCustomComboBox*>(vle->InplaceEditor());
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Style(), csDropDownList);
  EXPECT_EQ(list->Items()->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 0);
  SendMessageA(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(vle->Values("Video Size"), "480x272");
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), "480x272");
}

TEST_F(ValueListEditorTest, TypingChangesTheValueAndLeavingTheRowValidatesIt) {
  vle->InsertRow("New Filename", "clip.mp4", true);
  vle->InsertRow("Start Time", "00:00:00.0", true);
  std::vector<std::string> validated;
  vle->OnValidate = [&](TObject*, int col, int row, const std::string& key, const std::string& value) {
    validated.push_back(key + "|" + value + "|" + std::to_string(col) + "," + std::to_string(row));
  };
  ClickCell(1, 0);
  auto* edit = dynamic_cast<TCustomEdit*>(vle->InplaceEditor());
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Text(), "clip.mp4");
  SetWindowTextA(edit->Handle(), "other.avi");
  EXPECT_EQ(vle->Values("New Filename"), "other.avi");
  EXPECT_TRUE(validated.empty());
  ClickCell(1, 1);
  ASSERT_EQ(validated.size(), 1u);
  EXPECT_EQ(validated[0], "New Filename|other.avi|1,0");
  ClickCell(1, 0);   // leaving a row without a change validates nothing
  EXPECT_EQ(validated.size(), 1u);
  vle->SetEditorMode(false);
  EXPECT_EQ(vle->InplaceEditor(), nullptr);
}

// Before, Enter did nothing: a value counted only once its row was left.
TEST_F(ValueListEditorTest, EnterValidatesTheTypedValueAndTheEditorStays) {
  vle->InsertRow("End Time", "00:01:02.34", true);
  std::vector<std::string> validated;
  vle->OnValidate = [&](TObject*, int, int, const std::string&, const std::string& value) {
    validated.push_back(value);
  };
  ClickCell(1, 0);
  auto* edit = dynamic_cast<TCustomEdit*>(vle->InplaceEditor());
  ASSERT_NE(edit, nullptr);
  SetWindowTextA(edit->Handle(), "00:00:30");
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(validated, std::vector<std::string>{"00:00:30"});
  EXPECT_EQ(vle->InplaceEditor(), edit);
  SendMessageA(edit->Handle(), WM_KEYDOWN, VK_RETURN, 0);  // nothing changed since
  EXPECT_EQ(validated.size(), 1u);
}

// A value set by the program that is none of the choices (a custom frame size) shows in the
// in-place list; before, the list showed no choice.
TEST_F(ValueListEditorTest, AValueThatIsNoChoiceShowsInThePickList) {
  const int row = vle->InsertRow("Video Size", "640x480", true);
  for (const char* choice : {"320x240", "Custom Size"}) vle->ItemProps("Video Size")->PickList()->Add(choice);
  ClickCell(1, row);
  auto* list = dynamic_cast<TCustomComboBox*>(vle->InplaceEditor());
  ASSERT_NE(list, nullptr);
  char shown[32] = "";
  GetWindowTextA(list->Handle(), shown, sizeof shown);
  EXPECT_STREQ(shown, "640x480");
  EXPECT_EQ(vle->ItemProps("Video Size")->PickList()->Count(), 2) << "the choices stay as they were";
}

TEST_F(ValueListEditorTest, TheKeyColumnTakesNoEditorAndReadOnlyRowsCannotBeTyped) {
  vle->InsertRow("Type", "mp4", true);
  vle->InsertRow("Codec", "xvid", true);
  vle->ItemProps(1)->SetReadOnly(true);
  ClickCell(0, 0);
  EXPECT_EQ(vle->Col(), 1);
  EXPECT_EQ(vle->Row(), 0);
  vle->SetCol(0);
  EXPECT_EQ(vle->Col(), 1);
  ASSERT_NE(vle->InplaceEditor(), nullptr);
  EXPECT_GE(vle->InplaceEditor()->Left(), 95);
  ClickCell(1, 1);
  auto* edit = dynamic_cast<TCustomEdit*>(vle->InplaceEditor());
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(GetWindowLongA(edit->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST_F(ValueListEditorTest, AMouseDownHandlerCanEndTheEditModeThePressStarted) {
  vle->InsertRow("New Filename", "", true);
  vle->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { vle->SetEditorMode(false); };
  ClickCell(1, 0);
  EXPECT_FALSE(vle->EditorMode());
  vle->OnMouseDown = nullptr;
  ClickCell(1, 0);
  EXPECT_TRUE(vle->EditorMode());
}

TEST_F(ValueListEditorTest, RowHeightsSetPerRowAndResetByTheDefault) {
  for (int i = 0; i < 3; ++i) vle->InsertRow("k" + std::to_string(i), "", true);
  EXPECT_EQ(vle->CellRect(1, 0).Height(), 17);
  EXPECT_EQ(vle->CellRect(1, 1).top, 18);   // a row and its grid line
  vle->SetRowHeights(1, 1);
  EXPECT_EQ(vle->CellRect(1, 1).Height(), 1);
  EXPECT_EQ(vle->CellRect(1, 2).top, 20);
  vle->SetDefaultRowHeight(20);
  EXPECT_EQ(vle->RowHeights(1), 20);
}

TEST_F(ValueListEditorTest, RowsThatFitShowNoScrollBar) {
  for (int i = 0; i < 4; ++i) vle->InsertRow("k" + std::to_string(i), "", true);
  vle->SetBorderStyle(bsNone);
  vle->SetHeight(4 * 18);
  EXPECT_EQ(vle->VisibleRowCount(), 4);
  EXPECT_FALSE(GetWindowLongA(vle->Handle(), GWL_STYLE) & WS_VSCROLL);
  vle->SetHeight(3 * 18);
  EXPECT_TRUE(GetWindowLongA(vle->Handle(), GWL_STYLE) & WS_VSCROLL);
  vle->SetRow(3);   // the current row scrolls into view
  EXPECT_EQ(vle->TopRow(), 1);
}

TEST_F(ValueListEditorTest, WithoutTitlesTheFirstLineShowsAtTheTopOfALongList) {
  auto* other = new TValueListEditor(form);
  other->SetParent(form);
  other->SetBounds(220, 10, 150, 60);
  for (int i = 0; i < 10; ++i) other->InsertRow("k" + std::to_string(i), "", true);
  other->SetDisplayOptions(doKeyColFixed);
  EXPECT_EQ(other->TopRow(), 0);
  EXPECT_EQ(other->CellRect(1, 0).top, 0);
}

TEST_F(ValueListEditorTest, DeletingARowTakesItsPropertiesAlong) {
  vle->InsertRow("a", "1", true);
  vle->InsertRow("b", "2", true);
  vle->ItemProps("b")->PickList()->Add("2");
  vle->DeleteRow(0);
  EXPECT_EQ(vle->Keys(0), "b");
  EXPECT_EQ(vle->ItemProps(0)->PickList()->Count(), 1);
  EXPECT_THROW(vle->ItemProps("a"), EListError);
  EXPECT_THROW(vle->DeleteRow(5), EListError);
}

TEST_F(ValueListEditorTest, CellDrawingCanBeRedoneByTheDrawHandler) {
  vle->InsertRow("Audio", "mp3", true);
  vle->InsertRow("Bitrate", "128", true);
  std::vector<std::string> cells;
  TDrawCellEvent handler;
  handler = [&](TObject*, int col, int row, const TRect& rect, TGridDrawState state) {
    cells.push_back(std::to_string(col) + "," + std::to_string(row) + ((state & gdFixed) ? "f" : ""));
    // Detached from the event, the grid draws the cell once more in other colours.
    vle->OnDrawCell = nullptr;
    vle->Canvas()->Brush()->SetColor(clRed);
    vle->Canvas()->FillRect(rect);
    vle->DrawCell(col, row, rect, state);
    vle->OnDrawCell = handler;
  };
  vle->OnDrawCell = handler;
  vle->Invalidate();
  UpdateWindow(vle->Handle());
  EXPECT_NE(std::find(cells.begin(), cells.end(), "0,1f"), cells.end());
  EXPECT_NE(std::find(cells.begin(), cells.end(), "1,1"), cells.end());
  TRect rect = vle->CellRect(0, 1);
  HDC dc = GetDC(vle->Handle());
  COLORREF pixel = GetPixel(dc, rect.right - 3, rect.bottom - 3);
  ReleaseDC(vle->Handle(), dc);
  EXPECT_EQ(pixel, RGB(255, 0, 0));
}

TEST_F(ValueListEditorTest, SelectCellCanRefuseAMove) {
  vle->InsertRow("a", "1", true);
  vle->InsertRow("b", "2", true);
  vle->OnSelectCell = [](TObject*, int, int row, bool& can) { can = row != 1; };
  ClickCell(1, 1);
  EXPECT_EQ(vle->Row(), 0);
}

}  // namespace
