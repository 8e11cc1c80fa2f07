// The growing product exactly as the schoolbook step describes it: the
// product's digits one per byte, units first at 1..len; the multiplier's
// digits read from its decimal text; a table of partial-product rows, one
// per multiplier digit, added column by column; the array made anew at
// every step. The fast GrowingProduct must give the same digits.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taketa::reference {

class PlainGrowingProduct {
 public:
  PlainGrowingProduct() : p_{0, 1} {}  // 1

  void MultiplyBy(std::uint64_t m);

  std::size_t length() const { return p_.size() - 1; }
  // Element 1 the units digit, element length() the leading one.
  const std::vector<std::uint8_t>& digits() const { return p_; }
  std::string ToDecimal() const;

 private:
  std::vector<std::uint8_t> p_;
};

}  // namespace taketa::reference
