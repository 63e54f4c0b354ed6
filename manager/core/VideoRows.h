// The rows a video list shows, kept in step with its folder: a refill of the same folder
// changes only the rows whose video is new, gone or changed.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace manager {

// A file as it was when a row was drawn from it.
struct TFileStamp {
  std::string Path;
  std::uint64_t Size = 0;
  std::uint64_t WriteTime = 0;
};

// What a row shows of its video: the size text and the thumbnails, best first, its picture
// was drawn from.
struct TVideoLook {
  std::string SizeText;
  std::vector<TFileStamp> Thumbnails;
};

bool operator==(const TFileStamp& a, const TFileStamp& b);
bool operator==(const TVideoLook& a, const TVideoLook& b);

// What the list does so that its row at an index shows a video: first the rows there that
// go (videos gone from the folder, or the video itself when it looks different now), then
// the row there is kept, or a new one is made there.
struct TRowChange {
  int Removed = 0;
  bool Kept = false;
};

// The captions and looks of a list's rows, in row order. The folder's videos are placed in
// its order, one index after the other; rows that a video does not meet there go.
class TVideoRows {
public:
  int Count() const { return static_cast<int>(FRows.size()); }
  void Clear() { FRows.clear(); }
  // The rows before the index show the videos placed before this one. Rows that sort before
  // the name (or have it in another letter case) go, and so does the video's own row when
  // its look changed.
  TRowChange Place(int index, const std::string& name, const TVideoLook& look);
  // The folder has no more videos: the rows from the index on go; how many they are.
  int Cut(int index);

private:
  struct TRow {
    std::string Caption;
    TVideoLook Look;
  };
  std::vector<TRow> FRows;
};

}  // namespace manager
