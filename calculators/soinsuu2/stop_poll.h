// How the fast factoring phase learns that its run must stop: the run is
// asked at most once every few milliseconds, however often the phase
// checks, and a stop once seen stays seen.
#pragma once

#include <chrono>

#include "calculators/common/run_control.h"

namespace taketa::soinsuu2 {

class StopPoll {
 public:
  explicit StopPoll(RunControl& run) : run_(run) {}

  // Cheap enough to call every few microseconds of work.
  bool Stopped() {
    if (stopped_) return true;
    const auto now = std::chrono::steady_clock::now();
    if (now < next_) return false;
    next_ = now + kInterval;
    stopped_ = run_.StopRequested();
    return stopped_;
  }

 private:
  static constexpr std::chrono::milliseconds kInterval{5};

  RunControl& run_;
  bool stopped_ = false;
  std::chrono::steady_clock::time_point next_{};
};

}  // namespace taketa::soinsuu2
