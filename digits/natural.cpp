#include "digits/natural.h"

#include <algorithm>
#include <cassert>

#include "digits/packed.h"

namespace taketa {
namespace {

constexpr std::uint64_t kBase = Natural::kBase;
constexpr int kLimbDigits = Natural::kLimbDigits;

// Division of a two-limb value by the base with a precomputed reciprocal
// (Möller and Granlund, "Improved division by invariant integers"): the
// base shifted left by 4 has its top bit set.
constexpr std::uint64_t kShiftedBase = kBase << 4;
constexpr std::uint64_t kShiftedBaseInverse =
    static_cast<std::uint64_t>(~UInt128{0} / kShiftedBase - (UInt128{1} << 64));

// x / 10^18 with the remainder in `rem`. Precondition: x < 10^18 * 2^64.
inline std::uint64_t DivideByBase(UInt128 x, std::uint64_t& rem) {
  x <<= 4;
  const auto u1 = static_cast<std::uint64_t>(x >> 64);
  const auto u0 = static_cast<std::uint64_t>(x);
  const UInt128 q = UInt128{kShiftedBaseInverse} * u1 + x;
  std::uint64_t q1 = static_cast<std::uint64_t>(q >> 64) + 1;
  const auto q0 = static_cast<std::uint64_t>(q);
  std::uint64_t r = u0 - q1 * kShiftedBase;
  // The first correction goes either way about as often: without a branch.
  const std::uint64_t over = -static_cast<std::uint64_t>(r > q0);
  q1 += over;
  r += over & kShiftedBase;
  if (r >= kShiftedBase) [[unlikely]] {
    ++q1;
    r -= kShiftedBase;
  }
  rem = r >> 4;
  return q1;
}

// Splits any 128-bit value into x mod 10^18 and x / 10^18.
inline UInt128 SplitByBase(UInt128 x, std::uint64_t& limb) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  const std::uint64_t highQuotient = high / kBase;
  const std::uint64_t low =
      DivideByBase((UInt128{high % kBase} << 64) | static_cast<std::uint64_t>(x), limb);
  return (UInt128{highQuotient} << 64) | low;
}

std::uint64_t PowerOfTen(int k) {
  std::uint64_t p = 1;
  while (k-- > 0) p *= 10;
  return p;
}

}  // namespace

Natural::Natural(std::uint64_t value) {
  while (value != 0) {
    limbs_.push_back(value % kBase);
    value /= kBase;
  }
}

void Natural::Trim() {
  while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
}

Natural Natural::FromDecimal(std::string_view digits) {
  Natural n;
  n.limbs_.reserve(digits.size() / kLimbDigits + 1);
  for (std::size_t end = digits.size(); end > 0;) {
    const std::size_t begin = end > static_cast<std::size_t>(kLimbDigits) ? end - kLimbDigits : 0;
    std::uint64_t limb = 0;
    for (std::size_t i = begin; i < end; ++i) {
      assert(digits[i] >= '0' && digits[i] <= '9');
      limb = limb * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    }
    n.limbs_.push_back(limb);
    end = begin;
  }
  n.Trim();
  return n;
}

Natural Natural::FromDigits(const DigitArray& a, std::size_t first, std::size_t last) {
  std::string text = a.ToText(first, last);
  return FromDecimal(text);
}

std::string Natural::ToDecimal() const {
  if (limbs_.empty()) return "0";
  std::string text = std::to_string(limbs_.back());
  text.reserve(text.size() + (limbs_.size() - 1) * kLimbDigits);
  char group[kLimbDigits];
  for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
    std::uint64_t v = limbs_[i];
    for (int j = kLimbDigits - 1; j >= 0; --j, v /= 10) group[j] = static_cast<char>('0' + v % 10);
    text.append(group, kLimbDigits);
  }
  return text;
}

void Natural::ToDigits(DigitArray& a, std::size_t first, std::size_t last) const {
  assert(first <= last && last < a.size());
  const std::string text = ToDecimal();
  const std::size_t width = last - first + 1;
  assert(IsZero() || text.size() <= width);
  const std::size_t pad = IsZero() ? width : width - text.size();
  for (std::size_t i = 0; i < pad; ++i) a[first + i] = 0;
  if (IsZero()) return;
  for (std::size_t i = 0; i < text.size(); ++i) {
    a[first + pad + i] = static_cast<std::uint8_t>(text[i] - '0');
  }
}

