// Natural numbers of any length in limbs of eighteen decimal digits.
//
// The calculators keep their numbers as digit arrays or decimal texts; this
// is the arithmetic they do the heavy work with. Everything is exact and
// schoolbook: products column by column, division by Knuth's algorithm D
// (each quotient limb estimated from the leading limbs, then one
// multiply-subtract), square roots by Newton's iteration on integers.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "digits/digit_array.h"

namespace taketa {

class Natural {
 public:
  static constexpr std::uint64_t kBase = 1000000000000000000ULL;  // 10^18
  static constexpr int kLimbDigits = 18;

  Natural() = default;  // 0
  explicit Natural(std::uint64_t value);

  // From decimal digits '0'..'9' (leading zeros allowed; "" is 0).
  static Natural FromDecimal(std::string_view digits);
  // From digit array elements first..last, most significant first.
  static Natural FromDigits(const DigitArray& a, std::size_t first, std::size_t last);

  // Decimal digits without leading zeros; "0" for zero.
  std::string ToDecimal() const;
  // Writes the number into elements first..last, most significant first,
  // with leading zeros. Precondition: it has at most last - first + 1 digits.
  void ToDigits(DigitArray& a, std::size_t first, std::size_t last) const;

  bool IsZero() const { return limbs_.empty(); }
  // Number of decimal digits; 1 for zero.
  std::size_t DigitCount() const;
  // Least significant limb first, no zero limb at the top.
  std::span<const std::uint64_t> limbs() const { return limbs_; }
  // The value when it is below 2^64 (precondition).
  std::uint64_t ToUint64() const;

  friend bool operator==(const Natural&, const Natural&) = default;
  friend std::strong_ordering operator<=>(const Natural& a, const Natural& b);

  friend Natural operator+(const Natural& a, const Natural& b);
  // Precondition: a >= b.
  friend Natural operator-(const Natural& a, const Natural& b);
  friend Natural operator*(const Natural& a, const Natural& b);
  // m below 10^18.
  friend Natural operator*(const Natural& a, std::uint64_t m);
  Natural& operator+=(const Natural& b) { return *this = *this + b; }
  Natural& operator-=(const Natural& b) { return *this = *this - b; }
  Natural& operator*=(std::uint64_t m);

  // this = this / d truncated; returns the remainder. 1 <= d < 10^18.
  std::uint64_t DivideSmall(std::uint64_t d);

  // this * 10^k and this / 10^k truncated.
  Natural ShiftedUp(std::size_t k) const;
  Natural ShiftedDown(std::size_t k) const;

 private:
  friend void DivMod(const Natural& a, const Natural& b, Natural& q, Natural& r);
  void Trim();

  std::vector<std::uint64_t> limbs_;
};

// q = a / b truncated, r = a - q * b. Precondition: b > 0. q and r must be
// different objects from a and b.
void DivMod(const Natural& a, const Natural& b, Natural& q, Natural& r);

// floor(sqrt(a)).
Natural Sqrt(const Natural& a);

// base^e, by repeated squaring.
Natural Power(const Natural& base, std::uint64_t e);

}  // namespace taketa
