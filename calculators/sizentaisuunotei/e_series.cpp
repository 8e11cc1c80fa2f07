// e = 2.5 + 1/3! + 1/4! + ... in fixed point with limbs of nine digits.
//
// T_k = T_(k-1) / k truncated equals 1/k! truncated (nested truncated
// divisions by integers are one truncated division), so every term is at
// most one unit low and the pass in which the term has no digit left at a
// given precision is known exactly. As for pi (ensyuuritu/pi_series.cpp),
// a pass works only from the term's first limb that is not 0, several
// passes go through the limbs together so that their divisions overlap,
// groups of passes go through the limbs one behind the other on two
// threads, and the sum is carried once at the end.
#include "calculators/sizentaisuunotei/e_series.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <vector>

#include "calculators/common/grouped_passes.h"
#include "digits/fixed_point.h"
#include "digits/limb_wavefront.h"
#include "digits/two_threads.h"

namespace taketa::sizentaisuunotei {
namespace {

constexpr int kPasses = 8;
constexpr std::uint64_t kBase = kLimbBase;

struct PassLanes {
  std::array<std::uint64_t, kPasses> remainder{};
  std::array<SmallDivisor, kPasses> divisor{};
};

// Runs the passes of a group over limbs [lo, hi): T is replaced by the
// group's last term and every term is added to S. seen[j] receives the OR of
// pass j's term limbs.
void Sweep(std::size_t lo, std::size_t hi, PassLanes& lanes, std::uint32_t* t, std::int64_t* s,
           std::array<std::uint64_t, kPasses>& seen) {
  for (std::size_t i = lo; i < hi; ++i) {
    std::uint64_t limb = t[i];
    std::uint64_t sum = 0;
    for (int j = 0; j < kPasses; ++j) {
      const std::uint64_t x = lanes.remainder[j] * kBase + limb;
      const std::uint64_t q = lanes.divisor[j].Divide(x);
      lanes.remainder[j] = x - q * lanes.divisor[j].divisor();
      limb = q;
      sum += q;
      seen[j] |= q;
    }
    t[i] = static_cast<std::uint32_t>(limb);
    s[i] += static_cast<std::int64_t>(sum);
  }
}

// Where a group stands: its passes' remainders and divisors, where its
// term had digits, and the first stretch of limbs in which its last term is
// not 0 (where the group after next may start).
struct GroupState {
  PassLanes lanes;
  GroupSeen<kPasses> seen;
  std::size_t firstT = 0;  // the end of the limbs: none
};

class FactorialSeries {
 public:
  FactorialSeries(int digits, int guardDigits, HelperThread* helper, WavefrontSetting setting)
      : digits_(digits),
        limbs_(
            static_cast<std::size_t>((digits - 1 + guardDigits + kLimbDigits - 1) / kLimbDigits)),
        t_(limbs_ + 1),
        s_(limbs_ + 1),
        helper_(limbs_ + 1 >= setting.fromLimbs ? helper : nullptr),
        chunk_(setting.chunk) {
    t_[1] = 500000000;  // 1/2!
    s_[0] = 2;
    s_[1] = 500000000;  // 1 + 1 + 1/2!
  }

  // Sums the series until the term has no digit left. With `report`, every
  // pass until the term has no digit left within eight places beyond the
  // shown digits shows k and polls `run`; otherwise `run` is polled once per
  // group. False when stopped. The groups go through the limbs one behind
  // the other, on two threads when there is a helper, as for pi
  // (digits/limb_wavefront.h).
  bool Run(RunControl& run, bool report) {
    // Eight guard places: positions through digits + 8, the last always 0
    // after a division, so the term counts as gone below one unit of
    // position digits + 7.
    const int shownGone = static_cast<int>(limbs_) * kLimbDigits - (digits_ + 6);
    assert(!report || shownGone >= 0);
    const LimbBound bound = BoundForPowerOfTen(std::max(shownGone, 0), limbs_);
    const std::size_t end = limbs_ + 1;
    PassReporter reporter(run, report);
    std::array<GroupState, 4> groups;
    const auto firstPass = [](std::uint64_t g) { return 3 + kPasses * static_cast<int>(g); };
    const auto begin = [&](std::uint64_t g) {
      GroupState& group = groups[g % 4];
      const std::size_t start = g >= 2 ? groups[(g - 2) % 4].firstT : 1;
      group.firstT = end;
      group.seen = {};
      const int k = firstPass(g);
      for (int j = 0; j < kPasses; ++j) {
        assert(k + j < 130000);  // keeps every dividend below 2^64 / (k + j)
        group.lanes.divisor[j] = SmallDivisor(static_cast<std::uint64_t>(k + j));
        group.lanes.remainder[j] = 0;
      }
      return start;
    };
    const auto sweep = [&](std::uint64_t g, std::size_t lo, std::size_t hi) {
      GroupState& group = groups[g % 4];
      SweepInPieces(lo, hi, bound, lo, group.seen,
                    [&](std::size_t from, std::size_t to, auto& part) {
                      std::array<std::uint64_t, kPasses> seen{};
                      Sweep(from, to, group.lanes, t_.data(), s_.data(), seen);
                      for (int j = 0; j < kPasses; ++j) part[j] |= seen[j];
                      if (seen[kPasses - 1] != 0) group.firstT = std::min(group.firstT, from);
                    });
    };
    const auto after = [&](std::uint64_t g) {
      const GroupState& group = groups[g % 4];
      passes_ += kPasses;
      if (!reporter.AfterGroup(firstPass(g), kPasses,
                               [&](int j) { return group.seen.BelowBound(j, bound); })) {
        return GroupOutcome::kStop;
      }
      return group.firstT == end ? GroupOutcome::kDone : GroupOutcome::kGoOn;
    };
    return RunWavefront(helper_, end, chunk_, begin, sweep, after);
  }

  // The shown digits, or nullopt when the guard digits cannot settle them.
  std::optional<std::string> Digits() {
    CarryLimbs(s_);
    // Every term is less than one unit low; the terms left out add up to
    // less than 2 units.
    const std::uint64_t errorBound = static_cast<std::uint64_t>(passes_) + 4;
    return SettledDigits(s_, digits_ - 1, errorBound);
  }

 private:
  int digits_;
  std::size_t limbs_;
  std::vector<std::uint32_t> t_;
  std::vector<std::int64_t> s_;
  HelperThread* helper_;
  std::size_t chunk_;
  int passes_ = 0;
};

}  // namespace

std::optional<std::string> EDigits(int digits, RunControl& run, int guardDigits,
                                   WavefrontSetting setting) {
  assert(digits >= 2);
  std::optional<HelperThread> helper;
  if (static_cast<std::size_t>(digits / kLimbDigits) + 1 >= setting.fromLimbs) helper.emplace();
  return SumUntilSettled<FactorialSeries>(digits, guardDigits, guardDigits >= kGuardDigits, run,
                                          helper ? &*helper : nullptr, setting);
}

}  // namespace taketa::sizentaisuunotei