std::size_t Natural::DigitCount() const {
  if (limbs_.empty()) return 1;
  return (limbs_.size() - 1) * kLimbDigits + std::to_string(limbs_.back()).size();
}

std::uint64_t Natural::ToUint64() const {
  assert(limbs_.size() <= 2);
  const UInt128 value = limbs_.empty()       ? 0
                        : limbs_.size() == 1 ? limbs_[0]
                                             : UInt128{limbs_[1]} * kBase + limbs_[0];
  assert(value >> 64 == 0);
  return static_cast<std::uint64_t>(value);
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
  if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() <=> b.limbs_.size();
  for (std::size_t i = a.limbs_.size(); i-- > 0;) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] <=> b.limbs_[i];
  }
  return std::strong_ordering::equal;
}

Natural operator+(const Natural& a, const Natural& b) {
  const Natural& longer = a.limbs_.size() >= b.limbs_.size() ? a : b;
  const Natural& shorter = &longer == &a ? b : a;
  Natural sum;
  sum.limbs_.resize(longer.limbs_.size() + 1);
  std::uint64_t carry = 0;
  for (std::size_t i = 0; i < longer.limbs_.size(); ++i) {
    std::uint64_t s =
        longer.limbs_[i] + carry + (i < shorter.limbs_.size() ? shorter.limbs_[i] : 0);
    carry = s >= kBase;
    sum.limbs_[i] = carry ? s - kBase : s;
  }
  sum.limbs_.back() = carry;
  sum.Trim();
  return sum;
}

Natural operator-(const Natural& a, const Natural& b) {
  assert(a >= b);
  Natural difference = a;
  std::uint64_t borrow = 0;
  for (std::size_t i = 0; i < difference.limbs_.size() && (borrow || i < b.limbs_.size()); ++i) {
    const std::uint64_t sub = borrow + (i < b.limbs_.size() ? b.limbs_[i] : 0);
    std::uint64_t& limb = difference.limbs_[i];
    borrow = limb < sub;
    limb = borrow ? limb + kBase - sub : limb - sub;
  }
  difference.Trim();
  return difference;
}

// Every limb's product is split into its low and high limb on its own, and
// only a carry of 0 or 1 runs from limb to limb, so that the splits of
// neighbouring limbs overlap instead of waiting for one another. For a
// multiplier below 2^40 the high limb comes from a floating-point estimate
// that is at most one off, and the low limb from the product's low 64 bits.
Natural operator*(const Natural& a, std::uint64_t m) {
  assert(m < kBase);
  Natural product;
  if (m == 0 || a.IsZero()) return product;
  const std::size_t n = a.limbs_.size();
  product.limbs_.resize(n + 1);
  std::uint64_t high = 0, carry = 0;
  const bool small = m < (std::uint64_t{1} << 40);
  const double scale = static_cast<double>(m) / static_cast<double>(kBase);
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t x = a.limbs_[i];
    std::uint64_t low, nextHigh;
    if (small) {
      nextHigh =
          static_cast<std::uint64_t>(static_cast<double>(static_cast<std::int64_t>(x)) * scale);
      auto rest = static_cast<std::int64_t>(x * m - nextHigh * kBase);  // in (-10^18, 2 * 10^18)
      const std::int64_t below = rest >> 63;
      nextHigh += below;
      rest += below & static_cast<std::int64_t>(kBase);
      const std::int64_t above =
          -static_cast<std::int64_t>(rest >= static_cast<std::int64_t>(kBase));
      nextHigh -= above;
      rest -= above & static_cast<std::int64_t>(kBase);
      low = static_cast<std::uint64_t>(rest);
    } else {
      nextHigh = DivideByBase(UInt128{x} * m, low);
    }
    const std::uint64_t sum = low + high + carry;  // below 2 * 10^18
    carry = sum >= kBase;
    product.limbs_[i] = carry ? sum - kBase : sum;
    high = nextHigh;
  }
  product.limbs_[n] = high + carry;
  product.Trim();
  return product;
}

