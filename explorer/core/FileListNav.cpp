#include "explorer/core/FileListNav.h"

#include "explorer/core/FileListTexts.h"
#include "explorer/core/PathText.h"

namespace explorer {

bool IsDrivesPath(const std::string& path) { return SameText(path, "DRIVES"); }

TDirectoryDecision DecideDirectory(const std::string& current, const std::string& wanted,
                                   const std::function<bool(const std::string&)>& folderExists) {
  if (SameText(current, wanted)) return {};
  if (IsDrivesPath(wanted)) return {TDirectoryChange::Drives, wanted};
  if (!wanted.empty() && folderExists(wanted)) return {TDirectoryChange::Folder, AddSlash(wanted)};
  return {};
}

TUpStep OneLevelUpStep(const std::string& directory) {
  if (IsDrivesPath(directory) || directory.empty()) return {};
  const std::string folder = AddSlash(directory);
  if (folder.size() >= 2 && folder[folder.size() - 2] == ':') return {TUpMove::Drives, ""};
  const std::string inside = DelSlash(folder);
  const auto slash = inside.rfind('\\');
  if (slash == std::string::npos) return {};
  return {TUpMove::Parent, inside.substr(0, slash + 1)};
}

TListKeyPlan PlanListKey(TListKey key, const TListKeyState& s) {
  auto when = [](bool condition, TKeyAction action) {
    return TListKeyPlan{condition ? action : TKeyAction::None, true};
  };
  // Without a combo, Esc and F4 stop here: not even OnKeyDown hears of them.
  const bool noCombo = (key == TListKey::Escape || key == TListKey::F4) && !s.ComboLinked;
  switch (key) {
    case TListKey::A: case TListKey::C: case TListKey::X: case TListKey::V:
    case TListKey::F: case TListKey::N: case TListKey::O:
      if (!s.Ctrl) return {};
      break;
    default:
      if (s.Ctrl || s.OtherModifier || s.Editing || noCombo) return {TKeyAction::None, !noCombo};
  }
  switch (key) {
    case TListKey::A: return when(s.HasRows, TKeyAction::SelectAll);
    case TListKey::C: return when(s.HasSelection, TKeyAction::Copy);
    case TListKey::X: return when(s.HasSelection, TKeyAction::Cut);
    case TListKey::V: return when(s.ClipboardFilled, TKeyAction::Paste);
    case TListKey::F: return when(s.HasSelection, TKeyAction::View);
    case TListKey::N: return when(!s.DrivesListed, TKeyAction::NewFolder);
    case TListKey::O: return when(s.HasSelection, TKeyAction::Open);
    case TListKey::Back: return when(true, TKeyAction::Up);
    case TListKey::Enter: return when(s.HasSelection, TKeyAction::Open);
    case TListKey::Escape: return when(true, TKeyAction::CloseDropDown);
    case TListKey::F4: return when(true, TKeyAction::ToggleDropDown);
    case TListKey::Delete: return when(s.HasSelection, TKeyAction::Delete);
    case TListKey::F2: return when(s.HasSelection, TKeyAction::Rename);
    case TListKey::F3: return when(true, TKeyAction::Find);
    case TListKey::F5: return when(true, TKeyAction::Refresh);
    case TListKey::Other: return {};
  }
  return {};
}

std::string NewFolderPath(const std::string& folder, const std::function<bool(const std::string&)>& exists) {
  const std::string base = JoinPath(folder, kNewFolderName);
  std::string path = base;
  for (int n = 2; exists(path); ++n) path = base + "(" + std::to_string(n) + ")";
  return path;
}

std::string DatePattern(TDtFormat format, const std::string& localeShortDate) {
  switch (format) {
    case TDtFormat::df_MMddyyyy: return "MM/dd/yyyy";
    case TDtFormat::df_MMddyy: return "MM/dd/yy";
    case TDtFormat::df_ddMMyyyy: return "dd/MM/yyyy";
    case TDtFormat::df_ddMMyy_GB: return "dd/MM/yy";
    case TDtFormat::df_ddMMyy_DE: return "dd.MM.yy";
    case TDtFormat::df_ddMMyy_IT: return "dd-MM-yy";
    case TDtFormat::df_yyyyMMdd: return "yyyy-MM-dd";
    case TDtFormat::df_yyMMdd: return "yy-MM-dd";
    case TDtFormat::df_Customize: break;
  }
  return localeShortDate;
}

std::string TimePattern(TTmFormat format, const std::string& longTime, const std::string& shortTime,
                        const std::string& localeTime) {
  switch (format) {
    case TTmFormat::tfLongFormat: return longTime;
    case TTmFormat::tfShortFormat: return shortTime;
    case TTmFormat::tfCustomize: break;
  }
  return localeTime.substr(0, localeTime.find('t')) + " AM/PM";
}

}  // namespace explorer
