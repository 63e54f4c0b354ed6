// TFileListView: a report list of the computer's drives ("Drives") or of one folder's entries,
// with the shell's icons and type names. Rows carry their data in sub-items (4 the full path,
// 5 the kind "dir", "file" or "drv", 6 the file time); the rules of order, masks, keys and the
// menu are explorer/core's. Its file operations are in FileListOperations.cpp.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "explorer/core/FileListNav.h"
#include "explorer/core/FileListTexts.h"
#include "explorer/core/FileSort.h"
#include "framework/ComCtrls.h"
#include "framework/ImgList.h"

class TDirTree;
class TDirTreeCombo;
class TFileListViewPopUp;

enum TFileAttr { ftReadOnly = 1, ftHidden = 2, ftSystem = 4, ftArchive = 8, ftNormal = 16 };
using TFileType = unsigned;
using TSelItemChangeEvent = std::function<void(TObject* Sender, const std::string& SelectedItem)>;
using explorer::TDtFormat;
using explorer::TTmFormat;

class TFileListView : public TCustomListView {
public:
  explicit TFileListView(TComponent* AOwner);
  ~TFileListView() override;

  int ColWidth_Name() const { return FWidths.Name; }
  void SetColWidth_Name(int w) { FWidths.Name = w; }
  int ColWidth_Size() const { return FWidths.Size; }
  void SetColWidth_Size(int w) { FWidths.Size = w; }
  int ColWidth_Type() const { return FWidths.Type; }
  void SetColWidth_Type(int w) { FWidths.Type = w; }
  int ColWidth_Mod() const { return FWidths.Modified; }
  void SetColWidth_Mod(int w) { FWidths.Modified = w; }
  int ColWidth_Attr() const { return FWidths.Attr; }
  void SetColWidth_Attr(int w) { FWidths.Attr = w; }
  TDtFormat DateFormat() const { return FDateFormat; }
  virtual void SetDateFormat(TDtFormat f);
  TTmFormat TimeFormat() const { return FTimeFormat; }
  virtual void SetTimeFormat(TTmFormat f);
  bool HideFileExt() const { return FHideFileExt; }
  void SetHideFileExt(bool v) { FHideFileExt = v; }
  // As last stored: a folder always with its final "\"; one that does not exist is ignored.
  const std::string& Directory() const { return FDirectory; }
  void SetDirectory(const std::string& path);
  // A linked combo or tree shows the list's folder and the list follows them, both ways; the
  // link goes with whichever is destroyed first.
  TDirTreeCombo* DirTreeCombo() const { return FDirTreeCombo; }
  void SetDirTreeCombo(TDirTreeCombo* combo);
  TDirTree* DirTree() const { return FDirTree; }
  void SetDirTree(TDirTree* tree);
  // Free KB of the listed folder's drive; 0 while the drives are listed.
  std::int64_t DriveFreeSpace() const;
  bool DblClickToOpen() const { return FDblClickToOpen; }
  void SetDblClickToOpen(bool v) { FDblClickToOpen = v; }
  TFileType FileType() const { return FFileType; }
  void SetFileType(TFileType t);
  const std::string& Mask() const { return FMask; }
  void SetMask(const std::string& mask);
  bool PopUpMenuEnabled() const { return FPopUpMenuEnabled; }
  void SetPopUpMenuEnabled(bool v);
  const std::string& SelectedItem() const { return FSelectedItem; }
  void SetSelectedItem(const std::string& s) { FSelectedItem = s; }
  int SelectedNumber() const;
  // Bytes of the selected entries, each found by its full path; 0 when nothing is selected.
  std::int64_t SelectedSize() const;
  bool ShowFolders() const { return FShowFolders; }
  void SetShowFolders(bool v);
  const std::string& About() const { return FAbout; }
  void SetAbout(const std::string&) {}
  bool ParentDirEnabled() const { return FParentDirEnabled; }
  void SetParentDirEnabled(bool v) { FParentDirEnabled = v; }
  TFileListViewPopUp* PopUp() const { return FPopUp; }
  TSelItemChangeEvent OnItemChange;

