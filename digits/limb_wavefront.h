// Two threads along the limbs of a series: the passes of a series go
// through the limbs in groups (see calculators/ensyuuritu/pi_series.cpp),
// each group taking as its input what the group before left in the limbs,
// from the most significant limb down. Group g + 1 can therefore work on a
// stretch of limbs as soon as group g is done with it: this thread runs the
// even groups and a helper the odd ones, one behind the other, and the
// limbs come out exactly as when the groups run one after the other.
#pragma once

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "digits/two_threads.h"

namespace taketa {

// When a series goes on two threads, and in what stretches of limbs: the
// stretches are long enough that handing them on costs little, short
// enough that the second thread starts soon after the first. (The tests
// make both small.)
struct WavefrontSetting {
  std::size_t fromLimbs = 512;  // shorter series run on the calling thread alone
  std::size_t chunk = 256;
};

// What the calling thread decides after each group.
enum class GroupOutcome { kGoOn, kStop, kDone };

namespace wavefront_detail {

// Group g has begun, or is done with every limb below `limb`: one number
// that only grows along the groups of one thread.
inline std::uint64_t Mark(std::uint64_t g, std::size_t limb) {
  return ((g + 1) << 32) | static_cast<std::uint64_t>(limb);
}
inline constexpr std::uint64_t kCancelled = ~std::uint64_t{0};

}  // namespace wavefront_detail

// Runs groups 0, 1, 2, ... over limbs [0, end) (end below 2^32), in
// stretches of `chunk` limbs:
//   begin(g) sets group g up and returns its first limb (limbs below it are
//     left alone). It runs on the thread that runs group g, after group
//     g - 2 ended there, so it may read what g - 2 found; the first limbs
//     of the groups must not fall.
//   sweep(g, lo, hi) runs group g over limbs [lo, hi), after group g - 1 is
//     done with them and with the `lag` limbs after them (a group may write
//     a limb that many limbs after it read it).
//   after(g) runs on the calling thread for g = 0, 1, 2, ... in turn, once
//     group g is done; kStop or kDone end the run there (later groups may
//     have run meanwhile: they must leave the limbs as they were).
// Without a running helper, or when the helper has not taken up its part by
// the time the first odd group is needed, every group runs here, in order.
// True when an after() said kDone, false when kStop.
template <class Begin, class Sweep, class After>
bool RunWavefront(HelperThread* helper, std::size_t end, std::size_t chunk, Begin&& begin,
                  Sweep&& sweep, After&& after, std::size_t lag = 0) {
  using wavefront_detail::kCancelled;
  using wavefront_detail::Mark;
  RisingCount progress[2];  // of this thread (even groups) and of the helper (odd ones)
  std::atomic<bool> cancelled{false};

  // False when the run was cancelled meanwhile.
  const auto runGroup = [&](std::uint64_t g) {
    RisingCount& mine = progress[g % 2];
    RisingCount* before = g == 0 ? nullptr : &progress[(g - 1) % 2];
    if (before != nullptr && before->WaitFor(Mark(g - 1, 0)) == kCancelled) return false;
    const std::size_t start = std::min(begin(g), end);
    mine.Raise(Mark(g, start));
    for (std::size_t lo = start; lo < end;) {
      const std::size_t hi = std::min(end, (lo / chunk + 1) * chunk);
      if (before != nullptr &&
          before->WaitFor(Mark(g - 1, std::min(end, hi + lag))) == kCancelled) {
        return false;
      }
      if (cancelled.load(std::memory_order_relaxed)) return false;
      sweep(g, lo, hi);
      mine.Raise(Mark(g, hi));
      lo = hi;
    }
    return true;
  };
  auto helperPart = [&] {
    for (std::uint64_t g = 1; runGroup(g); g += 2) {
    }
  };

  // However the run ends (an outcome, or an exception from a callback),
  // the helper's part is cancelled and taken back before anything it uses
  // goes away.
  struct Retire {
    HelperThread* helper = nullptr;  // while the helper may hold its part
    std::atomic<bool>& cancelled;
    RisingCount& wakeUp;
    ~Retire() {
      if (helper == nullptr) return;
      cancelled.store(true, std::memory_order_relaxed);
      wakeUp.Raise(kCancelled);
      helper->TakeBack();
    }
  } retire{nullptr, cancelled, progress[0]};
  if (helper != nullptr && helper->Running()) {
    helper->Offer(helperPart);
    retire.helper = helper;
  }
  const auto finish = [](GroupOutcome outcome) { return outcome == GroupOutcome::kDone; };

  runGroup(0);
  if (const GroupOutcome outcome = after(0); outcome != GroupOutcome::kGoOn) return finish(outcome);
  if (retire.helper != nullptr && helper->Withdraw()) retire.helper = nullptr;
  if (retire.helper == nullptr) {
    for (std::uint64_t g = 1;; ++g) {
      runGroup(g);
      if (const GroupOutcome outcome = after(g); outcome != GroupOutcome::kGoOn)
        return finish(outcome);
    }
  }
  // Group g - 1 is the helper's; it is done once this thread's group g has
  // gone through every limb, but its last limbs may come after g's own.
  for (std::uint64_t g = 2;; g += 2) {
    runGroup(g);
    progress[1].WaitFor(Mark(g - 1, end));
    if (const GroupOutcome outcome = after(g - 1); outcome != GroupOutcome::kGoOn)
      return finish(outcome);
    if (const GroupOutcome outcome = after(g); outcome != GroupOutcome::kGoOn)
      return finish(outcome);
  }
}

}  // namespace taketa
