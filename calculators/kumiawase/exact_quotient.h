// Long division of a numerator by a denominator that divides it exactly,
// one decimal quotient digit per pass, most significant first.
//
// The first pass divides the numerator's top lenD digits (lenD: the
// denominator's digit count) and may give 0; each later pass brings down
// one more numerator digit, so there are lenN - lenD + 1 passes in all.
// Both numbers are held in limbs of eighteen digits. The remainder stays in
// the numerator's limbs, and a pass subtracts digit x denominator x 10^e
// from it in place, through one of eighteen copies of the denominator
// shifted by 0..17 decimal places, so that bringing down a digit costs
// nothing. The digit is estimated from the leading limbs in floating point,
// never above the true digit, so that one multiply-subtract takes it off;
// in the rare case the estimate was one short (the remainder so close to a
// multiple of the divisor that the leading limbs cannot tell) one more
// subtraction follows. As the division is exact, only as many leading
// digits of the denominator take part as the quotient has, plus one (and
// as many fewer of the numerator): the digits come out the same.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace taketa::kumiawase {

class ExactQuotient {
 public:
  // Limbs of 10^18, least significant first, top limb not 0; the
  // denominator divides the numerator and is not above it.
  ExactQuotient(std::span<const std::uint64_t> numerator,
                std::span<const std::uint64_t> denominator);

  // lenN - lenD + 1: the number of passes, the first digit possibly 0.
  std::size_t DigitCount() const { return digitCount_; }

  // One pass: the next quotient digit, 0..9. At most DigitCount() times.
  int NextDigit();

 private:
  // How the remainder's limbs from `offset` up compare with `divisor`
  // (limbs least significant first): true when they are not below it.
  bool AtLeast(std::size_t offset, std::span<const std::uint64_t> divisor) const;
  // remainder[offset...] -= digit * divisor.
  void Subtract(std::size_t offset, std::span<const std::uint64_t> divisor, std::uint64_t digit);

  std::vector<std::uint64_t> remainder_;  // with a zero limb on top
  // The denominator's leading digits x 10^s, top limb not 0.
  std::array<std::vector<std::uint64_t>, 18> shifted_;
  std::size_t digitCount_ = 0;
  std::size_t produced_ = 0;
};

}  // namespace taketa::kumiawase
