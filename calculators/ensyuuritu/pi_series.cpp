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
// the limbs together, staggered: in step s pass j works on limb s - j, taking
// its F and G limbs from what pass j - 1 produced in the step before, so that
// the sixteen passes of a step do not wait for one another and run in four
// vectors of four. Doubles hold every value involved exactly (below 2^53).
// The sum is kept in partial sums that are carried once at the end, so adding
// a term costs one vector addition per step without a carry running back
// through the number. And the groups of sixteen passes go through the limbs
// one behind the other on two threads.
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

using Doubles = double __attribute__((vector_size(32)));      // four passes side by side
using Lanes = std::int64_t __attribute__((vector_size(32)));  // lane numbers for shuffles
// The same in memory that need not be aligned to 32 bytes.
using StoredDoubles = double __attribute__((vector_size(32), aligned(8)));

constexpr int kVectors = 4;
constexpr int kPasses = 4 * kVectors;  // passes that go through the limbs together
constexpr int kLag = kPasses - 1;      // steps between a limb's first pass and its last
constexpr double kBase = kLimbBase;

// Adding and taking off 1.5 * 2^52 rounds a double below 2^51 in magnitude
// to the nearest integer.
constexpr double kRounder = 6755399441055744.0;

// Each lane of v takes the lane below it; lane 0 takes the top lane of below.
[[gnu::always_inline]] inline Doubles FromBelow(Doubles v, Doubles below) {
#ifdef __clang__
  return __builtin_shufflevector(v, below, 7, 0, 1, 2);
#else
  return __builtin_shuffle(v, below, Lanes{7, 0, 1, 2});
#endif
}

// floor(x / d) for integers 0 <= x < d * 10^9 and d = 25 or 57121:
// x / d - (d - 1) / (2d) lies within 1/2 - 1/(2d) of floor(x / d), and the
// reciprocal and the rounding of the product move it by less than 10^-6.
template <int D>
[[gnu::always_inline]] inline Doubles FloorDivide(Doubles x) {
  constexpr double inverse = 1.0 / D;
  constexpr double half = (D - 1) / 2.0 / D;
  return (x * inverse - half + kRounder) - kRounder;
}

// Where each pass of a group stands: its remainders, the F and G limbs it
// produced in the step before (which the pass after takes up in the next
// step), its divisor, and the largest F limb it produced before the limb of
// the shown precision and at that limb.
struct alignas(32) PassLanes {
  Doubles fRemainder[kVectors], gRemainder[kVectors], tRemainder[kVectors];
  Doubles fOut[kVectors], gOut[kVectors];
  Doubles m[kVectors];  // 2k - 1
  Doubles inverse[kVectors];
  Doubles sign[kVectors];
  Doubles seenBefore[kVectors], seenAt[kVectors];
};

// Which passes of a step may be at the limb of the shown precision, L: in
// step s pass j is at limb s - j, so before step L every pass is before it,
// from step L + kPasses every pass is beyond it.
enum class Stretch { kBefore, kAcross, kBeyond };

