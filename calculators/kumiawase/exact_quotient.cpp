#include "calculators/kumiawase/exact_quotient.h"

#include <algorithm>
#include <cassert>
#include <cstddef>

namespace taketa::kumiawase {
namespace {

constexpr std::uint64_t kBase = 1000000000000000000ULL;  // 10^18
constexpr int kLimbDigits = 18;

std::size_t DecimalDigits(std::span<const std::uint64_t> limbs) {
  std::size_t digits = (limbs.size() - 1) * kLimbDigits;
  for (std::uint64_t top = limbs.back(); top != 0; top /= 10) ++digits;
  return digits;
}

std::uint64_t PowerOfTen(int k) {
  std::uint64_t p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

// limbs x 10^s for 0 <= s < 18: each limb splits into its top s digits,
// which move up into the next limb, and the rest, which moves up s places.
std::vector<std::uint64_t> ShiftedUp(std::span<const std::uint64_t> limbs, int s) {
  std::vector<std::uint64_t> shifted(limbs.size() + 1);
  const std::uint64_t up = PowerOfTen(s), split = PowerOfTen(kLimbDigits - s);
  std::uint64_t moving = 0;
  for (std::size_t j = 0; j < limbs.size(); ++j) {
    shifted[j] = limbs[j] % split * up + moving;
    moving = limbs[j] / split;
  }
  shifted.back() = moving;
  if (shifted.back() == 0) shifted.pop_back();
  return shifted;
}

// floor(limbs / 10^u), without zero limbs on top (at least one limb).
std::vector<std::uint64_t> ShiftedDown(std::span<const std::uint64_t> limbs, std::size_t u) {
  const std::size_t drop = u / kLimbDigits;
  const int s = static_cast<int>(u % kLimbDigits);
  std::vector<std::uint64_t> shifted(
      limbs.begin() + static_cast<std::ptrdiff_t>(std::min(drop, limbs.size())), limbs.end());
  if (s > 0) {
    const std::uint64_t down = PowerOfTen(s), up = PowerOfTen(kLimbDigits - s);
    for (std::size_t j = 0; j < shifted.size(); ++j) {
      shifted[j] = shifted[j] / down + (j + 1 < shifted.size() ? shifted[j + 1] % down * up : 0);
    }
  }
  while (shifted.size() > 1 && shifted.back() == 0) shifted.pop_back();
  if (shifted.empty()) shifted.push_back(0);
  return shifted;
}

}  // namespace

// Only the leading digits of both numbers take part. With N = Q D exactly,
// N = Nh 10^u + Nl and D = Dh 10^u + Dl (0 <= Nl, Dl < 10^u):
// Nh - Q Dh = (Q Dl - Nl) / 10^u lies above -1 and below Q, and being an
// integer it lies in 0..Q-1. So when Dh > Q, Q = floor(Nh / Dh): the long
// division of Nh by Dh gives the same digits in the same number of passes
// (Nh and Dh have u digits fewer each). Dh keeps one digit more than the
// quotient can have, which makes it larger than Q; the rest of D is
// dropped, and with it most of the work of every pass.
ExactQuotient::ExactQuotient(std::span<const std::uint64_t> numerator,
                             std::span<const std::uint64_t> denominator) {
  assert(!numerator.empty() && !denominator.empty() && denominator.back() != 0);
  const std::size_t lenN = DecimalDigits(numerator), lenD = DecimalDigits(denominator);
  assert(lenN >= lenD);
  digitCount_ = lenN - lenD + 1;
  const std::size_t u = lenD > digitCount_ + 1 ? lenD - (digitCount_ + 1) : 0;
  const std::vector<std::uint64_t> top = ShiftedDown(denominator, u);
  remainder_ = ShiftedDown(numerator, u);
  assert(DecimalDigits(remainder_) - DecimalDigits(top) + 1 == digitCount_);
  remainder_.push_back(0);
  for (int s = 0; s < kLimbDigits; ++s) shifted_[s] = ShiftedUp(top, s);
}

// Before the pass for 10^e the remainder is below 10 x denominator x 10^e
// (at the first pass because the numerator has lenD + e digits, later
// because the pass before left less than denominator x 10^(e+1)). The
// digit is floor(remainder / (denominator x 10^e)); with e = 18 o + s that
// is the remainder's limbs from o up divided by the shifted copy s, whose
// top limb index t puts the remainder's top at o + t + 1 at most.
int ExactQuotient::NextDigit() {
  assert(produced_ < digitCount_);
  const std::size_t e = digitCount_ - 1 - produced_;
  const std::size_t o = e / kLimbDigits;
  const std::vector<std::uint64_t>& divisor = shifted_[e % kLimbDigits];
  const std::size_t t = divisor.size() - 1;
  assert(o + t + 1 < remainder_.size());

  // Three leading limbs of the remainder over two of the divisor, both at
  // the scale of limb o + t - 1. Dropping the remainder's lower limbs and
  // rounding the divisor's up make the ratio a lower bound; the margin
  // covers the rounding of the doubles (relative 2^-50 at most, the ratio
  // being below 10).
  const auto limb = [&](std::size_t k) { return static_cast<double>(remainder_[k]); };
  double x = limb(o + t + 1) * 1e36 + limb(o + t) * 1e18;
  if (o + t >= 1) x += limb(o + t - 1);
  double y = static_cast<double>(divisor[t]) * 1e18;
  if (t >= 1) y += static_cast<double>(divisor[t - 1]) + 1;
  const double ratio = x / y - 1e-9;
  std::uint64_t digit =
      ratio <= 0 ? 0 : std::min<std::uint64_t>(static_cast<std::uint64_t>(ratio), 9);

  if (digit != 0) Subtract(o, divisor, digit);
  if (AtLeast(o, divisor)) {  // the estimate was one short
    Subtract(o, divisor, 1);
    ++digit;
  }
  assert(digit <= 9 && !AtLeast(o, divisor));
  ++produced_;
  return static_cast<int>(digit);
}

bool ExactQuotient::AtLeast(std::size_t offset, std::span<const std::uint64_t> divisor) const {
  const std::uint64_t* r = remainder_.data() + offset;
  if (r[divisor.size()] != 0) return true;
  for (std::size_t k = divisor.size(); k-- > 0;) {
    if (r[k] != divisor[k]) return r[k] > divisor[k];
  }
  return true;
}

// Each product digit x limb (below 9 x 10^18) splits into its high part
// (0..8) and its low limb; the low limb and the borrow come off the
// remainder's limb, and the high part goes into the borrow of the next.
void ExactQuotient::Subtract(std::size_t offset, std::span<const std::uint64_t> divisor,
                             std::uint64_t digit) {
  std::uint64_t* r = remainder_.data() + offset;
  std::uint64_t borrow = 0;  // at most 10
  for (std::size_t j = 0; j < divisor.size(); ++j) {
    const std::uint64_t product = digit * divisor[j];
    const std::uint64_t high = product / kBase;
    const std::uint64_t low = product - high * kBase;
    auto x = static_cast<std::int64_t>(r[j] - low - borrow);          // above -10^18 - 10
    const std::uint64_t under = static_cast<std::uint64_t>(x >> 63);  // all ones when below 0
    x += static_cast<std::int64_t>(under & kBase);
    borrow = high - under;  // high + 1 when below 0
    if (x < 0) [[unlikely]] {
      x += static_cast<std::int64_t>(kBase);
      ++borrow;
    }
    r[j] = static_cast<std::uint64_t>(x);
  }
  assert(r[divisor.size()] >= borrow);
  r[divisor.size()] -= borrow;
}

}  // namespace taketa::kumiawase
