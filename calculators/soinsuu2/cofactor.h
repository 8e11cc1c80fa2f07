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

class Cofactor {
 public:
  static constexpr int kWords = 3;  // 2^192 > 10^57

  // Precondition: at most 57 decimal digits.
  static Cofactor FromDecimal(std::string_view digits);
  std::string ToDecimal() const;

  // The remainder of a division by d (d >= 1).
  UInt128 Remainder(UInt128 d) const;
  // this = this / d; precondition: d divides this.
  void DivideExactly(UInt128 d);

  bool IsOne() const { return top_ == 0 && words_[0] == 1; }
  // floor(sqrt(this)), below 2^96 for every value this holds.
  UInt128 Sqrt() const;

 private:
  std::uint64_t Remainder64(std::uint64_t d) const;
  void Normalise();

  std::uint64_t words_[kWords] = {};  // least significant first
  int top_ = 0;                       // the highest word that is not 0 (0 for zero)
};

// The decimal digits of a 128-bit value.
std::string ToDecimal(UInt128 value);

}  // namespace taketa::soinsuu2
