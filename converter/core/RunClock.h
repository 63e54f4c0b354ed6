#pragma once

namespace converter {

// Elapsed and remaining time of a run, advanced once a second.
class RunClock {
 public:
  // totalPercent: the total bar's position; the remaining time is estimated only once it has moved.
  void Tick(int totalPercent);

  int ElapsedSeconds() const { return elapsed_; }
  int RemainingSeconds() const { return remaining_; }

 private:
  int elapsed_ = 0;
  int remaining_ = 0;
};

}  // namespace converter
