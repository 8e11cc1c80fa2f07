// The number being factorised on the long path: a natural number of at
// most 50 digits held in three 64-bit words, so that a trial division by a
// divisor below 2^64 is one machine division per word (one in all while the
// number's top word is below the divisor).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "digits/packed.h"

namespace taketa::soinsuu2 {

// (high * 2^64 + low) / d with the remainder in `rem`; precondition high < d.
inline std::uint64_t DivideWord(std::uint64_t high, std::uint64_t low, std::uint64_t d,
                                std::uint64_t& rem) {
#if defined(__x86_64__)
  std::uint64_t q;
  asm("divq %4" : "=a"(q), "=d"(rem) : "a"(low), "d"(high), "rm"(d));
  return q;
#else
  const UInt128 x = (UInt128{high} << 64) | low;
  rem = static_cast<std::uint64_t>(x % d);
  return static_cast<std::uint64_t>(x / d);
#endif
}

// d^(-1) mod 2^64 for odd d, by Newton's iteration from five correct bits.
inline std::uint64_t InverseMod2To64(std::uint64_t d) {
  std::uint64_t inverse = (3 * d) ^ 2;
  for (int i = 0; i < 4; ++i) inverse *= 2 - d * inverse;
  return inverse;
}

// Whether odd d divides the words w[0..count) (least significant first),
// by Hensel's division from the low end: no machine division. With
// h_0 = 0 and h_{i+1} = hi((w_i - h_i) d^(-1) mod 2^64 times d) plus the
// borrow, the number is d Q - h 2^(64 count), so d divides it exactly when
// it divides h, which lies in [0, d].
inline bool OddDivides(const std::uint64_t* w, int count, std::uint64_t d, std::uint64_t inverse) {
  std::uint64_t h = 0;
  for (int i = 0; i < count; ++i) {
    const std::uint64_t x = w[i] - h;
    const std::uint64_t borrow = w[i] < h;
    h = static_cast<std::uint64_t>((UInt128{x * inverse} * d) >> 64) + borrow;
  }
  return h == 0 || h == d;
}

class Cofactor {
 public:
  static constexpr int kWords = 3;  // 2^192 > 10^57

  // Precondition: at most 57 decimal digits.
  static Cofactor FromDecimal(std::string_view digits);
  std::string ToDecimal() const;

  // The remainder of a division by d (d >= 1).
  UInt128 Remainder(UInt128 d) const {
    if (d >> 64 == 0) [[likely]]
      return Remainder64(static_cast<std::uint64_t>(d));
    return RemainderBeyond64Bits(d);
  }
  // Whether the odd d divides this; `inverse` is InverseMod2To64(d).
  bool DividedByOdd(std::uint64_t d, std::uint64_t inverse) const {
    return OddDivides(words_, top_ + 1, d, inverse);
  }
  // this = this / d; precondition: d divides this.
  void DivideExactly(UInt128 d);

  bool IsOne() const { return top_ == 0 && words_[0] == 1; }
  // floor(sqrt(this)), below 2^96 for every value this holds.
  UInt128 Sqrt() const;

 private:
  std::uint64_t Remainder64(std::uint64_t d) const {
    int i = top_;
    std::uint64_t rem = 0;
    if (words_[i] < d) rem = words_[i--];  // the top word needs no division
    for (; i >= 0; --i) DivideWord(rem, words_[i], d, rem);
    return rem;
  }
  UInt128 RemainderBeyond64Bits(UInt128 d) const;
  void Normalise();

  std::uint64_t words_[kWords] = {};  // least significant first
  int top_ = 0;                       // the highest word that is not 0 (0 for zero)
};

// The decimal digits of a 128-bit value.
std::string ToDecimal(UInt128 value);

}  // namespace taketa::soinsuu2