// Steps [lo, hi) of a group: F and G are replaced by the group's last F and
// G (pass 15 writes limb s - 15), and the signed terms are added to the
// partial sums: row s of `rows` (four vectors) takes pass j's term of limb
// s - j. f and g are read at limbs lo..hi-1, where they hold 0 from the end
// of the limbs on. firstF and firstG receive the first limb below `end`
// where the group's last F and G are not 0, when not found yet (`end`).
//
// A T division estimates the quotient from the reciprocal of 2k - 1; the
// estimate is floor(t / (2k - 1)) or, when the division is exact, one less,
// which leaves a remainder equal to the divisor. That remainder is carried
// on as it is: the next limb's quotient takes the difference, and only the
// last limb of a term can end one unit low.
template <bool WithG, Stretch Kind>
[[gnu::always_inline]] inline void SweepSteps(std::size_t lo, std::size_t hi, std::size_t end,
                                              std::size_t boundLimb, PassLanes& lanes, double* f,
                                              double* g, StoredDoubles* rows, std::size_t& firstF,
                                              std::size_t& firstG) {
  const Doubles laneOffset[kVectors] = {
      {0, 1, 2, 3}, {4, 5, 6, 7}, {8, 9, 10, 11}, {12, 13, 14, 15}};
  // The lanes in locals for the loop: the stores into f, g and the rows
  // could otherwise be their memory.
  Doubles fRemainder[kVectors], gRemainder[kVectors], tRemainder[kVectors], fOut[kVectors],
      gOut[kVectors], m[kVectors], inverse[kVectors], sign[kVectors], seenBefore[kVectors],
      seenAt[kVectors];
  for (int v = 0; v < kVectors; ++v) {
    fRemainder[v] = lanes.fRemainder[v];
    gRemainder[v] = lanes.gRemainder[v];
    tRemainder[v] = lanes.tRemainder[v];
    fOut[v] = lanes.fOut[v];
    gOut[v] = lanes.gOut[v];
    m[v] = lanes.m[v];
    inverse[v] = lanes.inverse[v];
    sign[v] = lanes.sign[v];
    seenBefore[v] = lanes.seenBefore[v];
    seenAt[v] = lanes.seenAt[v];
  }
  for (std::size_t s = lo; s < hi; ++s) {
    const Doubles fIn = {0, 0, 0, f[s]};
    const Doubles gIn = {0, 0, 0, WithG ? g[s] : 0};
    StoredDoubles* row = rows + kVectors * s;
    // From the top vector down, so that each vector takes the outputs its
    // neighbour below produced in the step before.
#pragma GCC unroll 4
    for (int v = kVectors - 1; v >= 0; --v) {
      const Doubles fx = fRemainder[v] * kBase + FromBelow(fOut[v], v > 0 ? fOut[v - 1] : fIn);
      const Doubles fq = FloorDivide<25>(fx);
      fRemainder[v] = fx - fq * 25.0;
      fOut[v] = fq;
      Doubles gq{};
      if constexpr (WithG) {
        const Doubles gx = gRemainder[v] * kBase + FromBelow(gOut[v], v > 0 ? gOut[v - 1] : gIn);
        gq = FloorDivide<57121>(gx);
        gRemainder[v] = gx - gq * 57121.0;
        gOut[v] = gq;
      }
      const Doubles t = tRemainder[v] * kBase + (fq - gq);
      const Doubles tq = (t * inverse[v] - 0.5 + kRounder) - kRounder;
      tRemainder[v] = t - tq * m[v];
      row[v] += tq * sign[v];
      if constexpr (Kind == Stretch::kBefore) {
        seenBefore[v] = fq > seenBefore[v] ? fq : seenBefore[v];
      } else if constexpr (Kind == Stretch::kAcross) {
        const Doubles limb = static_cast<double>(s) - laneOffset[v];
        const Doubles bound = Doubles{} + static_cast<double>(boundLimb);
        const Doubles zero{};
        const Doubles before = limb < bound ? fq : zero;
        const Doubles at = limb == bound ? fq : zero;
        seenBefore[v] = before > seenBefore[v] ? before : seenBefore[v];
        seenAt[v] = at > seenAt[v] ? at : seenAt[v];
      }
    }
    if (s >= static_cast<std::size_t>(kLag) && s - kLag < end) {
      const std::size_t limb = s - kLag;
      const double fLast = fOut[kVectors - 1][3];
      f[limb] = fLast;
      if (fLast != 0 && firstF == end) firstF = limb;
      if constexpr (WithG) {
        const double gLast = gOut[kVectors - 1][3];
        g[limb] = gLast;
        if (gLast != 0 && firstG == end) firstG = limb;
      }
    }
  }
  for (int v = 0; v < kVectors; ++v) {
    lanes.fRemainder[v] = fRemainder[v];
    lanes.gRemainder[v] = gRemainder[v];
    lanes.tRemainder[v] = tRemainder[v];
    lanes.fOut[v] = fOut[v];
    lanes.gOut[v] = gOut[v];
    lanes.seenBefore[v] = seenBefore[v];
    lanes.seenAt[v] = seenAt[v];
  }
}

