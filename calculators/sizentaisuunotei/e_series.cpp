// e = 2.5 + 1/3! + 1/4! + ... in fixed point with limbs of nine digits.
//
// T_k = T_(k-1) / k truncated equals 1/k! truncated (nested truncated
// divisions by integers are one truncated division), so every term is at
// most one unit low and the pass in which the term has no digit left at a
// given precision is known exactly. As for pi (ensyuuritu/pi_series.cpp),
// a pass works only from the term's first limb that is not 0, several
// passes go through the limbs together so that their divisions overlap, and
// the sum is carried once at the end.
#include "calculators/sizentaisuunotei/e_series.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "calculators/common/grouped_passes.h"
#include "digits/fixed_point.h"

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

class FactorialSeries {
 public:
  FactorialSeries(int digits, int guardDigits)
      : digits_(digits),
        limbs_(
            static_cast<std::size_t>((digits - 1 + guardDigits + kLimbDigits - 1) / kLimbDigits)),
        t_(limbs_ + 1),
        s_(limbs_ + 1) {
    t_[1] = 500000000;  // 1/2!
    s_[0] = 2;
    s_[1] = 500000000;  // 1 + 1 + 1/2!
  }

  // Sums the series until the term has no digit left. With `report`, every
  // pass until the term has no digit left within eight places beyond the
  // shown digits shows k and polls `run`; otherwise `run` is polled once per
  // group. False when stopped.
  bool Run(RunControl& run, bool report) {
    // Eight guard places: positions through digits + 8, the last always 0
    // after a division, so the term counts as gone below one unit of
    // position digits + 7.
    const int shownGone = static_cast<int>(limbs_) * kLimbDigits - (digits_ + 6);
    assert(!report || shownGone >= 0);
    const LimbBound bound = BoundForPowerOfTen(std::max(shownGone, 0), limbs_);
    PassReporter reporter(run, report);
    std::size_t start = 1;
    for (int k = 3;; k += kPasses) {
      PassLanes lanes;
      for (int j = 0; j < kPasses; ++j) {
        assert(k + j < 130000);  // keeps every dividend below 2^64 / (k + j)
        lanes.divisor[j] = SmallDivisor(static_cast<std::uint64_t>(k + j));
      }
      GroupSeen<kPasses> seen;
      SweepInPieces(start, limbs_ + 1, bound, start, seen,
                    [&](std::size_t lo, std::size_t hi, auto& part) {
                      Sweep(lo, hi, lanes, t_.data(), s_.data(), part);
                    });
      passes_ += kPasses;
      while (start <= limbs_ && t_[start] == 0) ++start;
      if (!reporter.AfterGroup(k, kPasses, [&](int j) { return seen.BelowBound(j, bound); }))
        return false;
      if (start > limbs_) return true;
    }
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
  int passes_ = 0;
};

}  // namespace

std::optional<std::string> EDigits(int digits, RunControl& run, int guardDigits) {
  assert(digits >= 2);
  return SumUntilSettled<FactorialSeries>(digits, guardDigits, guardDigits >= kGuardDigits, run);
}

}  // namespace taketa::sizentaisuunotei