Natural& Natural::operator*=(std::uint64_t m) { return *this = *this * m; }

// Column by column: the products of a column are added into a 128-bit sum
// (a third word counts the overflows when the shorter factor has more than
// 300 limbs) and every column is split into its low limb and its high part
// on its own; a second pass adds each high part to the next column's low
// limb, with a small carry running from column to column.
Natural operator*(const Natural& a, const Natural& b) {
  Natural product;
  if (a.IsZero() || b.IsZero()) return product;
  const std::vector<std::uint64_t>& x = a.limbs_.size() >= b.limbs_.size() ? a.limbs_ : b.limbs_;
  const std::vector<std::uint64_t>& y = &x == &a.limbs_ ? b.limbs_ : a.limbs_;
  const std::size_t nx = x.size(), ny = y.size();
  if (ny == 1) return a.limbs_.size() >= b.limbs_.size() ? a * y[0] : b * y[0];
  std::vector<std::uint64_t>& low = product.limbs_;
  low.resize(nx + ny);
  std::vector<UInt128> high(nx + ny);
  for (std::size_t k = 0; k + 1 < nx + ny; ++k) {
    const std::size_t lo = k + 1 >= ny ? k + 1 - ny : 0;
    const std::size_t hi = std::min(k, nx - 1);
    UInt128 sum = 0;
    std::uint64_t overflow = 0;
    if (ny <= 300) {  // 300 products of two limbs stay below 2^128
      for (std::size_t i = lo; i <= hi; ++i) sum += UInt128{x[i]} * y[k - i];
    } else {
      for (std::size_t i = lo; i <= hi; ++i) {
        const UInt128 p = UInt128{x[i]} * y[k - i];
        sum += p;
        overflow += sum < p;
      }
    }
    if (overflow == 0) {
      high[k] = SplitByBase(sum, low[k]);
    } else {
      // (overflow * 2^128 + sum) / 10^18 stays below 2^128.
      assert(overflow < kBase);
      std::uint64_t r;
      const std::uint64_t q1 =
          DivideByBase((UInt128{overflow} << 64) | static_cast<std::uint64_t>(sum >> 64), r);
      const std::uint64_t q0 =
          DivideByBase((UInt128{r} << 64) | static_cast<std::uint64_t>(sum), low[k]);
      high[k] = (UInt128{q1} << 64) | q0;
    }
  }
  UInt128 carry = 0;
  for (std::size_t k = 1; k < nx + ny; ++k) {
    const UInt128 sum = UInt128{low[k]} + high[k - 1] + carry;
    if (sum >> 64 == 0) {
      const auto s = static_cast<std::uint64_t>(sum);
      carry = s / kBase;
      low[k] = s % kBase;
    } else {
      carry = SplitByBase(sum, low[k]);
    }
  }
  assert(carry == 0);
  product.Trim();
  return product;
}

std::uint64_t Natural::DivideSmall(std::uint64_t d) {
  assert(d >= 1 && d < kBase);
  UInt128 rem = 0;
  for (std::size_t i = limbs_.size(); i-- > 0;) {
    const UInt128 x = rem * kBase + limbs_[i];
    limbs_[i] = static_cast<std::uint64_t>(x / d);
    rem = x % d;
  }
  Trim();
  return static_cast<std::uint64_t>(rem);
}

Natural Natural::ShiftedUp(std::size_t k) const {
  if (IsZero()) return {};
  Natural shifted = *this * PowerOfTen(static_cast<int>(k % kLimbDigits));
  shifted.limbs_.insert(shifted.limbs_.begin(), k / kLimbDigits, 0);
  return shifted;
}

Natural Natural::ShiftedDown(std::size_t k) const {
  if (k / kLimbDigits >= limbs_.size()) return {};
  Natural shifted;
  shifted.limbs_.assign(limbs_.begin() + static_cast<std::ptrdiff_t>(k / kLimbDigits),
                        limbs_.end());
  shifted.DivideSmall(PowerOfTen(static_cast<int>(k % kLimbDigits)));
  return shifted;
}

