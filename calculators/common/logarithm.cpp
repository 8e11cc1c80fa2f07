#include "calculators/common/logarithm.h"

#include <cassert>
#include <initializer_list>

#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"
#include "digits/decimal_text_division.h"
#include "digits/digit_array.h"

namespace taketa {

InputCheck CheckLogarithmInput(std::string_view edit1) {
  constexpr DecimalInputRules kRules{.maxDigits = 20,
                                     .lengthMessage = kLogarithmInputMessage,
                                     .pointLengthMessage = kLogarithmLengthMessage,
                                     .rangeMessage = kLogarithmInputMessage,
                                     .leadingPointCountsZero = true};
  return CheckPositiveDecimal(edit1, kRules, 0);
}

namespace {

const Natural kOne(1);

constexpr int kGuardDecimals = 20;  // decimals kept beyond the precision
// Above this precision ln 10 no longer fits the divisor of DivideDecimalText
// (201 digits): the quotients are taken on Natural directly.
constexpr int kLargestKernelPrecision = 200;

// A decimal text as an integer and its number of decimals.
struct ScaledNumber {
  Natural value;
  long places = 0;
};

ScaledNumber ParseDecimal(std::string_view text) {
  const DecimalDigits split = SplitDecimal(text);
  return {Natural::FromDecimal(split.digits), static_cast<long>(split.decimals)};
}

// a / b by DivideDecimalText with `digits` quotient digits, as bounds at
// scale 10^-decimals: the quotient when the division ended because nothing
// remained (0.5 for 2 / 4), otherwise [quotient, quotient + one unit of its
// last digit).
DecimalBounds QuotientBounds(std::string_view a, std::string_view b, int digits, int decimals) {
  const std::string quotient = DivideDecimalText(a, b, digits);
  const ScaledNumber q = ParseDecimal(quotient), x = ParseDecimal(a), y = ParseDecimal(b);
  // q = a / b exactly when q × b × 10^places(a) = a × 10^(places(q) + places(b)).
  if ((q.value * y.value).ShiftedUp(static_cast<std::size_t>(x.places)) ==
          x.value.ShiftedUp(static_cast<std::size_t>(q.places + y.places)) &&
      q.places <= decimals) {
    return DecimalBounds::Exact(q.value.ShiftedUp(static_cast<std::size_t>(decimals - q.places)),
                                -decimals);
  }
  return TruncatedTextBounds(quotient, decimals);
}

// `value` × 10^-decimals as "I.ddd".
std::string ScaledText(const Natural& value, int decimals) {
  return *TruncatedDecimals(DecimalBounds::Exact(value, -decimals), decimals);
}

Natural Unit(int decimals) { return kOne.ShiftedUp(static_cast<std::size_t>(decimals)); }

// atanh(1/q) = 1/q + 1/(3q³) + 1/(5q⁵) + … to `decimals` decimals, q >= 3:
// a lower bound summed with every step cut down, an upper bound with every
// step rounded up and the terms past the lower bound's last bounded by twice
// the first of them (their ratio is at most 1/9).
DecimalBounds InverseAtanh(std::uint64_t q, int decimals) {
  const Natural one = Unit(decimals);
  const std::uint64_t q2 = q * q;
  Natural power = one, sum;
  power.DivideSmall(q);
  int terms = 0;
  for (;; ++terms) {
    Natural term = power;
    term.DivideSmall(2 * static_cast<std::uint64_t>(terms) + 1);
    if (term.IsZero()) break;
    sum += term;
    power.DivideSmall(q2);
  }
  Natural upperPower = one, upper;
  upperPower.DivideSmall(q);
  upperPower += kOne;
  for (int j = 0; j < terms; ++j) {
    Natural term = upperPower;
    term.DivideSmall(2 * static_cast<std::uint64_t>(j) + 1);
    upper += term + kOne;
    upperPower.DivideSmall(q2);
    upperPower += kOne;
  }
  upper += upperPower * 2;
  return DecimalBounds::Between(std::move(sum), upper, -decimals);
}

// S = 1 + y²/3 + y⁴/5 + … for y in [ylo, yabove) at scale 10^-decimals.
// The lower bound sums with y = ylo and every step cut down until a term is
// 0; the upper bound with y = yabove, every step rounded up, and the rest of
// the series bounded by the last power of y² over (1 - y²).
DecimalBounds OddPowerSeries(const Natural& ylo, const Natural& yabove, int decimals) {
  const Natural one = Unit(decimals);
  const std::size_t shift = static_cast<std::size_t>(decimals);
  const Natural z = (ylo * ylo).ShiftedDown(shift);
  Natural power = one, sum;
  int terms = 0;
  for (;; ++terms) {
    Natural term = power;
    term.DivideSmall(2 * static_cast<std::uint64_t>(terms) + 1);
    if (term.IsZero()) break;
    sum += term;
    power = (power * z).ShiftedDown(shift);
  }
  const Natural zUpper = (yabove * yabove).ShiftedDown(shift) + kOne;
  assert(zUpper < one);
  Natural upperPower = one, upper;
  for (int j = 0; j < terms; ++j) {
    Natural term = upperPower;
    term.DivideSmall(2 * static_cast<std::uint64_t>(j) + 1);
    upper += term + kOne;
    upperPower = (upperPower * zUpper).ShiftedDown(shift) + kOne;
  }
  Natural tail, rest;
  DivMod(upperPower * one, one - zUpper, tail, rest);
  upper += tail + kOne;
  return DecimalBounds::Between(std::move(sum), upper, -decimals);
}

}  // namespace

ReducedNumber Reduce(std::string_view text) {
  ReducedNumber x;
  x.normalised = NormalisedDecimal(text);
  const std::string& t = x.normalised;
  const std::size_t point = t.find('.');
  std::string digits;  // d's digits
  if (point == std::string::npos) {
    digits = t;
    x.k = static_cast<int>(t.size()) - 1;
    x.comparedWithOne = t == "1" ? 0 : 1;
  } else if (t[0] != '0') {
    digits = Concat({std::string_view(t).substr(0, point), std::string_view(t).substr(point + 1)});
    x.k = static_cast<int>(point) - 1;
    x.comparedWithOne = 1;
  } else {
    const std::size_t j = t.find_first_not_of("0.");
    digits = t.substr(j);
    x.k = static_cast<int>(j) - 1;  // the position of that digit, from 1, less 2
    x.comparedWithOne = -1;
  }
  x.mantissa =
      Concat({std::string_view(digits).substr(0, 1), ".", std::string_view(digits).substr(1)});
  x.mantissaIsOne = digits[0] == '1' && digits.find_first_not_of('0', 1) == std::string::npos;
  return x;
}

DecimalBounds Ln10Bounds(int decimals) {
  // ln 10 = 3 ln 2 + ln 1.25 = 6 atanh(1/3) + 2 atanh(1/9).
  const DecimalBounds a3 = InverseAtanh(3, decimals), a9 = InverseAtanh(9, decimals);
  return DecimalBounds::Between(a3.lo * 6 + a9.lo * 2, a3.hi * 6 + a9.hi * 2, -decimals);
}

LogarithmPipeline::LogarithmPipeline(const ReducedNumber& x, int precision)
    : decimals_(precision + kGuardDecimals), ln10_(Ln10Bounds(decimals_)) {
  assert(x.comparedWithOne != 0);
  const Natural k(static_cast<std::uint64_t>(x.k));
  if (x.mantissaIsOne) {
    commonLog_ = DecimalBounds::Exact(k);
    return;
  }
  const int w = decimals_;
  const Natural one = Unit(w);
  const bool kernel = precision <= kLargestKernelPrecision;

  // d - 1 and d + 1: d and the unit 1.000… have their points after the
  // first digit, so the digit strings line up.
  std::string dDigits = x.mantissa;
  dDigits.erase(1, 1);
  const int n = static_cast<int>(dDigits.size());
  const DigitArray d = DigitArray::FromText(dDigits);
  const DigitArray unit = DigitArray::FromText(Concat({"1", std::string(dDigits.size() - 1, '0')}));
  DigitArray minusOne(d.size()), plusOne(d.size());
  SubtractDigits(d, unit, minusOne, n);
  AddDigits(d, unit, plusOne, n);
  const std::string belowText = minusOne.ToText(1, n), aboveText = plusOne.ToText(0, n);
  const std::string_view below(belowText), above(aboveText);

  // y = (d - 1) / (d + 1).
  DecimalBounds y;
  if (kernel) {
    const std::string dMinusOne = Concat({below.substr(0, 1), ".", below.substr(1)});
    const std::string dPlusOne = above[0] == '1'
                                     ? Concat({above.substr(0, 2), ".", above.substr(2)})
                                     : Concat({above.substr(1, 1), ".", above.substr(2)});
    y = QuotientBounds(dMinusOne, dPlusOne, precision, w);
  } else {
    Natural q, r;
    DivMod(Natural::FromDecimal(below) * one, Natural::FromDecimal(above), q, r);
    y = DecimalBounds::Between(q, q, -w);
  }

  // ln d = 2y × S.
  const Natural yAbove = y.exact ? y.lo : y.hi + kOne;
  const DecimalBounds s = OddPowerSeries(y.lo, yAbove, w);
  const auto shift = static_cast<std::size_t>(w);
  const DecimalBounds lnD = DecimalBounds::Between((y.lo * s.lo * 2).ShiftedDown(shift),
                                                   (yAbove * s.hi * 2).ShiftedDown(shift), -w);

  // log10 d = ln d / ln 10: the lower bound over ln 10's upper bound, the
  // upper bound over its lower bound.
  const Natural lnDAbove = lnD.hi + kOne, ln10Above = ln10_.hi + kOne;
  Natural log10Lo, log10Hi;
  if (kernel) {
    const auto cut = static_cast<std::size_t>(w - precision);
    const std::string ln10Upper = ScaledText(ln10_.hi.ShiftedDown(cut) + kOne, precision);
    const std::string ln10Lower = ScaledText(ln10_.lo.ShiftedDown(cut), precision);
    log10Lo = QuotientBounds(ScaledText(lnD.lo, w), ln10Upper, precision, w).lo;
    log10Hi = QuotientBounds(ScaledText(lnDAbove, w), ln10Lower, precision, w).hi;
  } else {
    Natural r;
    DivMod(lnD.lo * one, ln10Above, log10Lo, r);
    DivMod(lnDAbove * one, ln10_.lo, log10Hi, r);
  }

  // k ± log10 d.
  const Natural kScaled = k * one;
  if (x.comparedWithOne > 0) {
    commonLog_ = DecimalBounds::Between(kScaled + log10Lo, kScaled + log10Hi, -w);
  } else {
    // 0 < log10 d < 1 <= k, so the bounds stay positive; 0 is still a lower
    // bound should they be too wide for that.
    const Natural log10Above = log10Hi + kOne;
    commonLog_ = DecimalBounds::Between(kScaled > log10Above ? kScaled - log10Above : Natural(),
                                        kScaled - log10Lo, -w);
  }
}

DecimalBounds LogarithmPipeline::NaturalLog() const {
  return AtExponent(commonLog_ * ln10_, -decimals_);
}

}  // namespace taketa
