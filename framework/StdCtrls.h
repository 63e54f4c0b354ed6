// The standard controls: label, edits, memo, buttons, check and radio buttons, combo and list
// boxes, group box and scroll bar. Each windowed one superclasses the platform's control and
// talks to it with its own messages; state set before the window exists is kept and handed to
// the window when it is made.
#pragma once
#include <memory>
#include <string>

#include "framework/Controls.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// Text painted on the parent (no window of its own).
class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* AOwner);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout l);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool v);
  void WndProc(TMessage& m) override;
  void Loaded() override;
protected:
  void Paint() override;
  // Fits the size to the caption (not while loading: Loaded does it then).
  void AdjustBounds();
  // DrawText flags for the current alignment, wrapping and prefix settings.
  UINT TextFlags() const;
private:
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = true;
  TTextLayout FLayout = tlTop;
  bool FTransparent = false;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
};

// Edit box ("EDIT").
class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* AOwner);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v);
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int n);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle s);
  bool HasProperty(const std::string& name, int* value = nullptr) const override {
    return HasPropertyWithBorderStyle(name, value, FBorderStyle);
  }
  int SelStart();
  void SetSelStart(int start);
  int SelLength();
  void SetSelLength(int length);
  std::string SelText();
  void SetSelText(const std::string& s);
  void SelectAll();
  void Clear() { SetText(""); }
  bool Modified();
  void SetModified(bool v);
  TNotifyEvent OnChange;
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  virtual void Change();
private:
  bool FReadOnly = false;
  int FMaxLength = 0;
  TBorderStyle FBorderStyle = bsSingle;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Multi-line edit; Lines are the lines of its text.
class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;
  TStrings* Lines() const { return FLines.get(); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle s);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v);
protected:
  void CreateParams(TCreateParams& params) override;
private:
  std::unique_ptr<TStrings> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
};

// Controls over the platform's "BUTTON" class.
class TButtonControl : public TWinControl {
public:
  explicit TButtonControl(TComponent* AOwner);
protected:
  void CreateParams(TCreateParams& params) override;
};

// Push button: BN_CLICKED is its click.
class TButton : public TButtonControl {
public:
  explicit TButton(TComponent* AOwner);
  void WndProc(TMessage& m) override;
};

// Check box and radio button (neither is the other's kind): the platform toggles the state;
// Checked mirrors it.
class TStateButton : public TButtonControl {
public:
  // buttonStyle: the platform's automatic check box or radio button style.
  TStateButton(TComponent* AOwner, DWORD buttonStyle);
  virtual bool Checked() const;
  virtual void SetChecked(bool v);
  // Side of the caption: taRightJustify puts the box on the left.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment a);
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  bool FChecked = false;
private:
  DWORD FButtonStyle;
  TAlignment FAlignment = taRightJustify;
};

class TCustomCheckBox : public TStateButton {
public:
  explicit TCustomCheckBox(TComponent* AOwner) : TStateButton(AOwner, BS_AUTOCHECKBOX) {}
};

class TCheckBox : public TCustomCheckBox {
public:
  using TCustomCheckBox::TCustomCheckBox;
};

// Checking one radio button unchecks the others on the same parent.
class TRadioButton : public TStateButton {
public:
  explicit TRadioButton(TComponent* AOwner);
  void SetChecked(bool v) override;
  void WndProc(TMessage& m) override;
private:
  void UncheckSiblings();
};

// A control that lists items, one of them the current one (combo box, list box, list view).
class TCustomListControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  virtual int ItemIndex() const = 0;   // -1: none
  virtual void SetItemIndex(int i) = 0;
  virtual void Clear() = 0;
};

// Combo and list boxes: text items that live in the platform's list while it has a window,
// in a string list otherwise.
class TPlatformListControl : public TCustomListControl {
public:
  explicit TPlatformListControl(TComponent* AOwner);
  ~TPlatformListControl() override;
  TStrings* Items() const;
  void SetItems(TStrings* items) { Items()->Assign(items); }
  int ItemIndex() const override;
  void SetItemIndex(int i) override;
  void Clear() override { Items()->Clear(); }
  // The messages of one platform list (count, text, add, insert, delete, reset, selection).
  struct ListMessages {
    UINT getCount, getTextLen, getText, addString, insertString, deleteString, resetContent,
        getCurSel, setCurSel, errorCode;
  };
protected:
  ListMessages FMessages;
  void CreateWnd() override;
  void DestroyWnd() override;
private:
  class TListControlStrings;
  std::unique_ptr<TListControlStrings> FItems;
  int FSavedIndex = -1;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// Combo box ("COMBOBOX"). OnChange: the user picked an item or typed.
class TCustomComboBox : public TPlatformListControl {
public:
  explicit TCustomComboBox(TComponent* AOwner);
  TComboBoxStyle Style() const { return FStyle; }
  void SetStyle(TComboBoxStyle s);
  int DropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int n) { FDropDownCount = n; }
  bool DroppedDown();
  void SetDroppedDown(bool v);
  void SetItemIndex(int i) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  virtual void Change();
private:
  // The window's height includes the dropped list.
  int DroppedHeight() const;
  TComboBoxStyle FStyle = csDropDown;
  int FDropDownCount = 8;
};

class TComboBox : public TCustomComboBox {
public:
  using TCustomComboBox::TCustomComboBox;
};

// List box ("LISTBOX"), single selection. OnClick: the selection changed.
class TCustomListBox : public TPlatformListControl {
public:
  explicit TCustomListBox(TComponent* AOwner);
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
};

class TListBox : public TCustomListBox {
public:
  using TCustomListBox::TCustomListBox;
};

// Framed group with a caption; holds controls.
class TCustomGroupBox : public TWinControl {
public:
  explicit TCustomGroupBox(TComponent* AOwner);
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(TRect& rect) override;
};

class TGroupBox : public TCustomGroupBox {
public:
  using TCustomGroupBox::TCustomGroupBox;
};

enum TScrollBarKind { sbHorizontal, sbVertical };

// Scroll bar ("SCROLLBAR"). OnChange: Position changed by the user or the program.
class TScrollBar : public TWinControl {
public:
  explicit TScrollBar(TComponent* AOwner);
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind k);
  int Min() const { return FMin; }
  int Max() const { return FMax; }
  void SetParams(int position, int min, int max);
  void SetMin(int v) { SetParams(FPosition, v, FMax); }
  void SetMax(int v) { SetParams(FPosition, FMin, v); }
  int Position() const { return FPosition; }
  void SetPosition(int v) { SetParams(v, FMin, FMax); }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int v);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int v) { FSmallChange = v; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int v) { FLargeChange = v; }
  TNotifyEvent OnChange;
  void WndProc(TMessage& m) override;
protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
private:
  void ApplyScrollInfo();
  void Scroll(int code);
  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0, FSmallChange = 1, FLargeChange = 1;
};
