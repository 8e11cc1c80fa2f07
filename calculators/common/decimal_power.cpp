#include "calculators/common/decimal_power.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <initializer_list>
#include <string_view>
#include <type_traits>

#include "calculators/common/decimal_text.h"
#include "calculators/common/text.h"
#include "digits/packed.h"

namespace taketa {
namespace {

const Natural kOne(1);

// ----- exact arithmetic on numbers below 2^128 -------------------------------

UInt128 Gcd(UInt128 a, UInt128 b) {
  while (b != 0) {
    const UInt128 t = a % b;
    a = b;
    b = t;
  }
  return a;
}

UInt128 PowerOfTen128(int e) {
  UInt128 p = 1;
  while (e-- > 0) p *= 10;
  return p;
}

UInt128 FromText128(std::string_view digits) {
  UInt128 v = 0;
  for (char c : digits) v = v * 10 + static_cast<unsigned>(c - '0');
  return v;
}

std::string ToText128(UInt128 v) {
  if (v == 0) return "0";
  std::string text;
  for (; v != 0; v /= 10)
    text.insert(text.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
  return text;
}

// b^e, or cap + 1 when that is larger than cap.
UInt128 PowerCapped(UInt128 b, int e, UInt128 cap) {
  UInt128 result = 1;
  for (int i = 0; i < e; ++i) {
    if (b != 0 && result > cap / b) return cap + 1;
    result *= b;
  }
  return result;
}

// r with r^q = n, when there is one.
std::optional<UInt128> ExactRoot(UInt128 n, int q) {
  if (n < 2) return n;
  auto r = static_cast<UInt128>(std::floor(std::pow(static_cast<long double>(n), 1.0L / q)));
  while (r > 0 && PowerCapped(r, q, n) > n) --r;
  while (PowerCapped(r + 1, q, n) <= n) ++r;
  if (PowerCapped(r, q, n) != n) return std::nullopt;
  return r;
}

// ----- exp -----------------------------------------------------------------

// exp(u) for u in [0, ln 10) given at scale 10^-decimals: the lower bound
// sums 1 + u + u²/2! + … with every step cut down until a term is 0; the
// upper bound takes u's upper bound, rounds every step up, sums at least
// the terms up to u⁴/4!, and bounds the rest of the series by the last term
// summed (each later term is at most half the one before, since the index
// then passes 2u).
DecimalBounds Exp(const DecimalBounds& u, int decimals) {
  const std::size_t shift = static_cast<std::size_t>(decimals);
  const Natural one = kOne.ShiftedUp(shift);
  Natural term = one, sum = one;
  int terms = 0;
  for (int j = 1;; ++j) {
    term = (term * u.lo).ShiftedDown(shift);
    term.DivideSmall(static_cast<std::uint64_t>(j));
    if (term.IsZero()) break;
    sum += term;
    terms = j;
  }
  const Natural uAbove = u.exact ? u.lo : u.hi + kOne;
  Natural upperTerm = one, upper = one;
  for (int j = 1; j <= std::max(terms, 4); ++j) {
    upperTerm = (upperTerm * uAbove).ShiftedDown(shift) + kOne;
    upperTerm.DivideSmall(static_cast<std::uint64_t>(j));
    upperTerm += kOne;
    upper += upperTerm;
  }
  upper += upperTerm + kOne;
  return DecimalBounds::Between(std::move(sum), upper, -decimals);
}

// Bounds at scale 10^-decimals (an exact value at exponent 0 is scaled up).
DecimalBounds AtScale(const DecimalBounds& v, int decimals) {
  if (v.exponent == -decimals) return v;
  assert(v.exact && v.exponent > -decimals);
  return DecimalBounds::Exact(v.lo.ShiftedUp(static_cast<std::size_t>(v.exponent + decimals)),
                              -decimals);
}

// A^f = 10^(f × log10 A) at working precision `precision`; nullopt when the
// bounds on f × log10 A do not settle its integer part.
std::optional<DecimalBounds> FractionPowerByLogarithm(const PowerInput& input, int precision) {
  const LogarithmPipeline pipeline(input.base, precision);
  const int w = pipeline.decimals();
  const Natural one = kOne.ShiftedUp(static_cast<std::size_t>(w));
  const DecimalBounds f = DecimalBounds::Exact(Natural::FromDecimal(input.fraction),
                                               -static_cast<long>(input.fraction.size()));
  // f × |log10 A| lies in [lo, above).
  const DecimalBounds magnitude = AtExponent(f * AtScale(pipeline.CommonLog(), w), -w);
  const Natural& lo = magnitude.lo;
  const Natural above = magnitude.exact ? magnitude.lo : magnitude.hi + kOne;

  // f × log10 A = n + g with n an integer and 0 <= g < 1.
  long n = 0;
  DecimalBounds g;
  Natural whole, rest;
  if (input.base.comparedWithOne > 0) {
    DivMod(lo, one, whole, rest);
    const Natural next = (whole + kOne) * one;
    if (above > next) return std::nullopt;
    n = static_cast<long>(whole.ToUint64());
    const Natural base = whole * one;
    g = magnitude.exact ? DecimalBounds::Exact(lo - base, -w)
                        : DecimalBounds::Between(lo - base, magnitude.hi - base, -w);
  } else {
    // -(f × |log10 A|): n = -c with c the ceiling.
    DivMod(lo, one, whole, rest);
    const Natural c = rest.IsZero() ? whole : whole + kOne;
    const Natural top = c * one;
    if (above > top) return std::nullopt;
    n = -static_cast<long>(c.ToUint64());
    g = magnitude.exact ? DecimalBounds::Exact(top - lo, -w)
                        : DecimalBounds::Between(top - above, top - lo, -w);
  }
  const DecimalBounds u = AtExponent(g * pipeline.Ln10(), -w);
  DecimalBounds power = Exp(u, w);
  power.exponent += n;
  return power;
}

// ----- texts -----------------------------------------------------------------

std::string ExponentText(long e) {
  return Concat({e >= 0 ? "E" : "E-", std::to_string(e >= 0 ? e : -e)});
}

// The first `count` digits as a mantissa: one digit, ".", the others.
std::string Mantissa(const std::string& digits, std::size_t count) {
  std::string text = digits.substr(0, 1);
  text += '.';
  text.append(digits, 1, count - 1);
  return text;
}

// The value's decimal expansion cut to 51 characters: at or above 1 its
// integer digits, "." and decimals to 50 digits in all; below 1 "0." and 49
// decimals.
std::optional<std::string> Plain51(const DecimalBounds& v) {
  const std::optional<LeadingDigits> first = Leading(v, 1);
  if (!first) return std::nullopt;
  const long e = first->exponent10;
  if (e < -49) return Concat({"0.", std::string(49, '0')});
  const auto count = static_cast<std::size_t>(e >= 0 ? 50 : 50 + e);
  const std::optional<LeadingDigits> lead = Leading(v, count);
  if (!lead) return std::nullopt;
  if (e >= 0) {
    const auto whole = static_cast<std::size_t>(e + 1);
    const std::string_view digits(lead->digits);
    return Concat({digits.substr(0, whole), ".", digits.substr(whole)});
  }
  return Concat({"0.", std::string(static_cast<std::size_t>(-e - 1), '0'), lead->digits});
}

// The shown text of A^B from bounds on A^|B|; nullopt when the bounds do
// not settle it.
std::optional<std::string> Format(const PowerInput& input, const DecimalBounds& positive,
                                  std::size_t digits) {
  if (!input.negative) {
    if (input.kind == ExponentClass::kFraction) return Plain51(positive);
    const std::optional<LeadingDigits> lead = Leading(positive, 50);
    if (!lead) return std::nullopt;
    std::size_t count = 50;
    if (input.kind == ExponentClass::kInteger) {
      // The exact power's digits: an integer A's with its zeros to the units.
      const std::size_t shown =
          input.baseIsInteger ? static_cast<std::size_t>(lead->exponent10) + 1 : lead->significant;
      count = std::min(count, shown);
    }
    return Concat({Mantissa(lead->digits, count), ExponentText(lead->exponent10)});
  }
  const DecimalBounds v = Reciprocal(positive, digits);
  if (input.kind == ExponentClass::kFraction) {
    if (v.exact) {
      std::string text = ExactDecimalText(v);
      if (text.size() <= 51) return text;
    }
    return Plain51(v);
  }
  const std::optional<LeadingDigits> lead = Leading(v, 50);
  if (!lead) return std::nullopt;
  if (lead->significant == 1 && lead->digits[0] == '1')
    return Concat({"1", ExponentText(lead->exponent10)});
  const std::size_t count = std::min<std::size_t>(50, lead->significant);
  return Concat({Mantissa(lead->digits, count), ExponentText(lead->exponent10)});
}

}  // namespace

PowerInput TakeApartPower(std::string_view a, std::string_view b) {
  PowerInput input;
  input.a = std::string(a);
  input.b = std::string(b);
  // A = S × 10^scale, S without trailing zeros.
  input.base = Reduce(a);
  const DecimalDigits base = SplitDecimal(input.base.normalised);
  std::string digits = base.digits;
  input.baseIsInteger = !base.hasPoint;
  if (input.baseIsInteger) {
    const std::size_t last = digits.find_last_not_of('0');
    input.scale = static_cast<long>(digits.size() - last - 1);
    digits.resize(last + 1);
  } else {
    input.scale = -static_cast<long>(base.decimals);
  }
  input.significant = Natural::FromDecimal(digits);
  // |B| = p + 0.fraction.
  input.negative = b.starts_with('-');
  const DecimalDigits exponent = SplitDecimal(input.negative ? b.substr(1) : b);
  const std::string_view digitsOfB(exponent.digits);
  const std::size_t wholeDigits = digitsOfB.size() - exponent.decimals;
  const std::string_view whole = StripLeadingZeros(digitsOfB.substr(0, wholeDigits));
  input.p = whole.empty() ? 0 : std::stoi(std::string(whole));
  input.fraction = digitsOfB.substr(wholeDigits);
  if (input.fraction.find_first_not_of('0') == std::string::npos) {
    input.kind = ExponentClass::kInteger;
  } else {
    input.kind = input.p == 0 ? ExponentClass::kFraction : ExponentClass::kMixed;
  }
  return input;
}

std::optional<DecimalBounds> IntegerPower(const PowerInput& input, RunControl& run) {
  DecimalBounds power = DecimalBounds::Exact(kOne);
  if (input.p == 0) return power;
  if (run.StopRequested()) return std::nullopt;
  const DecimalBounds base = DecimalBounds::Exact(input.significant);
  for (int s = 1; s <= input.p; ++s) {
    run.ShowStep(s);
    power = Trimmed(power * base, kPowerDigits);
    if (run.StopRequested()) return std::nullopt;
  }
  return power;
}

std::optional<DecimalBounds> RationalFractionPower(const PowerInput& input) {
  // A = n / d in lowest terms.
  const std::string sText = input.significant.ToDecimal();
  UInt128 n = FromText128(sText), d = 1;
  if (input.scale >= 0) {
    n *= PowerOfTen128(static_cast<int>(input.scale));
  } else {
    d = PowerOfTen128(static_cast<int>(-input.scale));
    const UInt128 common = Gcd(n, d);
    n /= common;
    d /= common;
  }
  // f = numerator / q in lowest terms.
  const auto places = static_cast<int>(input.fraction.size());
  UInt128 numerator = FromText128(input.fraction), q = PowerOfTen128(places);
  const UInt128 common = Gcd(numerator, q);
  numerator /= common;
  q /= common;
  // n and d are below 2^68: only 1 is a q-th power for q of 68 or more.
  if (q >= 68) return std::nullopt;
  const std::optional<UInt128> s = ExactRoot(n, static_cast<int>(q));
  const std::optional<UInt128> t = ExactRoot(d, static_cast<int>(q));
  if (!s || !t) return std::nullopt;
  // (s / t)^numerator, with t = 2^x 5^y written as u / 10^m.
  const auto e = static_cast<std::uint64_t>(numerator);
  UInt128 rest = *t;
  int twos = 0, fives = 0;
  for (; rest % 2 == 0; rest /= 2) ++twos;
  for (; rest % 5 == 0; rest /= 5) ++fives;
  assert(rest == 1);
  const int m = std::max(twos, fives);
  const Natural u = Power(Natural(2), static_cast<std::uint64_t>(m - twos)) *
                    Power(Natural(5), static_cast<std::uint64_t>(m - fives));
  return DecimalBounds::Exact(Power(Natural::FromDecimal(ToText128(*s)) * u, e),
                              -static_cast<long>(m) * static_cast<long>(e));
}

namespace {

// `settle` applied to bounds of A^|B| (and the digits a reciprocal of them
// takes) until it gives an answer: first at working precision `first`, then
// with the integer power exact and the precision doubled each round. A
// rational A^|B| is settled once both parts are exact (the second round);
// an irrational one by enough precision.
template <class Settle>
auto SettledPower(const PowerInput& input, DecimalBounds integerPower, int first, Settle settle)
    -> std::invoke_result_t<Settle, const DecimalBounds&, std::size_t> {
  std::optional<DecimalBounds> exactFraction;
  if (input.kind == ExponentClass::kInteger) {
    exactFraction = DecimalBounds::Exact(kOne);
  } else {
    exactFraction = RationalFractionPower(input);
  }
  return WithMorePrecision(first, [&](int precision) {
    using Answer = std::invoke_result_t<Settle, const DecimalBounds&, std::size_t>;
    const std::size_t digits = static_cast<std::size_t>(precision) + 30;
    if (precision > first && !integerPower.exact) {
      const auto p = static_cast<std::uint64_t>(input.p);
      integerPower = DecimalBounds::Exact(Power(input.significant, p));
    }
    std::optional<DecimalBounds> fraction =
        exactFraction ? exactFraction : FractionPowerByLogarithm(input, precision);
    if (!fraction) return Answer();
    DecimalBounds positive = integerPower * *fraction;
    positive.exponent += input.scale * input.p;
    if (!positive.exact) positive = Trimmed(std::move(positive), digits);
    return settle(positive, digits);
  });
}

}  // namespace

std::optional<std::string> FinishPower(const PowerInput& input, DecimalBounds integerPower) {
  return SettledPower(input, std::move(integerPower), 100,
                      [&](const DecimalBounds& positive, std::size_t digits) {
                        return Format(input, positive, digits);
                      });
}

std::optional<LeadingDigits> LeadingPowerDigits(const PowerInput& input, DecimalBounds integerPower,
                                                std::size_t count) {
  // Enough working precision for the digits asked for and a margin for the
  // bounds' spread, which the first round rarely exceeds.
  const int precision = static_cast<int>(count) + 25;
  return SettledPower(input, std::move(integerPower), precision,
                      [&](const DecimalBounds& positive, std::size_t digits) {
                        const DecimalBounds v =
                            input.negative ? Reciprocal(positive, digits) : positive;
                        return Leading(v, count);
                      });
}

}  // namespace taketa
