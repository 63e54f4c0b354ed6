#pragma once
#include <string>

namespace converter {

// The two progress bars of a conversion run, driven by the encoder's output chunks.
class RunProgress {
 public:
  // totalSeconds: the sum of every row's length to convert.
  explicit RunProgress(double totalSeconds) : total_(totalSeconds) {}

  void StartRow(double rowSeconds);
  // The first two chunks of a row are the encoder's banner and input report: they never move the bars.
  void ReadChunk(const std::string& chunk);
  // Counts the row as done and empties the current bar.
  void FinishRow();

  // Bar positions in percent, 0 to 100 as the bars hold them.
  int CurrentPercent() const { return currentPercent_; }
  int TotalPercent() const { return totalPercent_; }

 private:
  double total_;
  double done_ = 0;
  double row_ = 0;
  double current_ = 0;  // highest encoder time read for the row
  int chunks_ = 0;
  int currentPercent_ = 0;
  int totalPercent_ = 0;
};

}  // namespace converter
