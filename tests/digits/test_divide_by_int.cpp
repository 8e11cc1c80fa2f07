#include <gtest/gtest.h>

#include "tests/digits/digit_test_util.h"
#include "tests/digits/reference_kernels.h"

namespace taketa {
namespace {

using testing::RandomDigits;
using testing::Show;

DigitArray Divide(const DigitArray& a, std::int32_t d, int n) {
  DigitArray q(a.size());
  DivideDigitsByInt(a, d, q, n);
  return q;
}

TEST(DivideDigitsByInt, SmallCases) {
  // 4 / 239 with the units at position 1: 0.0167360 (the true quotient
  // continues 0.016736401...), position 8 always 0.
  EXPECT_EQ(Show(Divide(DigitArray::FromText("40000000"), 239, 8)), "000167360");
  EXPECT_EQ(Show(Divide(DigitArray::FromText("12345678", 3), 1, 8)), "012345670");
  EXPECT_EQ(Show(Divide(DigitArray::FromText("12345678"), 10, 8)), "001234560");
  EXPECT_EQ(Show(Divide(DigitArray::FromText("00000000"), 7, 8)), "000000000");
  EXPECT_EQ(Show(Divide(DigitArray::FromText("999", 9), 1000, 3)), "0000");  // n = L
  EXPECT_EQ(Show(Divide(DigitArray::FromText("9"), 3, 0)).substr(0, 1), "0");
  // A dividend below d in its first L digits leaves Q[L] = 0.
  EXPECT_EQ(Show(Divide(DigitArray::FromText("1000000"), 25, 7)), "00040000");
}

TEST(DivideDigitsByInt, LeavesPositionsPastNAlone) {
  DigitArray q{5, 5, 5, 5, 5, 5};
  DivideDigitsByInt(DigitArray::FromText("99999"), 3, q, 3);
  EXPECT_EQ(Show(q), "033055");
}

// The eight-digits-at-a-time kernel against the digit-by-digit one, for
// divisors of every length up to the largest allowed, on every length up to
// a few words and on long arrays, with the quotient in its own array and in
// the dividend's.
TEST(DivideDigitsByInt, AgreesWithPlainKernel) {
  std::mt19937_64 rng(239);
  const std::int32_t largest = 214748364;  // below 2^31 / 10
  for (int round = 0; round < 6000; ++round) {
    const int n = round < 3000 ? round % 60 : static_cast<int>(rng() % 4000);
    std::int32_t d;
    switch (round % 5) {
      case 0: d = 1 + static_cast<std::int32_t>(rng() % 9); break;
      case 1: d = 1 + static_cast<std::int32_t>(rng() % 99999); break;
      case 2: d = largest - static_cast<std::int32_t>(rng() % 1000); break;
      case 3: d = 1 + static_cast<std::int32_t>(rng() % largest); break;
      default: d = static_cast<std::int32_t>(std::vector<int>{10, 100, 25, 57121, 239}[rng() % 5]);
    }
    const DigitArray a = RandomDigits(rng, static_cast<std::size_t>(n) + 1, round % 3 == 0);
    DigitArray expect(a.size());
    reference::DivideDigitsByInt(a, d, expect, n);
    ASSERT_EQ(Show(Divide(a, d, n)), Show(expect)) << "A=" << Show(a) << " d=" << d << " n=" << n;
    DigitArray inPlace = a;
    DivideDigitsByInt(inPlace, d, inPlace, n);
    ASSERT_EQ(Show(inPlace), Show(expect)) << "Q = A, d=" << d << " n=" << n;
  }
}

// Dividing by d and multiplying back gives the dividend less a remainder
// below d units of position n - 1.
TEST(DivideDigitsByInt, QuotientTimesDivisorStaysBelowDividend) {
  std::mt19937_64 rng(5);
  for (int round = 0; round < 300; ++round) {
    const int n = 2 + static_cast<int>(rng() % 30);
    const auto d = static_cast<std::int32_t>(1 + rng() % 1000);
    DigitArray a = RandomDigits(rng, n + 1);
    a[n] = 0;
    const DigitArray q = Divide(a, d, n);
    // Both as integers in units of position n: q * d <= a < (q + 10) * d.
    __extension__ using U128 = unsigned __int128;
    U128 av = 0, qv = 0;
    for (int i = 1; i <= n; ++i) {
      av = av * 10 + a[i];
      qv = qv * 10 + q[i];
    }
    ASSERT_LE(qv * d, av);
    ASSERT_LT(av, (qv + 10) * d);
  }
}

}  // namespace
}  // namespace taketa
