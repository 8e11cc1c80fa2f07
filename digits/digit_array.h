// Decimal digit arrays: one digit (0..9, as its value) per byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace taketa {

// Most significant digit first. Index 0 is the position above the first
// digit: an addition may leave its carry there, the other kernels ignore it.
// The caller decides where the units digit stands and how many guard digits
// follow the last digit it shows.
class DigitArray {
 public:
  DigitArray() = default;
  explicit DigitArray(std::size_t size) : digits_(size, 0) {}
  DigitArray(std::initializer_list<std::uint8_t> digits) : digits_(digits) {}

  // Element 0 = `leading`, then one element per character '0'..'9' of `text`.
  static DigitArray FromText(std::string_view text, std::uint8_t leading = 0);

  std::size_t size() const { return digits_.size(); }
  void resize(std::size_t size) { digits_.resize(size, 0); }

  std::uint8_t& operator[](std::size_t i) { return digits_[i]; }
  std::uint8_t operator[](std::size_t i) const { return digits_[i]; }
  std::uint8_t* data() { return digits_.data(); }
  const std::uint8_t* data() const { return digits_.data(); }

  // Characters '0'..'9' for elements first..last inclusive.
  std::string ToText(std::size_t first, std::size_t last) const;

  // True when elements first..last inclusive are all 0.
  bool IsZero(std::size_t first, std::size_t last) const;

  friend bool operator==(const DigitArray&, const DigitArray&) = default;

 private:
  std::vector<std::uint8_t> digits_;
};

// Units digit at element 1 and higher places at higher elements; element 0
// is not used. The number of digits travels beside the array.
class UnitsFirstDigits {
 public:
  UnitsFirstDigits() = default;
  explicit UnitsFirstDigits(std::size_t size) : digits_(size, 0) {}

  // Elements 1..text.size() from a decimal text written most significant
  // first; the array has text.size() + 1 elements (and `extra` more).
  static UnitsFirstDigits FromText(std::string_view text, std::size_t extra = 0);

  std::size_t size() const { return digits_.size(); }
  void resize(std::size_t size) { digits_.resize(size, 0); }
  std::uint8_t& operator[](std::size_t i) { return digits_[i]; }
  std::uint8_t operator[](std::size_t i) const { return digits_[i]; }
  std::uint8_t* data() { return digits_.data(); }
  const std::uint8_t* data() const { return digits_.data(); }

  // Elements length..1 as a decimal text, most significant first.
  std::string ToText(std::size_t length) const;

 private:
  std::vector<std::uint8_t> digits_;
};

// R = A + B over positions 0..n, the carry out of position n..1 landing in
// R[0] (added to A[0] + B[0], mod 10); the carry out of position 0 is lost.
// R may be A or B. Nothing happens when n < 0.
void AddDigits(const DigitArray& a, const DigitArray& b, DigitArray& r, int n);

// R = A - B over positions 1..n with borrow; R[0] = 0 whatever A[0] and B[0]
// hold. When A < B over 1..n the result is the ten's complement
// A - B + 10^n. R may be A or B. Nothing happens when n < 0.
void SubtractDigits(const DigitArray& a, const DigitArray& b, DigitArray& r, int n);

// Q = A[1..n] / d truncated after position n - 1, aligned with A: Q[p] is the
// quotient digit at A[p]'s decimal place. A[0] is ignored, Q[n] = 0, and
// Q[0..L-1] = 0 where L is the number of decimal digits of d (positions
// 1..L-1 of the exact quotient are 0 anyway). Q may be A.
// Precondition: 1 <= d < 2^31 / 10.
void DivideDigitsByInt(const DigitArray& a, std::int32_t d, DigitArray& q, int n);

// S[1..K] = floor(sqrt(X[1..n])), K = (n + 1) / 2, most significant first,
// with leading zeros when X has them (0016 gives 0, 4). X[0] is ignored,
// S[0] and the elements past K are not written. Precondition: n >= 1,
// S has at least K + 1 elements.
void IntegerSquareRoot(const DigitArray& x, int n, DigitArray& s);

// Q[1..N] = A[1..N] / B[1..L] truncated and R[1..L] = the remainder, where N
// and L are the highest indices of A and B: the quotient digits are aligned
// with the dividend (Q[k] belongs to A[k]'s place, so Q[1..L-1] are 0) and
// the remainder with the divisor, leading zeros included. Q[0] and R[0] are
// not written; R may be longer than L + 1. Preconditions: 1 <= L <= N,
// B[1] != 0.
void LongDivide(const DigitArray& a, const DigitArray& b, DigitArray& q, DigitArray& r);

// P[1..la+lb] = A[1..la] * B[1..lb], all units first; la becomes the
// product's length: la + lb when P[la + lb] != 0, otherwise la + lb - 1 (only
// one high zero is taken off). P may not be A or B. Preconditions: la, lb
// >= 1, P has at least la + lb + 1 elements.
void MultiplyDigits(const UnitsFirstDigits& a, const UnitsFirstDigits& b, UnitsFirstDigits& p,
                    std::int32_t& la, std::int32_t lb);

}  // namespace taketa
