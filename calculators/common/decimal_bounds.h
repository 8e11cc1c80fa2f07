// Positive numbers known either exactly or between two bounds, and the
// digits that such a number shows once it is cut off after a given digit.
//
// A calculation that works to a fixed precision keeps, for every value, a
// lower and an upper bound that the true value cannot pass. When both bounds
// give the same digits up to the last shown one, those digits are the true
// value's, truncated; when they do not, the calculation is done again with
// more digits (or exactly), so no shown digit ever depends on how close the
// value lies to a carry.
#pragma once

#include <cassert>
#include <climits>
#include <cstddef>
#include <optional>
#include <string>
#include <type_traits>

#include "digits/natural.h"

namespace taketa {

// The value lies in [lo, hi + 1) × 10^exponent, lo <= hi; when `exact` it
// equals lo × 10^exponent (and hi == lo).
struct DecimalBounds {
  Natural lo, hi;
  long exponent = 0;
  bool exact = false;

  static DecimalBounds Exact(Natural value, long exponent = 0);
  // lo × 10^exponent <= value <= upper × 10^exponent.
  static DecimalBounds Between(Natural lo, const Natural& upper, long exponent);
};

// The product; exact when both factors are.
DecimalBounds operator*(const DecimalBounds& a, const DecimalBounds& b);

// The value written with at most `digits` digits: the last ones cut off and
// the exponent raised; it stays exact only when the digits cut off are 0.
DecimalBounds Trimmed(DecimalBounds value, std::size_t digits);

// The value at a larger exponent (precondition: exponent >= value.exponent),
// digits below 10^exponent cut off.
DecimalBounds AtExponent(DecimalBounds value, long exponent);

// 1 / value with at least `digits` digits. Exact when the quotient ends
// within them. Precondition: value.lo > 0.
DecimalBounds Reciprocal(const DecimalBounds& value, std::size_t digits);

// The first digits of a value, truncated.
struct LeadingDigits {
  long exponent10 = 0;  // floor(log10 value): the place of the first digit
  std::string digits;   // the first `count` significant digits; zeros past an exact value's end
  // Of an exact value: its significant digits up to the last one that is not
  // 0. Otherwise npos: the value goes on past every digit that was computed.
  std::size_t significant = std::string::npos;
};

// nullopt when the bounds do not settle the place of the first digit and the
// first `count` digits.
std::optional<LeadingDigits> Leading(const DecimalBounds& value, std::size_t count);

// The value truncated after `decimals` decimals: the integer part without
// leading zeros ("0" when below 1), ".", the decimals. nullopt when the
// bounds do not settle them.
std::optional<std::string> TruncatedDecimals(const DecimalBounds& value, int decimals);

// An exact value as the shortest decimal text: no leading or trailing zeros,
// "0." before a value below 1, no point for an integer.
std::string ExactDecimalText(const DecimalBounds& value);

// The bounds of a decimal text that is the true value truncated after its
// last digit, at scale 10^-decimals: [text, text + one unit of its last
// digit).
DecimalBounds TruncatedTextBounds(std::string_view text, long decimals);

// The largest working precision a calculation tries before it gives up on
// settling its digits. The values shown are irrational, and a few guard
// digits settle them, or rational and exact from their second attempt;
// the cap only keeps a fault from running for ever.
inline constexpr int kMaxPrecision = 3200;

// attempt(precision) for precision = first, 2 first, 4 first, ... up to
// `cap`, until one settles the digits (returns a value, not nullopt); that
// value, or nullopt when none up to the cap did.
template <class Attempt>
auto WithMorePrecision(int first, Attempt&& attempt, int cap = kMaxPrecision)
    -> std::invoke_result_t<Attempt&, int> {
  assert(first > 0 && cap <= INT_MAX / 2);  // doubling never overflows
  for (int precision = first; precision <= cap; precision *= 2) {
    if (auto settled = attempt(precision)) return settled;
  }
  return std::nullopt;
}

}  // namespace taketa
