// Machin's series in fixed point with limbs of nine digits.
//
// Term k (k >= 2) is T_k = (F_k - G_k) / (2k - 1) with F_k = 16 / 5^(2k-1)
// and G_k = 4 / 239^(2k-1), each truncated to the working precision; pi is
// F_1 - G_1 - T_2 + T_3 - ... . F_k = F_(k-1) / 25 truncated equals 16 /
// 5^(2k-1) truncated (nested truncated divisions by integers are one
// truncated division), so the pass in which F has no digit left at a given
// precision is known exactly.
//
// Speed comes from four things. The terms shrink from the left, so a pass
// works only from the first limb that is not 0. Sixteen passes go through
// the limbs together, each keeping its own remainders, so that their
// divisions overlap instead of waiting for one another. The divisions run
// four passes at a time in vectors of doubles, which hold every value
// involved exactly (below 2^53). And the sum is kept in partial sums per
// limb that are carried once at the end, so adding a term costs one
// addition per limb without a carry running back through the number.
#include "calculators/ensyuuritu/pi_series.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <vector>

#include "calculators/common/grouped_passes.h"
#include "digits/fixed_point.h"
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
// sums S. seen[j] receives the OR of pass j's F limbs.
//
// A T division estimates the quotient from the reciprocal of 2k - 1; the
// estimate is floor(t / (2k - 1)) or, when the division is exact, one less,
// which leaves a remainder equal to the divisor. That remainder is carried
// on as it is: the next limb's quotient takes the difference, and only the
// last limb of a term can end one unit low.
template <bool WithG>
[[gnu::always_inline]] inline void SweepLimbs(std::size_t lo, std::size_t hi, PassLanes& lanes,
                                              double* f, std::uint32_t* g, StoredDoubles* s,
                                              std::array<std::uint64_t, kPasses>& seen) {
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

// The sweep built once for plain x86-64 and once for AVX2; the processor's
// level picks one.
[[gnu::always_inline]] inline void SweepFor(std::size_t lo, std::size_t hi, bool withG,
                                            PassLanes& lanes, double* f, std::uint32_t* g,
                                            StoredDoubles* s,
                                            std::array<std::uint64_t, kPasses>& seen) {
  if (withG)
    SweepLimbs<true>(lo, hi, lanes, f, g, s, seen);
  else
    SweepLimbs<false>(lo, hi, lanes, f, g, s, seen);
}

void SweepBaseline(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
                   std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen) {
  SweepFor(lo, hi, withG, lanes, f, g, s, seen);
}

#if TAKETA_X86_VECTOR_COPIES
[[gnu::target("avx2")]]
void SweepAvx2(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
               std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen) {
  SweepFor(lo, hi, withG, lanes, f, g, s, seen);
}
#endif

void Sweep(std::size_t lo, std::size_t hi, bool withG, PassLanes& lanes, double* f,
           std::uint32_t* g, StoredDoubles* s, std::array<std::uint64_t, kPasses>& seen) {
#if TAKETA_X86_VECTOR_COPIES
  if (CurrentVectorLevel() >= VectorLevel::kAvx2) {
    return SweepAvx2(lo, hi, withG, lanes, f, g, s, seen);
  }
#endif
  SweepBaseline(lo, hi, withG, lanes, f, g, s, seen);
}

class MachinSeries {
 public:
  MachinSeries(int digits, int guardDigits)
      : digits_(digits),
        limbs_(static_cast<std::size_t>((digits - 1 + guardDigits + kLimbDigits - 1) / kLimbDigits)),
        f_(limbs_ + 1),
        g_(limbs_ + 1),
        s_(4 * (limbs_ + 1)) {
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
  // False when stopped.
  bool Run(RunControl& run, bool report) {
    // Five guard places beyond the shown digits: positions through
    // digits + 5, the last of them always 0 after a division, so F counts as
    // gone once it is below one unit of position digits + 4.
    const int shownGone = static_cast<int>(limbs_) * kLimbDigits - (digits_ + 3);
    assert(!report || shownGone >= 0);
    const LimbBound bound = BoundForPowerOfTen(std::max(shownGone, 0), limbs_);
    PassReporter reporter(run, report);
    std::size_t fStart = 0;
    std::size_t gStart = 1;
    for (int k = 2;; k += kPasses) {
      PassLanes lanes;
      for (int j = 0; j < kPasses; ++j) {
        const double m = 2 * (k + j) - 1;
        assert(m < 1 << 20);  // keeps every t of a T division below 2^51
        lanes.m[j / 4][j % 4] = m;
        lanes.inverse[j / 4][j % 4] = 1 / m;
        lanes.sign[j / 4][j % 4] = (k + j) % 2 == 0 ? -1 : 1;
      }
      GroupSeen<kPasses> seen;
      SweepInPieces(fStart, limbs_ + 1, bound, gStart, seen,
                    [&](std::size_t lo, std::size_t hi, auto& part) {
                      Sweep(lo, hi, lo >= gStart, lanes, f_.data(), g_.data(),
                            reinterpret_cast<StoredDoubles*>(s_.data()), part);
                    });
      passes_ += kPasses;
      while (fStart <= limbs_ && f_[fStart] == 0) ++fStart;
      while (gStart <= limbs_ && g_[gStart] == 0) ++gStart;
      if (!reporter.AfterGroup(k, kPasses, [&](int j) { return seen.BelowBound(j, bound); }))
        return false;
      if (fStart > limbs_) return true;  // every later term is 0
    }
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
  int passes_ = 1;
};

}  // namespace

std::optional<std::string> PiDigits(int digits, RunControl& run, int guardDigits) {
  assert(digits >= 2);
  return SumUntilSettled<MachinSeries>(digits, guardDigits, guardDigits >= kGuardDigits, run);
}

}  // namespace taketa::ensyuuritu
