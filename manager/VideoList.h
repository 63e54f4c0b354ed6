// A video list of the main window with its pictures, filled from a folder. A refill of the
// folder it shows touches only the rows of videos that are new, gone or changed: the console
// list refreshed after each video of a transfer decodes one thumbnail, not all of them.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/ComCtrls.h"
#include "framework/ImgList.h"
#include "manager/core/VideoRows.h"

class TVideoList {
public:
  TVideoList(TListView* list, TImageList* images) : FList(list), FImages(images) {}

  // One fill, shown as it goes; a newer fill of the same list overtakes it.
  class TFill {
  public:
    // The rows of another folder (which ends with "\") go first; no row stays selected.
    TFill(TVideoList& videos, const std::string& folder);
    // Shows the rows held from drawing.
    ~TFill();
    TFill(const TFill&) = delete;
    TFill& operator=(const TFill&) = delete;

    bool Overtaken() const { return FNumber != FVideos.FFills; }
    // The next row shows the video; picture draws its thumbnail when the row must be made.
    // When making it fails, the list ends before it and the failure goes on to the caller.
    void Show(const std::string& name, const manager::TVideoLook& look,
              const std::function<TBitmap*()>& picture);
    // The folder has no more videos: the rows after the last one shown go.
    void Finish();

  private:
    void MakeRow(int index, const std::string& name, const std::string& sizeText,
                 const std::function<TBitmap*()>& picture);
    // The rows from the index on go, from the list and from the records.
    void CutFrom(int index);
    void BeforeChange();
    // Its picture is left for a new row to take.
    void RemoveRow(int index);
    TVideoList& FVideos;
    const unsigned FNumber;
    int FNext = 0;
    int FChanges = 0;  // rows removed or made; from the second on, drawing is held
    DWORD FShownAt = 0;
  };

private:
  TListView* FList;
  TImageList* FImages;
  std::string FFolder;
  manager::TVideoRows FRows;
  std::vector<int> FFreeImages;  // pictures of rows gone, for new rows to take
  unsigned FFills = 0;
};