struct SweepArguments {
  std::size_t lo, hi, end, boundLimb;
  PassLanes* lanes;
  double* f;
  double* g;
  StoredDoubles* rows;
  std::size_t* firstF;
  std::size_t* firstG;
};

template <bool WithG, Stretch Kind>
[[gnu::always_inline]] inline void SweepWith(const SweepArguments& a) {
  SweepSteps<WithG, Kind>(a.lo, a.hi, a.end, a.boundLimb, *a.lanes, a.f, a.g, a.rows, *a.firstF,
                          *a.firstG);
}

// The sweep built for plain x86-64, for AVX2 and for x86-64-v3 (AVX2 with
// fused multiply-adds: the estimates are rounded once instead of twice and
// stay within the same bounds); the processor's level picks one.
[[gnu::always_inline]] inline void SweepFor(const SweepArguments& a, bool withG, Stretch kind) {
  if (withG) {
    if (kind == Stretch::kBefore) return SweepWith<true, Stretch::kBefore>(a);
    if (kind == Stretch::kAcross) return SweepWith<true, Stretch::kAcross>(a);
    return SweepWith<true, Stretch::kBeyond>(a);
  }
  if (kind == Stretch::kBefore) return SweepWith<false, Stretch::kBefore>(a);
  if (kind == Stretch::kAcross) return SweepWith<false, Stretch::kAcross>(a);
  SweepWith<false, Stretch::kBeyond>(a);
}

void SweepBaseline(const SweepArguments& a, bool withG, Stretch kind) { SweepFor(a, withG, kind); }

#if TAKETA_X86_VECTOR_COPIES
[[gnu::target("avx2")]] void SweepAvx2(const SweepArguments& a, bool withG, Stretch kind) {
  SweepFor(a, withG, kind);
}

[[gnu::target("arch=x86-64-v3")]] void SweepV3(const SweepArguments& a, bool withG, Stretch kind) {
  SweepFor(a, withG, kind);
}

// The same four-lane vectors with the 32 vector registers of AVX-512: every
// lane of the sixteen passes stays in a register.
[[gnu::target("arch=x86-64-v4")]] void SweepV4(const SweepArguments& a, bool withG, Stretch kind) {
  SweepFor(a, withG, kind);
}
#endif

void Sweep(const SweepArguments& a, bool withG, Stretch kind) {
#if TAKETA_X86_VECTOR_COPIES
  const VectorLevel level = CurrentVectorLevel();
  if (level >= VectorLevel::kX86_64V4) return SweepV4(a, withG, kind);
  if (level >= VectorLevel::kX86_64V3) return SweepV3(a, withG, kind);
  if (level >= VectorLevel::kAvx2) return SweepAvx2(a, withG, kind);
#endif
  SweepBaseline(a, withG, kind);
}

// Where a group stands: its passes' lanes, where it starts taking G along,
// and the first limb in which its last F and G are not 0 (where the group
// after next may start).
struct GroupState {
  PassLanes lanes;
  std::size_t gStart = 0;
  std::size_t firstF = 0, firstG = 0;  // the end of the limbs: none
};

class MachinSeries {
 public:
  MachinSeries(int digits, int guardDigits, HelperThread* helper, WavefrontSetting setting)
      : digits_(digits),
        limbs_(
            static_cast<std::size_t>((digits - 1 + guardDigits + kLimbDigits - 1) / kLimbDigits)),
        steps_(limbs_ + 1 + kLag),
        f_(steps_ + 1),
        g_(steps_ + 1),
        rows_(kPasses * (steps_ + 1)),
        helper_(limbs_ + 1 >= setting.fromLimbs ? helper : nullptr),
        chunk_(setting.chunk) {
    // F_1 = 3.2; G_1 = 4 / 239; S = F_1 - G_1, limb i in row i, lane 0.
    f_[0] = 3;
    f_[1] = 200000000;
    std::uint64_t rem = 4;
    for (std::size_t i = 0; i <= limbs_; ++i) {
      g_[i] = static_cast<double>(rem / 239);
      rem = rem % 239 * kLimbBase;
      rows_[kPasses * i] = f_[i] - g_[i];
    }
  }

