#pragma once
// The list view's settings holders, stored as nested properties of its form: column sizing,
// the detail line, progress colours, and the mark-up export and print settings nothing reads.
#include "framework/Graphics.h"
#include "listview/core/Holders.h"

class TRichListView;
using listview::TSizeStorage;
using listview::stInifile;
using listview::stRegistry;

class TColumnSize : public TPersistent, public listview::ColumnSizeValues {
public:
  explicit TColumnSize(TRichListView* owner) : FOwner(owner) {}
  // Stores and stretches the owner's last column at once.
  void SetStretch(bool v);

private:
  TRichListView* FOwner;
};

class TDetails : public TPersistent {
public:
  explicit TDetails(TRichListView* owner);
  bool Visible() const { return FValues.Visible; }
  void SetVisible(bool v);
  int Column() const { return FValues.Column; }
  void SetColumn(int v);       // negative values and the present one are ignored
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* f) { FFont->Assign(f); }
  int Height() const { return FValues.Height; }
  void SetHeight(int v);       // negative values and the present one are ignored
  int Indent() const { return FValues.Indent; }
  void SetIndent(int v);
  bool SplitLine() const { return FValues.SplitLine; }
  void SetSplitLine(bool v);

private:
  void Change(int& field, int value, bool counted);
  void OwnerChanged();
  TRichListView* FOwner;
  listview::DetailValues FValues;
  std::unique_ptr<TFont> FFont;
};

// OnChange gets the settings object after every colour setter.
class TProgressSettings : public TPersistent, public listview::ProgressColors {
public:
  TProgressSettings();
  // From another TProgressSettings through the four setters; any other source is a type error.
  void Assign(TPersistent* source) override;
  TNotifyEvent OnChange;
};

class THTMLSettings : public TPersistent, public listview::HTMLSettingsValues {};

class TPrintsettings : public TPersistent, public listview::PrintValues {
public:
  TPrintsettings();
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* f) { FFont->Assign(f); }
  TFont* HeaderFont() const { return FHeaderFont.get(); }
  void SetHeaderFont(TFont* f) { FHeaderFont->Assign(f); }
  TFont* FooterFont() const { return FFooterFont.get(); }
  void SetFooterFont(TFont* f) { FFooterFont->Assign(f); }
  TPenStyle BorderStyle = psSolid;

private:
  std::unique_ptr<TFont> FFont, FHeaderFont, FFooterFont;
};
