// How the fast factoring phase learns that its run must stop, and on how
// many threads it works.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>

#include "calculators/common/run_control.h"

// Whether std::thread is there (not with MinGW's win32 thread model); a
// build may also say so itself.
#ifndef TAKETA_FACTORING_THREADS
#if defined(_GLIBCXX_HAS_GTHREADS) || defined(_LIBCPP_VERSION) || defined(_MSC_VER)
#define TAKETA_FACTORING_THREADS 1
#else
#define TAKETA_FACTORING_THREADS 0
#endif
#endif
#if TAKETA_FACTORING_THREADS
#include <thread>
#endif

namespace taketa::soinsuu2 {

// What a long computation asks between its steps: whether to give up.
class StopSignal {
 public:
  virtual bool Stopped() = 0;

 protected:
  ~StopSignal() = default;
};

// The calling thread's signal: the run is asked at most once every few
// milliseconds, however often the phase checks, and a stop once seen stays
// seen.
class StopPoll final : public StopSignal {
 public:
  explicit StopPoll(RunControl& run) : run_(run) {}

  // Cheap enough to call every few microseconds of work.
  bool Stopped() override {
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

// A helper thread's signal: a flag the calling thread sets.
class StopFlag final : public StopSignal {
 public:
  explicit StopFlag(const std::atomic<bool>& flag) : flag_(flag) {}
  bool Stopped() override { return flag_.load(std::memory_order_relaxed); }

 private:
  const std::atomic<bool>& flag_;
};

// The threads the sieve and the elliptic curves run on: the calling one
// and, where the machine has another core, a helper.
inline unsigned FactoringThreads() {
#if TAKETA_FACTORING_THREADS
  return std::clamp(std::thread::hardware_concurrency(), 1u, 2u);
#else
  return 1;
#endif
}

}  // namespace taketa::soinsuu2
