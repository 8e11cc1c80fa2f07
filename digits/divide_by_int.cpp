// Division of a digit array by a machine integer.
//
// The schoolbook method brings down one digit per step and divides once per
// digit. Here eight digits are brought down at a time (the partial remainder
// stays below d, so remainder * 10^8 + eight digits fits 64 bits for every
// allowed d), and each eight-digit quotient group comes from a reciprocal
// multiplication. The quotient digits are the same: starting the division
// at position 1 rather than at the first L digits only adds quotient digits
// at positions 1..L-1, which are 0 because fewer than L digits are below d.
#include <cassert>

#include "digits/digit_array.h"
#include "digits/packed.h"

namespace taketa {

void DivideDigitsByInt(const DigitArray& a, std::int32_t d, DigitArray& q, int n) {
  if (n < 0) return;
  assert(d >= 1 && std::int64_t{d} * 10 < (std::int64_t{1} << 31));
  assert(a.size() > static_cast<std::size_t>(n) && q.size() > static_cast<std::size_t>(n));
  const std::uint8_t* pa = a.data();
  std::uint8_t* pq = q.data();
  const InvariantDivisor divisor(static_cast<std::uint64_t>(d));

  pq[0] = 0;
  std::uint64_t rem = 0;
  int p = 1;
  for (; p + 7 <= n - 1; p += 8) {
    const std::uint64_t x = rem * 100000000 + ReadDigits8(pa + p);
    WriteDigits8(pq + p, static_cast<std::uint32_t>(divisor.Divide(x, rem)));
  }
  for (; p <= n - 1; ++p) {
    pq[p] = static_cast<std::uint8_t>(divisor.Divide(rem * 10 + pa[p], rem));
  }
  pq[n] = 0;
}

}  // namespace taketa
