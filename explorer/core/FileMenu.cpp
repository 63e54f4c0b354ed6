#include "explorer/core/FileMenu.h"

#include <cctype>

#include "explorer/core/PathText.h"

namespace explorer {

const char* const kSendToPrefix = "Send_To";

const std::vector<TMenuEntry>& MainMenuEntries() {
  static const std::vector<TMenuEntry> entries = {
      {"&Open", "ItemOpen", "Open28", 1},
      {"&View", "ItemView", "View28", 2},
      {"-", "", "", 0},
      {"Se&nd To", "SubMenuSend", "SendTo28", 3},
      {"-", "", "", 0},
      {"Cu&t", "ItemOpCut", "Cut28", 4},
      {"&Copy", "ItemOpCopy", "Copy28", 5},
      {"&Paste", "ItemOpPaste", "Paste28", 6},
      {"-", "", "", 0},
      {"&Rename", "ItemRename", "ReName28", 7},
      {"&Delete", "ItemDelete", "Delete28", 8},
      {"-", "", "", 0},
      {"&Properties", "ItemProperty", "Attributes28", 9},
      {"-", "", "", 0},
      {"&New Folder ...", "ItemFolder", "NewFolder28", 10},
  };
  return entries;
}

const std::vector<TMenuEntry>& SendToMenuEntries() {
  static const std::vector<TMenuEntry> entries = {
      {"Any Folder ...", "Send_To0", "AnyFolder28", 30},
      {"Clipboard as Contents", "Send_To1", "ClipBoard28", 31},
      {"Clipboard as FileName", "Send_To2", "ClipBoard28", 32},
      {"DeskTop as ShortCut", "Send_To3", "DeskTop28", 33},
  };
  return entries;
}

std::string SendToEntryName(int n) { return kSendToPrefix + std::to_string(n + 4); }
int SendToEntryTag(int n) { return 34 + n; }

const std::vector<std::string>& ViewExtensions() {
  static const std::vector<std::string> extensions = {".C",   ".CPP", ".DPK", ".DPR", ".H",   ".INF",
                                                      ".INI", ".PAS", ".PRG", ".TXT", ".DOC", ".RTF",
                                                      ".WRI", ".BMP", ".GIF", ".JPG"};
  return extensions;
}

namespace {

int ViewIndex(const std::string& extension) {
  const auto& table = ViewExtensions();
  for (size_t i = 0; i < table.size(); ++i)
    if (SameText(table[i], extension)) return static_cast<int>(i);
  return -1;
}

}  // namespace

std::string ViewerFor(const std::string& extension) {
  const int i = ViewIndex(extension);
  return i < 0 ? "" : i < 10 ? "NotePad.exe" : i < 13 ? "Write.exe" : "PBrush.exe";
}

std::string UpperExtension(const std::string& path) {
  const auto dot = path.rfind('.');
  const auto slash = path.find_last_of("\\/:");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
  std::string ext = path.substr(dot);
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

TMenuEnabled MenuEnabled(const TMenuState& s) {
  const bool any = s.Selected > 0, one = s.Selected == 1;
  const int view = ViewIndex(s.Extension);
  TMenuEnabled e;
  for (const TMenuEntry& entry : MainMenuEntries()) {
    bool on = true;
    switch (entry.Tag) {
      case 1: case 3: case 4: case 5: case 8: case 9: on = any; break;
      case 2: on = any && view >= 0; break;
      case 6: on = s.ClipboardFilled; break;
      case 7: on = one; break;
      case 10: on = !s.DrivesListed; break;
    }
    e.Main.push_back(on);
  }
  const bool contents = one && ((view >= 0 && view < 14) || s.Extension == ".RTF" || s.Extension == ".WMF");
  e.SendTo = {any, contents, any, any};
  return e;
}

TMenuCommand ItemCommand(const std::string& name, std::intptr_t tag) {
  if (name.empty() || tag == 0) return {};
  static const TMenuAction byTag[] = {TMenuAction::None,   TMenuAction::Open,   TMenuAction::View,
                                      TMenuAction::None,   TMenuAction::Cut,    TMenuAction::Copy,
                                      TMenuAction::Paste,  TMenuAction::Rename, TMenuAction::Delete,
                                      TMenuAction::Properties, TMenuAction::NewFolder};
  if (tag > 0 && tag < 11 && byTag[tag] != TMenuAction::None) return {byTag[tag], 0};
  const std::string prefix = kSendToPrefix;
  if (name.compare(0, prefix.size(), prefix) != 0) return {};
  const std::string digits = name.substr(prefix.size());
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) return {};
  const int n = std::stoi(digits);
  if (n < 4) return {TMenuAction::SendTo, n};
  return {TMenuAction::SendToShortcut, n - 4};
}

bool IsParentEntry(const std::string& path) {
  return path == ".." || (path.size() > 2 && path.compare(path.size() - 3, 3, "\\..") == 0);
}

std::string PathList(const std::vector<std::string>& paths) {
  std::string list;
  for (const std::string& p : paths) list += p + '\0';
  return list;
}

std::string PasteDestination(const std::string& folder, const std::string& entry) {
  std::string path = entry;
  if (!path.empty() && path.back() == '\0') path.pop_back();
  return JoinPath(folder, path.substr(path.find_last_of('\\') + 1)) + '\0';
}

std::string FileNameLines(const std::vector<std::string>& paths) {
  std::string text;
  for (size_t i = 0; i < paths.size(); ++i) text += (i ? "\r\n" : "") + paths[i];
  return text;
}

}  // namespace explorer