  // Refills the rows from Directory (F5).
  void UpdateFileList();
  void OneLevelUp();
  void OpenItem();
  // The file operations (FileListOperations.cpp).
  void NewFolder();
  void RenameSelected();
  void DeleteItems();
  // mode: 0 copy, 2 move.
  void CutCopy(int mode);
  void Paste();
  void ViewFile();
  void FindFile();
  void SendTo(int n);
  void SendToShellEntry(const std::string& entry);
  // "Clipboard as Contents": a picture for ".BMP" and ".WMF", else the file's text.
  void CopyContents(const std::string& path);
  void CopyToFolder(const std::string& target);
  void CopyToRemovable(const std::string& target);
  void CreateDesktopShortcut();
  void ShowProperties();
  // What the internal clipboard holds: full paths, each ending in a NUL.
  const std::vector<std::string>& ClipboardList() const { return FClipboard; }

  void Notification(TComponent* c, TOperation op) override;
  void WndProc(TMessage& m) override;

protected:
  void CreateWnd() override;
  void Click() override;
  void DblClick() override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  bool CanEdit(TListItem* item) override;
  void Edit(TListItem* item, std::string text) override;

private:
  static explorer::TFileRow RowOf(TListItem* item);
  static std::string Path(TListItem* item) { return Sub(item, 4); }
  static std::string Kind(TListItem* item) { return Sub(item, 5); }
  static std::string Sub(TListItem* item, int i);
  void CreateImageLists();
  void BuildColumns(const std::vector<explorer::TColumnSpec>& columns);
  bool AddFiles(const std::string& pattern, bool folders);
  void ListDrives();
  void HandleColumnClick(TObject* Sender, TListColumn* Column);
  void CompareItems(TObject* Sender, TListItem* Item1, TListItem* Item2, int Data, int& Compare);
  void SortByColumn(int column);
  void UpdateSortGlyphs();
  // The linked combo and tree read their folders again and open path.
  void RefreshLinks(const std::string& path);
  // The linked combo and tree open path.
  void MoveLinks(const std::string& path);
  // Paths of the selected rows in row order; never the parent entry, which is no file.
  std::vector<std::string> SelectedPaths() const;
  // The first selected row other than the parent entry; null when there is none.
  TListItem* SelectedEntry() const;
  // The selected rows' paths, each followed by a NUL, as the internal clipboard.
  void FillClipboard();
  // The shell operation on every clipboard entry into folder, one at a time.
  void RunOnClipboard(UINT operation, const std::string& folder);
  explorer::TFolderColumnWidths FWidths;
  TDirTreeCombo* FDirTreeCombo = nullptr;
  TDirTree* FDirTree = nullptr;
  std::string FDirectory;
  std::string FSelectedItem;
  TFileType FFileType = ftReadOnly | ftHidden | ftSystem | ftArchive;
  int FClipboardMode = -1;  // -1 none, 0 copy, 2 move
  std::string FMask = "*.*";
  bool FParentDirEnabled = true;
  TFileListViewPopUp* FPopUp = nullptr;
  bool FPopUpMenuEnabled = true;
  std::vector<std::string> FClipboard;
  bool FShowFolders = true;
  explorer::TSortState FSort;
  std::string FEditStartPath;
  bool FLinksStale = false;  // a new folder the combo and tree have not read yet
  bool FDblClickToOpen = true;
  TDtFormat FDateFormat = TDtFormat::df_Customize;
  TTmFormat FTimeFormat = TTmFormat::tfShortFormat;
  std::string FDatePattern, FTimePattern;
  bool FHideFileExt = false;
  std::string FAbout = "Version 2.8.7.0";
  TImageList* FSmallImages = nullptr;
  TImageList* FLargeImages = nullptr;
  HBITMAP FArrowUp = nullptr, FArrowDown = nullptr;
  bool FSortable = true;
};
