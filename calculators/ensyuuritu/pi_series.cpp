// Machin's series in fixed point with limbs of nine digits.
//
// Term k (k >= 2) is T_k = (F_k - G_k) / (2k - 1) with F_k = 16 / 5^(2k-1)
// and G_k = 4 / 239^(2k-1), each truncated to the working precision; pi is
// F_1 - G_1 - T_2 + T_3 - ... . F_k = F_(k-1) / 25 truncated equals 16 /
// 5^(2k-1) truncated (nested truncated divisions by integers are one
// truncated division), so the pass in which F has no digit left at a given
// precision is known exactly.
//
// Speed comes from five things. The terms shrink from the left, so a pass
// works only from the first limb that is not 0. Sixteen passes go through
// the limbs together, each keeping its own remainders, so that their
// divisions overlap instead of waiting for one another. The divisions run
// four passes at a time in vectors of doubles, which hold every value
// involved exactly (below 2^53). The sum is kept in partial sums per limb
// that are carried once at the end, so adding a term costs one addition
// per limb without a carry running back through the number. And the groups
// of sixteen passes go through the limbs one behind the other on two
// threads.
#include "calculators/ensyuuritu/pi_series.h"

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
#include "digits/vector_level.h"

namespace taketa::ensyuuritu {
namespace {

using Doubles = double __attribute__((vector_size(32)));       // four passes side by side
using Lanes = std::int64_t __attribute__((vector_size(32)));  // lane numbers for shuffles
// The same in memory that need not be aligned to 32 bytes.
using StoredDoubles = double __attribute__((vector_size(32), aligned(8)));

// Every lane takes v's top lane.
[[gnu::always_inline]] inline Doubles TopLane(Doubles v) {
#ifdef __clang__
  return __builtin_shufflevector(v, v, 3, 3, 3, 3);
#else
  return __builtin_shuffle(v, Lanes{3, 3, 3, 3});
#endif
}

constexpr int kVectors = 4;
constexpr int kPasses = 4 * kVectors;  // passes that go through the limbs together
constexpr double kBase = kLimbBase;
constexpr std::uint64_t k239Squared = 57121;

// Adding and taking off 1.5 * 2^52 rounds a double below 2^51 in magnitude
// to the nearest integer.
constexpr double kRounder = 6755399441055744.0;

// The passes of a vector divide one F limb by 25, 25^2, 25^3 and 25^4, all of
// which divide the base: quotient limb = (the limb before mod d) * (base / d)
// + this limb / d, and F_(k+j) = F_(k-1) / 25^(j+1) truncated.
constexpr Doubles kFDivisor = {25.0, 625.0, 15625.0, 390625.0};
constexpr Doubles kFBaseOverDivisor = {40000000.0, 1600000.0, 64000.0, 2560.0};

// Where each pass of a group stands in its divisions.
struct alignas(32) PassLanes {
  Doubles fRemainder[kVectors]{};  // the limb before, as the vector received it, mod d
  Doubles tRemainder[kVectors]{};
  std::array<std::uint64_t, kPasses> gRemainder{};
  Doubles m[kVectors]{};  // 2k - 1
  Doubles inverse[kVectors]{};
  Doubles sign[kVectors]{};
};

// floor(x / d) for integers 0 <= x < 2^51 and the divisors of kFDivisor:
// (x - (d - 1) / 2) / d lies within 1/2 - 1/(2d) of floor(x / d), far more
// than the error of the reciprocal.
[[gnu::always_inline]] inline Doubles DivideF(Doubles x) {
  constexpr Doubles inverse = 1 / kFDivisor;
  constexpr Doubles half = (kFDivisor - 1) / 2 / kFDivisor;
  return (x * inverse - half + kRounder) - kRounder;
}

// Runs the passes of a group over limbs [lo, hi): F and G are replaced by
// the group's last F and G, and the signed terms are added to the partial
// sums S. seen[j] receives the OR of pass j's F limbs, gSeen that of the
// last G limbs.
//
// A T division estimates the quotient from the reciprocal of 2k - 1; the
// estimate is floor(t / (2k - 1)) or, when the division is exact, one less,
// which leaves a remainder equal to the divisor. That remainder is carried
// on as it is: the next limb's quotient takes the difference, and only the
// last limb of a term can end one unit low.
template <bool WithG>
[[gnu::always_inline]] inline void SweepLimbs(std::size_t lo, std::size_t hi, PassLanes& lanes,
                                              double* f, std::uint32_t* g, StoredDoubles* s,
                                              std::array<std::uint64_t, kPasses>& seen,
                                              std::uint64_t& gSeen) {
  Doubles fRemainder[kVectors], tRemainder[kVectors], seenMax[kVectors]{};
  for (int v = 0; v < kVectors; ++v) {
    fRemainder[v] = lanes.fRemainder[v];
    tRemainder[v] = lanes.tRemainder[v];
  }
  for (std::size_t i = lo; i < hi; ++i) {
    double gq[kPasses] = {};
    if constexpr (WithG) {
      std::uint64_t gLimb = g[i];
      for (int j = 0; j < kPasses; ++j) {
        const std::uint64_t gx = lanes.gRemainder[j] * kLimbBase + gLimb;
        gLimb = gx / k239Squared;
        lanes.gRemainder[j] = gx - gLimb * k239Squared;
        gq[j] = static_cast<double>(gLimb);
      }
      g[i] = static_cast<std::uint32_t>(gLimb);
      gSeen |= gLimb;
    }
    Doubles in = {f[i], f[i], f[i], f[i]};
    Doubles sum{};
    for (int v = 0; v < kVectors; ++v) {
      const Doubles q = DivideF(in);
      const Doubles fq = fRemainder[v] * kFBaseOverDivisor + q;
      fRemainder[v] = in - q * kFDivisor;
      in = TopLane(fq);
      seenMax[v] = fq > seenMax[v] ? fq : seenMax[v];

      const Doubles gv = {gq[4 * v], gq[4 * v + 1], gq[4 * v + 2], gq[4 * v + 3]};
      const Doubles t = tRemainder[v] * kBase + (fq - gv);
      const Doubles tq = (t * lanes.inverse[v] - 0.5 + kRounder) - kRounder;
      tRemainder[v] = t - tq * lanes.m[v];
      sum += tq * lanes.sign[v];
    }
    f[i] = in[0];
    s[i] += sum;
  }
  for (int v = 0; v < kVectors; ++v) {
    lanes.fRemainder[v] = fRemainder[v];
    lanes.tRemainder[v] = tRemainder[v];
    for (int j = 0; j < 4; ++j) seen[4 * v + j] |= static_cast<std::uint64_t>(seenMax[v][j]);
  }
}

// The sweep built for plain x86-64, for AVX2 and for x86-64-v3 (AVX2 with
// fused multiply-adds); the processor's level picks one.
[[gnu::always_inline]] inline void SweepFor(std::size_t lo, std::size_t hi, bool withG,
                                            PassLanes& lanes, double* f, std::uint32_t* g,
                                            StoredDoubles* s,
                                            std::array<std::uint64_t, kPasses>& seen,
                                            std::uint64_t& gSeen) {
  if (withG)
    SweepLimbs<true>(lo, hi, lanes, f, g, s, seen, gSeen);
  else
    SweepLimbs<false>(lo, hi, lanes, f, g, s, seen, gSeen);
}

void SweepBaseline(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
                   std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen,
                   std::uint64_t& gSeen) {
  SweepFor(lo, hi, withG, lanes, f, g, s, seen, gSeen);
}

#if TAKETA_X86_VECTOR_COPIES
[[gnu::target("avx2")]]
void SweepAvx2(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
               std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen,
               std::uint64_t& gSeen) {
  SweepFor(lo, hi, withG, lanes, f, g, s, seen, gSeen);
}

// With fused multiply-adds the divisions' estimates are rounded once
// instead of twice; they stay within the same bounds.
[[gnu::target("arch=x86-64-v3")]]
void SweepV3(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
             std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen,
             std::uint64_t& gSeen) {
  SweepFor(lo, hi, withG, lanes, f, g, s, seen, gSeen);
}
#endif

void Sweep(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
           std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen,
           std::uint64_t& gSeen) {
#if TAKETA_X86_VECTOR_COPIES
  const VectorLevel level = CurrentVectorLevel();
  if (level >= VectorLevel::kX86_64V3) return SweepV3(lo, hi, withG, lanes, f, g, s, seen, gSeen);
  if (level >= VectorLevel::kAvx2) return SweepAvx2(lo, hi, withG, lanes, f, g, s, seen, gSeen);
#endif
  SweepBaseline(lo, hi, withG, lanes, f, g, s, seen, gSeen);
}

// Where a group stands: its passes' lanes, where its term had digits, and
// the first stretch of limbs in which its last F and G are not 0 (where the
// group after next may start).
struct GroupState {
  PassLanes lanes;
  GroupSeen<kPasses> seen;
  std::size_t gStart = 0;
  std::size_t firstF = 0, firstG = 0;  // the end of the limbs: none
};

class MachinSeries {
 public:
  MachinSeries(int digits, int guardDigits, HelperThread* helper, WavefrontSetting setting)
      : digits_(digits),
        limbs_(static_cast<std::size_t>((digits - 1 + guardDigits + kLimbDigits - 1) / kLimbDigits)),
        f_(limbs_ + 1),
        g_(limbs_ + 1),
        s_(4 * (limbs_ + 1)),
        helper_(limbs_ + 1 >= setting.fromLimbs ? helper : nullptr),
        chunk_(setting.chunk) {
    // F_1 = 3.2; G_1 = 4 / 239; S = F_1 - G_1.
    f_[0] = 3;
    f_[1] = 200000000;
    std::uint64_t rem = 4;
    for (std::size_t i = 0; i <= limbs_; ++i) {
      g_[i] = static_cast<std::uint32_t>(rem / 239);
      rem = rem % 239 * kLimbBase;
      s_[4 * i] = f_[i] - g_[i];
    }
  }

