#include "digits/square_root.h"

#include <utility>

namespace taketa {
namespace {

// Below this many digits Sqrt's own iteration is as quick.
constexpr std::size_t kDirectDigits = 72;

// Newton's step x <- (x + a / x) / 2 falls towards floor(sqrt(a)) from any
// start above it and stops falling there.
Natural Settle(const Natural& a, Natural x) {
  for (;;) {
    Natural quotient, remainder;
    DivMod(a, x, quotient, remainder);
    Natural next = x + quotient;
    next.DivideSmall(2);
    if (next >= x) return x;
    x = std::move(next);
  }
}

}  // namespace

Natural SquareRoot(const Natural& a) {
  const std::size_t digits = a.DigitCount();
  if (digits <= kDirectDigits) return Sqrt(a);
  // a = high * 10^(2k) + low with high keeping a little more than half the
  // digits: sqrt(high) * 10^k is within 10^k of the root, which is itself
  // above 10^k, so one step comes within about one unit.
  const std::size_t k = digits / 4;
  const Natural high = a.ShiftedDown(2 * k);
  Natural start = (SquareRoot(high) + Natural(1)).ShiftedUp(k);  // above the root
  return Settle(a, std::move(start));
}

}  // namespace taketa