  // Sums the series until F has no digit left. With `report`, every pass
  // until F has no digit left within five places beyond the shown digits
  // shows k and polls `run`; otherwise `run` is polled once per group.
  // False when stopped. The groups go through the steps one behind the
  // other, on two threads when there is a helper (digits/limb_wavefront.h):
  // a group reads limb s in step s, and the group before writes it in step
  // s + 15. A group starts where the group before the one before left F
  // nonzero, which is never later than where the group before left it, and
  // the limbs before hold 0 and stay 0; it takes G along from where that
  // group left G nonzero.
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
      group.lanes = PassLanes{};
      const int k = firstPass(g);
      for (int j = 0; j < kPasses; ++j) {
        const double m = 2 * (k + j) - 1;
        assert(m < 1 << 20);  // keeps every t of a T division below 2^51
        group.lanes.m[j / 4][j % 4] = m;
        group.lanes.inverse[j / 4][j % 4] = 1 / m;
        group.lanes.sign[j / 4][j % 4] = (k + j) % 2 == 0 ? -1 : 1;
      }
      return fStart;
    };
    const auto sweep = [&](std::uint64_t g, std::size_t lo, std::size_t hi) {
      GroupState& group = groups[g % 4];
      // Cut where G is taken along and where the passes reach the limb of
      // the shown precision.
      std::size_t cuts[] = {lo, std::clamp(group.gStart, lo, hi), std::clamp(bound.limb, lo, hi),
                            std::clamp(bound.limb + kPasses, lo, hi), hi};
      std::sort(std::begin(cuts), std::end(cuts));
      for (std::size_t c = 0; c + 1 < std::size(cuts); ++c) {
        const std::size_t from = cuts[c], to = cuts[c + 1];
        if (from == to) continue;
        const Stretch kind = from < bound.limb             ? Stretch::kBefore
                             : from < bound.limb + kPasses ? Stretch::kAcross
                                                           : Stretch::kBeyond;
        const SweepArguments arguments{
            from,          to,           end,       bound.limb,
            &group.lanes,  f_.data(),    g_.data(), reinterpret_cast<StoredDoubles*>(rows_.data()),
            &group.firstF, &group.firstG};
        Sweep(arguments, from >= group.gStart, kind);
      }
    };
    const auto after = [&](std::uint64_t g) {
      const GroupState& group = groups[g % 4];
      passes_ += kPasses;
      const auto belowShown = [&](int j) {
        const PassLanes& lanes = group.lanes;
        return lanes.seenBefore[j / 4][j % 4] == 0 && lanes.seenAt[j / 4][j % 4] < bound.below;
      };
      if (!reporter.AfterGroup(firstPass(g), kPasses, belowShown)) return GroupOutcome::kStop;
      return group.firstF == end ? GroupOutcome::kDone
                                 : GroupOutcome::kGoOn;  // every later term is 0
    };
    return RunWavefront(helper_, steps_, chunk_, begin, sweep, after, kLag);
  }

  // The shown digits, or nullopt when the guard digits cannot settle them.
  std::optional<std::string> Digits() const {
    std::vector<std::int64_t> sum(limbs_ + 1);
    for (std::size_t i = 0; i <= limbs_; ++i) {
      for (std::size_t j = 0; j < kPasses; ++j) {
        sum[i] += static_cast<std::int64_t>(rows_[kPasses * (i + j) + j]);
      }
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
  std::size_t steps_;      // the steps of a group: every pass through every limb
  std::vector<double> f_;  // with 0 from the end of the limbs on
  std::vector<double> g_;
  std::vector<double> rows_;  // row s: pass j's terms of limb s - j
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
