// value = N * 10^e exactly, with N the text's digits. It is scaled by 2^s
// so that q = floor(value * 2^s) has exactly p bits, p the precision of long
// double; q, rounded by the remainder, is the mantissa and the result is
// q * 2^-s. Every step is exact integer arithmetic on Natural.
#include "digits/decimal_float.h"

#include <cfloat>

#if LDBL_MANT_DIG > 64

#include <charconv>

namespace taketa {

// Where long double is wider (IEEE quad), from_chars reads it exactly.
long double DecimalToLongDouble(std::string_view text) {
  long double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

}  // namespace taketa

#else

#include <bit>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <string>

#include "digits/natural.h"

namespace taketa {
namespace {

constexpr int kPrecision = LDBL_MANT_DIG;
constexpr std::uint64_t kLargestMantissa = ~std::uint64_t{0} >> (64 - kPrecision);

Natural PowerOfTwo(long k) {
  Natural power(1);
  for (; k >= 59; k -= 59) power *= std::uint64_t{1} << 59;
  power *= std::uint64_t{1} << k;
  return power;
}

}  // namespace

long double DecimalToLongDouble(std::string_view text) {
  std::string digits(text);
  long e = 0;
  if (const std::size_t point = digits.find('.'); point != std::string::npos) {
    e = -static_cast<long>(digits.size() - point - 1);
    digits.erase(point, 1);
  }
  const Natural n = Natural::FromDecimal(digits);
  if (n.IsZero()) return 0;

  // value < 10^(d + e) <= 2^ceil((d + e) log2 10): this s makes q < 2^p,
  // with one bit to spare for the estimate's rounding.
  const long d = static_cast<long>(n.DigitCount());
  long s = kPrecision - 1 - static_cast<long>(std::ceil(static_cast<double>(d + e) * 3.321928094887362));
  Natural q, r, denominator;
  const auto divide = [&] {
    Natural numerator = e > 0 ? n.ShiftedUp(static_cast<std::size_t>(e)) : n;
    denominator = Natural(1).ShiftedUp(static_cast<std::size_t>(e < 0 ? -e : 0));
    if (s > 0) numerator = numerator * PowerOfTwo(s);
    if (s < 0) denominator = denominator * PowerOfTwo(-s);
    DivMod(numerator, denominator, q, r);
  };
  divide();
  // floor(value * 2^(s + k)) has b + k bits when floor(value * 2^s) has b.
  if (const int bits = std::bit_width(q.ToUint64()); bits != kPrecision) {
    s += kPrecision - bits;
    divide();
  }

  std::uint64_t mantissa = q.ToUint64();
  assert(std::bit_width(mantissa) == kPrecision);
  const auto half = (r + r) <=> denominator;  // the remainder against half a unit
  if (half > 0 || (half == 0 && mantissa % 2 == 1)) {
    if (mantissa == kLargestMantissa) {
      mantissa = std::uint64_t{1} << (kPrecision - 1);
      --s;
    } else {
      ++mantissa;
    }
  }
  return std::ldexp(static_cast<long double>(mantissa), static_cast<int>(-s));
}

}  // namespace taketa

#endif
