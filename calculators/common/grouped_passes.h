// Bookkeeping for series whose passes go through the limbs in groups (see
// ensyuuritu/pi_series.cpp): where each pass's term fell below the shown
// precision, the step counter, the stop poll, and summing again with more
// guard digits when they cannot settle the last shown digit.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "calculators/common/run_control.h"
#include "digits/fixed_point.h"

namespace taketa {

// The OR of every limb each pass of a group produced, split at the limb
// that decides whether the term is below a bound 10^e.
template <int Passes>
struct GroupSeen {
  std::array<std::uint64_t, Passes> before{}, at{}, after{};

  bool BelowBound(int j, LimbBound bound) const { return before[j] == 0 && at[j] < bound.below; }
  bool Zero(int j) const { return (before[j] | at[j] | after[j]) == 0; }
};

// Calls sweep(lo, hi, seenArray) over the pieces of limbs [start, end) cut
// at `bound.limb`, the limb after it and `extraCut`, handing each piece the
// part of `seen` it belongs to.
template <int Passes, class Sweep>
void SweepInPieces(std::size_t start, std::size_t end, LimbBound bound, std::size_t extraCut,
                   GroupSeen<Passes>& seen, Sweep&& sweep) {
  std::size_t cuts[] = {start, std::clamp(extraCut, start, end), std::clamp(bound.limb, start, end),
                        std::clamp(bound.limb + 1, start, end), end};
  std::sort(std::begin(cuts), std::end(cuts));
  for (std::size_t c = 0; c + 1 < std::size(cuts); ++c) {
    const std::size_t lo = cuts[c], hi = cuts[c + 1];
    if (lo == hi) continue;
    sweep(lo, hi, lo < bound.limb ? seen.before : lo == bound.limb ? seen.at : seen.after);
  }
}

// Shows the step counter of each pass and polls for a stop, as long as the
// term has digits within the shown precision: the pass in which it has none
// shows its counter and ends the visible run without a poll. The passes the
// series needs beyond that, for its guard digits, are not shown; a series
// summed again silently polls once per group.
class PassReporter {
 public:
  PassReporter(RunControl& run, bool report) : run_(run), report_(report), shownEnded_(!report) {}

  // After a group whose first pass has step number `first`; belowShown(j)
  // says whether pass j's term is gone at the shown precision. False when
  // the run must stop.
  template <class BelowShown>
  bool AfterGroup(int first, int passes, BelowShown&& belowShown) {
    for (int j = 0; j < passes && !shownEnded_; ++j) {
      run_.ShowStep(first + j);
      shownEnded_ = belowShown(j);
      if (!shownEnded_ && run_.StopRequested()) return false;
    }
    return report_ || !run_.StopRequested();
  }

 private:
  RunControl& run_;
  bool report_;
  bool shownEnded_;
};

// Sums a series with `guardDigits` guard digits, reporting its passes, and
// again with 18 more each time the guard digits cannot settle the shown
// digits, silently. Series(digits, guard, more...) must offer bool
// Run(RunControl&, bool report) and std::optional<std::string> Digits().
template <class Series, class... More>
std::optional<std::string> SumUntilSettled(int digits, int guardDigits, bool report,
                                           RunControl& run, const More&... more) {
  for (;; report = false, guardDigits += 2 * kLimbDigits) {
    Series series(digits, guardDigits, more...);
    if (!series.Run(run, report)) return std::nullopt;
    if (auto shown = series.Digits()) return shown;
  }
}

}  // namespace taketa
