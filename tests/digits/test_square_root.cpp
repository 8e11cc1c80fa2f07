#include <gtest/gtest.h>

#include <random>

#include "digits/natural.h"

namespace taketa {
namespace {

Natural RandomNatural(std::mt19937_64& rng, std::size_t digits) {
  std::string text(digits, '0');
  for (char& c : text) c = static_cast<char>('0' + rng() % 10);
  text[0] = '1' + static_cast<char>(rng() % 9);
  return Natural::FromDecimal(text);
}

// The plain way: Newton's step from a power of ten above the root.
Natural PlainSqrt(const Natural& a) {
  if (a.IsZero()) return a;
  Natural x = Natural(1).ShiftedUp((a.DigitCount() + 1) / 2);
  for (;;) {
    Natural q, r;
    DivMod(a, x, q, r);
    Natural next = x + q;
    next.DivideSmall(2);
    if (next >= x) return x;
    x = next;
  }
}

// Sqrt, which starts from the root of the leading half of the digits, gives
// what the plain iteration gives: random numbers of every length around the
// point where it stops recursing, squares and their neighbours, powers of
// ten and runs of nines.
TEST(SquareRoot, AgreesWithPlainNewton) {
  std::mt19937_64 rng(9);
  for (int round = 0; round < 400; ++round) {
    const std::size_t digits = round < 300 ? 1 + round : 300 + rng() % 3000;
    const Natural x = RandomNatural(rng, digits);
    ASSERT_EQ(Sqrt(x), PlainSqrt(x)) << x.ToDecimal();
    const Natural r = RandomNatural(rng, 1 + digits / 2);
    const Natural square = r * r;
    ASSERT_EQ(Sqrt(square), r);
    ASSERT_EQ(Sqrt(square - Natural(1)), r - Natural(1));
    ASSERT_EQ(Sqrt(square + r + r), r);
    ASSERT_EQ(Sqrt(square + r + r + Natural(1)), r + Natural(1));
  }
  for (std::size_t k = 0; k < 400; k += 7) {
    const Natural power = Natural(1).ShiftedUp(k);
    ASSERT_EQ(Sqrt(power), PlainSqrt(power)) << k;
    const Natural nines = power - Natural(1);
    ASSERT_EQ(Sqrt(nines), PlainSqrt(nines)) << k;
  }
  EXPECT_TRUE(Sqrt(Natural()).IsZero());
  EXPECT_EQ(Sqrt(Natural(1)), Natural(1));
}

TEST(SquareRoot, TwentyThousandDigits) {
  std::mt19937_64 rng(10);
  const Natural x = RandomNatural(rng, 20000);
  const Natural r = Sqrt(x);
  EXPECT_EQ(r.DigitCount(), 10000u);
  EXPECT_TRUE(r * r <= x);
  EXPECT_TRUE(x < (r + Natural(1)) * (r + Natural(1)));
}

}  // namespace
}  // namespace taketa
