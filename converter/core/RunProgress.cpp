#include "converter/core/RunProgress.h"

#include <algorithm>
#include <cmath>

#include "converter/core/ProgressLine.h"

namespace converter {
namespace {

// 0 to 100 for any part and whole, infinite or not a number included.
int Percent(double part, double whole) {
  const double percent = std::nearbyint(part / whole * 100);  // halves to even
  return percent >= 0 ? static_cast<int>(std::min(percent, 100.0)) : 0;
}

}  // namespace

void RunProgress::StartRow(double rowSeconds) {
  row_ = rowSeconds;
  current_ = 0;
  chunks_ = 0;
}

void RunProgress::ReadChunk(const std::string& chunk) {
  if (chunks_++ < 2) return;
  const auto time = ProgressTime(chunk);
  if (!time) return;
  current_ = std::max(current_, *time);
  if (row_ != 0) currentPercent_ = Percent(current_, row_);
  if (total_ != 0) totalPercent_ = Percent(done_ + current_, total_);
}

void RunProgress::FinishRow() {
  done_ += row_;
  currentPercent_ = 0;
}

}  // namespace converter