  // Sums the series until F has no digit left. With `report`, every pass
  // until F has no digit left within five places beyond the shown digits
  // shows k and polls `run`; otherwise `run` is polled once per group.
  // False when stopped. The groups go through the limbs one behind the
  // other, on two threads when there is a helper (digits/limb_wavefront.h);
  // a group starts where the group before the one before left F and G
  // nonzero, which is never later than where the sums that come one after
  // the other start, and the limbs it goes through before those hold 0 and
  // stay 0.
  bool Run(RunControl& run, bool report) {
    // Five guard places beyond the shown digits: positions through
    // digits + 5, the last of them always 0 after a division, so F counts as
    // gone once it is below one unit of position digits + 4.
    const int shownGone = static_cast<int>(limbs_) * kLimbDigits - (digits_ + 3);
    assert(!report || shownGone >= 0);
    const LimbBound bound = BoundForPowerOfTen(std::max(shownGone, 0), limbs_);
    const std::size_t end = limbs_ + 1;
    PassReporter reporter(run, report);
    std::array<GroupState, 4> groups;
    const auto firstPass = [](std::uint64_t g) { return 2 + kPasses * static_cast<int>(g); };
    const auto begin = [&](std::uint64_t g) {
      GroupState& group = groups[g % 4];
      const GroupState* before = g >= 2 ? &groups[(g - 2) % 4] : nullptr;
      const std::size_t fStart = before ? before->firstF : 0;
      group.gStart = before ? std::max(before->firstG, fStart) : 1;
      group.firstF = group.firstG = end;
      group.seen = {};
      const int k = firstPass(g);
      for (int j = 0; j < kPasses; ++j) {
        const double m = 2 * (k + j) - 1;
        assert(m < 1 << 20);  // keeps every t of a T division below 2^51
        group.lanes.m[j / 4][j % 4] = m;
        group.lanes.inverse[j / 4][j % 4] = 1 / m;
        group.lanes.sign[j / 4][j % 4] = (k + j) % 2 == 0 ? -1 : 1;
        group.lanes.fRemainder[j / 4][j % 4] = group.lanes.tRemainder[j / 4][j % 4] = 0;
        group.lanes.gRemainder[j] = 0;
      }
      return fStart;
    };
    const auto sweep = [&](std::uint64_t g, std::size_t lo, std::size_t hi) {
      GroupState& group = groups[g % 4];
      SweepInPieces(lo, hi, bound, group.gStart, group.seen,
                    [&](std::size_t from, std::size_t to, auto& part) {
                      std::array<std::uint64_t, kPasses> seen{};
                      std::uint64_t gSeen = 0;
                      const bool withG = from >= group.gStart;
                      Sweep(from, to, withG, group.lanes, f_.data(), g_.data(),
                            reinterpret_cast<StoredDoubles*>(s_.data()), seen, gSeen);
                      for (int j = 0; j < kPasses; ++j) part[j] |= seen[j];
                      if (seen[kPasses - 1] != 0) group.firstF = std::min(group.firstF, from);
                      if (gSeen != 0) group.firstG = std::min(group.firstG, from);
                    });
    };
    const auto after = [&](std::uint64_t g) {
      const GroupState& group = groups[g % 4];
      passes_ += kPasses;
      if (!reporter.AfterGroup(firstPass(g), kPasses,
                               [&](int j) { return group.seen.BelowBound(j, bound); })) {
        return GroupOutcome::kStop;
      }
      return group.firstF == end ? GroupOutcome::kDone : GroupOutcome::kGoOn;  // every later term is 0
    };
    return RunWavefront(helper_, end, chunk_, begin, sweep, after);
  }

