// TValueListEditor: a two-column grid of "Name=Value" lines. The key column is fixed (not
// editable); a row's value is typed, or picked from the row's pick list.
#pragma once
#include <memory>
#include <string>

#include "framework/Grids.h"

// Editing properties of one row.
class TItemProp : public TPersistent {
public:
  TItemProp();
  ~TItemProp() override;
  // Giving the list items makes the row a pick-list row.
  TStrings* PickList() const;
  bool HasPickList() const;
  TEditStyle EditStyle() const { return FEditStyle; }
  void SetEditStyle(TEditStyle s) { FEditStyle = s; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { FReadOnly = v; }
private:
  std::unique_ptr<TStringList> FPickList;
  TEditStyle FEditStyle = esSimple;
  bool FReadOnly = false;
};

enum TDisplayOptionFlag : unsigned { doColumnTitles = 1, doKeyColFixed = 4 };
using TDisplayOptions = unsigned;

using TOnValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow,
                                            const std::string& KeyName, const std::string& KeyValue)>;

class TValueListEditor : public TCustomDrawGrid {
public:
  explicit TValueListEditor(TComponent* AOwner);
  ~TValueListEditor() override;

  TStrings* Strings() const;
  void SetStrings(TStrings* s) { Strings()->Assign(s); }
  TStrings* TitleCaptions() const;
  TDisplayOptions DisplayOptions() const { return FDisplayOptions; }
  void SetDisplayOptions(TDisplayOptions o);

  // Rows are grid rows (the title row, when shown, is row 0); keys match in any letter case.
  std::string Keys(int row) const { return Cells(0, row); }
  void SetKeys(int row, const std::string& key);
  std::string Values(const std::string& key) const;
  // Sets the value of the key's row; a missing key gets a new row (an empty value keeps it).
  void SetValues(const std::string& key, const std::string& value);
  std::string Cells(int c, int r) const;
  void SetCells(int c, int r, const std::string& s);
  bool FindRow(const std::string& key, int& row) const;
  // Adds a row after the last one (append) or before the current one; returns its grid row.
  int InsertRow(const std::string& key, const std::string& value, bool append);
  void DeleteRow(int row);
  // The editing properties of the line with this index of Strings, or of the key's row
  // (EListError when there is no such line).
  TItemProp* ItemProps(int index);
  TItemProp* ItemProps(const std::string& key);

  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;

  // The user changed a value and left it (another row, or the focus left the editor).
  TOnValidateEvent OnValidate;
  TNotifyEvent OnStringsChange;

protected:
  bool CanEditShow() override;
  bool CanEditModify(int ACol, int ARow) override;
  std::string GetEditText(int ACol, int ARow) override { return Cells(ACol, ARow); }
  void SetEditText(int ACol, int ARow, const std::string& value) override;
  TEditStyle GetEditStyle(int ACol, int ARow) override;
  void GetPickList(int ACol, int ARow, TStrings* items) override;
  void EditDone(int ACol, int ARow) override;

private:
  class TValueListStrings;
  void StringsChanged();
  // The line of Strings shown in a grid row, -1 for none.
  int LineOf(int row) const;
  TItemProp* PropOf(int row) const;
  std::unique_ptr<TValueListStrings> FStrings;
  std::unique_ptr<TStringList> FTitleCaptions;
  TDisplayOptions FDisplayOptions = doColumnTitles | doKeyColFixed;
  bool FWritingFromEditor = false;
};
