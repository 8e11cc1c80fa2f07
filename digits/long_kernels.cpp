// The kernels on long operands: square root, long division and long
// multiplication of digit arrays. Each reads its operands into Natural,
// where the work is done many digits at a time, and writes the result back
// with the alignment and the leading zeros of the digit-by-digit method.
#include <cassert>
#include <string>

#include "digits/digit_array.h"
#include "digits/natural.h"

namespace taketa {
namespace {

Natural FromUnitsFirst(const UnitsFirstDigits& a, std::int32_t length) {
  return Natural::FromDecimal(a.ToText(static_cast<std::size_t>(length)));
}

}  // namespace

void IntegerSquareRoot(const DigitArray& x, int n, DigitArray& s) {
  assert(n >= 1 && x.size() > static_cast<std::size_t>(n));
  const auto k = static_cast<std::size_t>((n + 1) / 2);
  assert(s.size() > k);
  Sqrt(Natural::FromDigits(x, 1, static_cast<std::size_t>(n))).ToDigits(s, 1, k);
}

void LongDivide(const DigitArray& a, const DigitArray& b, DigitArray& q, DigitArray& r) {
  const std::size_t n = a.size() - 1, l = b.size() - 1;
  assert(l >= 1 && l <= n && b[1] != 0 && q.size() > n && r.size() > l);
  Natural quotient, remainder;
  DivMod(Natural::FromDigits(a, 1, n), Natural::FromDigits(b, 1, l), quotient, remainder);
  quotient.ToDigits(q, 1, n);
  remainder.ToDigits(r, 1, l);
}

void MultiplyDigits(const UnitsFirstDigits& a, const UnitsFirstDigits& b, UnitsFirstDigits& p,
                    std::int32_t& la, std::int32_t lb) {
  assert(la >= 1 && lb >= 1 && &p != &a && &p != &b);
  const auto length = static_cast<std::size_t>(la) + static_cast<std::size_t>(lb);
  assert(p.size() > length);
  const std::string product = (FromUnitsFirst(a, la) * FromUnitsFirst(b, lb)).ToDecimal();
  // Units first, with zeros up to position la + lb.
  for (std::size_t i = 1; i <= length; ++i) {
    p[i] = i <= product.size() ? static_cast<std::uint8_t>(product[product.size() - i] - '0') : 0;
  }
  la = static_cast<std::int32_t>(p[length] != 0 ? length : length - 1);
}

}  // namespace taketa
