#include <gtest/gtest.h>

#include <random>

#include "digits/natural.h"
#include "digits/square_root.h"

namespace taketa {
namespace {

Natural RandomNatural(std::mt19937_64& rng, std::size_t digits) {
  std::string text(digits, '0');
  for (char& c : text) c = static_cast<char>('0' + rng() % 10);
  text[0] = '1' + static_cast<char>(rng() % 9);
  return Natural::FromDecimal(text);
}

// SquareRoot gives what Sqrt gives: random numbers of every length around
// the point where it stops recursing, squares and their neighbours, powers
// of ten and runs of nines.
TEST(SquareRoot, AgreesWithSqrt) {
  std::mt19937_64 rng(9);
  for (int round = 0; round < 400; ++round) {
    const std::size_t digits = round < 300 ? 1 + round : 300 + rng() % 3000;
    const Natural x = RandomNatural(rng, digits);
    ASSERT_EQ(SquareRoot(x), Sqrt(x)) << x.ToDecimal();
    const Natural r = RandomNatural(rng, 1 + digits / 2);
    const Natural square = r * r;
    ASSERT_EQ(SquareRoot(square), r);
    ASSERT_EQ(SquareRoot(square - Natural(1)), r - Natural(1));
    ASSERT_EQ(SquareRoot(square + r + r), r);
    ASSERT_EQ(SquareRoot(square + r + r + Natural(1)), r + Natural(1));
  }
  for (std::size_t k = 0; k < 400; k += 7) {
    const Natural power = Natural(1).ShiftedUp(k);
    ASSERT_EQ(SquareRoot(power), Sqrt(power)) << k;
    const Natural nines = power - Natural(1);
    ASSERT_EQ(SquareRoot(nines), Sqrt(nines)) << k;
  }
  EXPECT_TRUE(SquareRoot(Natural()).IsZero());
  EXPECT_EQ(SquareRoot(Natural(1)), Natural(1));
}

TEST(SquareRoot, TwentyThousandDigits) {
  std::mt19937_64 rng(10);
  const Natural x = RandomNatural(rng, 20000);
  const Natural r = SquareRoot(x);
  EXPECT_EQ(r.DigitCount(), 10000u);
  EXPECT_TRUE(r * r <= x);
  EXPECT_TRUE(x < (r + Natural(1)) * (r + Natural(1)));
}

}  // namespace
}  // namespace taketa
