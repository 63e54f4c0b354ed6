// The file list's context menu: its items, when each is enabled, what a click on one does, and
// the lists of paths that cut, copy, paste and "Send To" hand on.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace explorer {

struct TMenuEntry {
  const char* Caption;  // "-" for a separator
  const char* Name;
  const char* Bitmap;   // resource name of its 16 x 16 picture
  int Tag;
};
// "&Open" ... "&New Folder ...", with the "Se&nd To" submenu at index 3.
const std::vector<TMenuEntry>& MainMenuEntries();
// "Any Folder ...", "Clipboard as Contents", "Clipboard as FileName", "DeskTop as ShortCut".
const std::vector<TMenuEntry>& SendToMenuEntries();
constexpr int kSendToMenuIndex = 3;
extern const char* const kSendToPrefix;  // "Send_To"
// The name and tag of SendTo shortcut n (0, 1, ...): "Send_To" + (n + 4), 34 + n.
std::string SendToEntryName(int n);
int SendToEntryTag(int n);

// The extensions a viewer is known for, upper case: 0-9 NotePad, 10-12 Write, 13-15 PBrush.
const std::vector<std::string>& ViewExtensions();
// "NotePad.exe", "Write.exe", "PBrush.exe" for a known extension (any letter case), else empty.
std::string ViewerFor(const std::string& extension);
// The upper-case extension of a path (from its last "." after the last "\"), empty without one.
std::string UpperExtension(const std::string& path);

// What the menu is opened on.
struct TMenuState {
  int Selected = 0;             // selected rows
  std::string Extension;        // upper-case extension of the first selected row's path
  bool ClipboardFilled = false;
  bool DrivesListed = false;
};
// Enabled state of each main-menu entry and each fixed SendTo entry, index by index (separators
// enabled); SendTo shortcuts stay enabled.
struct TMenuEnabled {
  std::vector<bool> Main, SendTo;
};
TMenuEnabled MenuEnabled(const TMenuState& state);

enum class TMenuAction {
  None, Open, View, Cut, Copy, Paste, Rename, Delete, Properties, NewFolder, SendTo, SendToShortcut
};
struct TMenuCommand {
  TMenuAction Action = TMenuAction::None;
  int Number = 0;  // SendTo: 0 to 3; SendToShortcut: the entry in the SendTo list
};
// By tag; an unknown tag on a name beginning "Send_To" reads every digit after it. An empty name
// or tag 0 does nothing, nor does an unreadable or negative number.
TMenuCommand ItemCommand(const std::string& name, std::intptr_t tag);

// The parent folder's entry ("...\\.."): a way up, never a file for an operation to act on.
bool IsParentEntry(const std::string& path);

// The internal clipboard: each path followed by a NUL, in list order.
std::string PathList(const std::vector<std::string>& paths);
// The destination of one entry of that list pasted into folder: folder\name + NUL.
std::string PasteDestination(const std::string& folder, const std::string& entry);
// "Clipboard as FileName": one line per path, CR LF between them.
std::string FileNameLines(const std::vector<std::string>& paths);

}  // namespace explorer