  // The shown digits, or nullopt when the guard digits cannot settle them.
  std::optional<std::string> Digits() const {
    std::vector<std::int64_t> sum(limbs_ + 1);
    for (std::size_t i = 0; i <= limbs_; ++i) {
      const double* partial = &s_[4 * i];
      sum[i] = static_cast<std::int64_t>(partial[0]) + static_cast<std::int64_t>(partial[1]) +
               static_cast<std::int64_t>(partial[2]) + static_cast<std::int64_t>(partial[3]);
    }
    CarryLimbs(sum);
    // A term is off by less than 1.34 units, and by one more where its last
    // remainder equals the divisor; the first term by less than 1; the terms
    // left out add up to less than 1.
    const std::uint64_t errorBound = 3 * static_cast<std::uint64_t>(passes_) + 4;
    return SettledDigits(sum, digits_ - 1, errorBound);
  }

 private:
  int digits_;
  std::size_t limbs_;
  std::vector<double> f_;
  std::vector<std::uint32_t> g_;
  std::vector<double> s_;  // four partial sums per limb
  HelperThread* helper_;
  std::size_t chunk_;
  int passes_ = 1;
};

}  // namespace

std::optional<std::string> PiDigits(int digits, RunControl& run, int guardDigits,
                                    WavefrontSetting setting) {
  assert(digits >= 2);
  std::optional<HelperThread> helper;
  if (static_cast<std::size_t>(digits / kLimbDigits) + 1 >= setting.fromLimbs) helper.emplace();
  return SumUntilSettled<MachinSeries>(digits, guardDigits, guardDigits >= kGuardDigits, run,
                                       helper ? &*helper : nullptr, setting);
}

}  // namespace taketa::ensyuuritu
