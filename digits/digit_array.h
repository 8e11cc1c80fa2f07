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

}  // namespace taketa
