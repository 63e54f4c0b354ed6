// Where a file list goes: a new Directory, one level up, the keys, a new folder's name and its
// date and time patterns.
#pragma once
#include <functional>
#include <string>

namespace explorer {

// Whether a text is the pseudo folder of the drives ("Drives" in any letter case).
bool IsDrivesPath(const std::string& path);

enum class TDirectoryChange { Ignore, Drives, Folder };
struct TDirectoryDecision {
  TDirectoryChange Change = TDirectoryChange::Ignore;
  std::string Stored;  // the text to keep: "Drives" as given, a folder with a final "\"
};
// Same text in other letter case, and a folder that does not exist, change nothing.
TDirectoryDecision DecideDirectory(const std::string& current, const std::string& wanted,
                                   const std::function<bool(const std::string&)>& folderExists);

enum class TUpMove { None, Drives, Parent };
struct TUpStep {
  TUpMove Move = TUpMove::None;
  std::string Target;  // the parent folder with its "\"
};
// Nothing while the drives are listed; a drive root goes up to the drives.
TUpStep OneLevelUpStep(const std::string& directory);

enum class TListKey { A, C, X, V, F, N, O, Back, Enter, Escape, Delete, F2, F3, F4, F5, Other };
enum class TKeyAction {
  None, SelectAll, Copy, Cut, Paste, View, NewFolder, Open, Up, CloseDropDown, Delete, Rename, Find,
  ToggleDropDown, Refresh
};
struct TListKeyState {
  bool Ctrl = false, OtherModifier = false;  // Ctrl alone; Shift, Alt or Ctrl with others
  bool HasRows = false, HasSelection = false, ClipboardFilled = false, Editing = false;
  bool DrivesListed = false, ComboLinked = false;
};
struct TListKeyPlan {
  TKeyAction Action = TKeyAction::None;
  bool Inherited = true;  // the list's own key handling and OnKeyDown follow
};
TListKeyPlan PlanListKey(TListKey key, const TListKeyState& state);

// folder\New Folder, else the first of folder\New Folder(2), (3)... that does not exist.
std::string NewFolderPath(const std::string& folder, const std::function<bool(const std::string&)>& exists);

enum class TDtFormat {
  df_MMddyyyy, df_MMddyy, df_ddMMyyyy, df_ddMMyy_GB, df_ddMMyy_DE, df_ddMMyy_IT, df_yyyyMMdd, df_yyMMdd,
  df_Customize
};
enum class TTmFormat { tfLongFormat, tfShortFormat, tfCustomize };
// df_Customize: the locale's short date pattern.
std::string DatePattern(TDtFormat format, const std::string& localeShortDate);
// tfCustomize: the locale's time pattern cut before its first "t", then " AM/PM".
std::string TimePattern(TTmFormat format, const std::string& longTime, const std::string& shortTime,
                        const std::string& localeTime);

}  // namespace explorer
