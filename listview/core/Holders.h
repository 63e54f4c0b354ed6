#pragma once
// The values of the list view's settings holders, with their first values and the rules of
// their setters; the component's holder classes add fonts and tell the list view.
#include <functional>
#include <string>

#include "listview/core/Colors.h"

namespace listview {

enum TSizeStorage { stInifile, stRegistry };
enum TPrintPosition { ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter };
enum TPrintBorders { pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal };
enum TFitToPage { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };

struct ColumnSizeValues {
  bool Save = false;
  std::string Key;      // INI file name or registry key
  std::string Section;
  bool Stretch = false;
  TSizeStorage Storage = stInifile;
  // Widths are saved only when asked to, with somewhere to put them, outside design mode.
  bool Saves(bool designing) const { return Save && !Key.empty() && !Section.empty() && !designing; }
};

struct DetailValues {
  bool Visible = false;
  int Column = 0;     // 0: the caption
  int Height = 16;
  bool SplitLine = false;
  int Indent = 0;
};

// Column and Height take a value only when it is not negative and differs from the present one.
bool TakesDetailValue(int present, int value);

// The colours of progress cells. Every setter fires OnChange; Assign goes through the setters.
class ProgressColors {
public:
  TColor ColorFrom() const { return FColorFrom; }
  TColor FontColorFrom() const { return FFontColorFrom; }
  TColor ColorTo() const { return FColorTo; }
  TColor FontColorTo() const { return FFontColorTo; }
  void SetColorFrom(TColor c) { Set(FColorFrom, c); }
  void SetFontColorFrom(TColor c) { Set(FFontColorFrom, c); }
  void SetColorTo(TColor c) { Set(FColorTo, c); }
  void SetFontColorTo(TColor c) { Set(FFontColorTo, c); }
  void AssignColors(const ProgressColors& source);
  std::function<void()> OnChange;

private:
  void Set(TColor& field, TColor value);
  TColor FColorTo = 0xFFFFFF;       // white
  TColor FFontColorTo = 0x808080;   // grey
  TColor FColorFrom = 0xC0C0C0;     // silver
  TColor FFontColorFrom = 0x000000;
};

// Stored with the form only, as are the print values; nothing reads them.
struct HTMLSettingsValues {
  bool SaveColor = true;
  bool SaveFonts = true;
  std::string FooterFile, HeaderFile;
  int BorderSize = 1;
  int CellSpacing = 0;
  std::string TableStyle, PrefixTag, SuffixTag;
  int Width = 100;
};

enum TPrinterOrientation { poPortrait, poLandscape };

struct PrintValues {
  TPrintPosition Time = ppNone, Date = ppNone, PageNr = ppNone;
  std::string PageNumSep = "/";
  std::string DateFormat = "dd/mm/yyyy";
  TPrintPosition Title = ppNone;
  TPrintBorders Borders = pbNoborder;
  std::string TitleText;
  bool Centered = false, RepeatHeaders = false;
  int FooterSize = 0, HeaderSize = 0, LeftSize = 0, RightSize = 0, ColumnSpacing = 0, RowSpacing = 0;
  TPrinterOrientation Orientation = poPortrait;
  std::string PagePrefix, PageSuffix;
  int FixedHeight = 0;
  bool UseFixedHeight = false;
  int FixedWidth = 0;
  bool UseFixedWidth = false;
  TFitToPage FitToPage = fpNever;
  std::string JobName;
};

}  // namespace listview