// Knuth's algorithm D in base 10^18. Both numbers are first multiplied by f
// so that the divisor's top limb is at least half the base; each quotient
// limb is then estimated from the top two limbs of the partial remainder and
// the divisor's top limb, corrected with the divisor's second limb (so that
// it is at most one too large), and settled by one multiply-subtract.
void DivMod(const Natural& a, const Natural& b, Natural& q, Natural& r) {
  assert(!b.IsZero() && &q != &a && &q != &b && &r != &a && &r != &b);
  if (a < b) {
    r = a;
    q = Natural();
    return;
  }
  if (b.limbs_.size() == 1) {
    q = a;
    r = Natural(q.DivideSmall(b.limbs_[0]));
    return;
  }
  const std::size_t n = b.limbs_.size();
  const std::size_t m = a.limbs_.size() - n;
  const std::uint64_t f = kBase / (b.limbs_.back() + 1);
  const Natural vn = b * f;
  std::vector<std::uint64_t> u = (a * f).limbs_;
  u.resize(a.limbs_.size() + 1, 0);
  const std::vector<std::uint64_t>& v = vn.limbs_;
  assert(v.size() == n && v[n - 1] >= kBase / 2);

  q.limbs_.assign(m + 1, 0);
  for (std::size_t j = m + 1; j-- > 0;) {
    const UInt128 top = UInt128{u[j + n]} * kBase + u[j + n - 1];
    UInt128 qhat = top / v[n - 1];
    UInt128 rhat = top - qhat * v[n - 1];
    while (qhat >= kBase || qhat * v[n - 2] > rhat * kBase + u[j + n - 2]) {
      --qhat;
      rhat += v[n - 1];
      if (rhat >= kBase) break;
    }
    // u[j..j+n] -= qhat * v
    std::uint64_t carry = 0, borrow = 0;
    for (std::size_t i = 0; i < n; ++i) {
      std::uint64_t low;
      carry = DivideByBase(qhat * v[i] + carry, low);
      const std::uint64_t sub = low + borrow;
      std::uint64_t& limb = u[i + j];
      borrow = limb < sub;
      limb = borrow ? limb + kBase - sub : limb - sub;
    }
    const std::uint64_t sub = carry + borrow;
    if (u[j + n] >= sub) {
      u[j + n] -= sub;
    } else {
      // qhat was one too large: add the divisor back.
      --qhat;
      std::uint64_t c = 0;
      for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t s = u[i + j] + v[i] + c;
        c = s >= kBase;
        u[i + j] = c ? s - kBase : s;
      }
      u[j + n] = u[j + n] + c - sub;  // the borrow out of the top cancels
    }
    q.limbs_[j] = static_cast<std::uint64_t>(qhat);
  }
  q.Trim();
  r.limbs_.assign(u.begin(), u.begin() + static_cast<std::ptrdiff_t>(n));
  r.Trim();
  r.DivideSmall(f);
}

namespace {

// Newton's step x <- (x + a / x) / 2 falls towards floor(sqrt(a)) from any
// start above it and stops falling there.
Natural SettleRoot(const Natural& a, Natural x) {
  for (;;) {
    Natural quotient, remainder;
    DivMod(a, x, quotient, remainder);
    Natural next = x + quotient;
    next.DivideSmall(2);
    if (next >= x) return x;
    x = std::move(next);
  }
}

}  // namespace

// Short numbers start from a power of ten above the root. Longer ones start
// from the root of their leading half of digits: a = high * 10^(2k) + low
// with high keeping a little more than half the digits, so sqrt(high) * 10^k
// is within 10^k of the root, which is itself above 10^k, and one Newton
// step comes within about one unit; two or three divisions of full length
// settle it.
Natural Sqrt(const Natural& a) {
  if (a.IsZero()) return {};
  const std::size_t digits = a.DigitCount();
  if (digits <= 72) return SettleRoot(a, Natural(1).ShiftedUp((digits + 1) / 2));
  const std::size_t k = digits / 4;
  return SettleRoot(a, (Sqrt(a.ShiftedDown(2 * k)) + Natural(1)).ShiftedUp(k));
}

Natural Power(const Natural& base, std::uint64_t e) {
  Natural result(1), square = base;
  for (; e != 0; e >>= 1) {
    if (e & 1) result = result * square;
    if (e > 1) square = square * square;
  }
  return result;
}

}  // namespace taketa
