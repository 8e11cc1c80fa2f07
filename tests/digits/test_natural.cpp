#include <gtest/gtest.h>

#include <random>

#include "digits/natural.h"

namespace taketa {
namespace {

std::string RandomText(std::mt19937_64& rng, std::size_t length, bool nines = false) {
  std::string text(length, '0');
  for (char& c : text) c = nines && rng() % 3 ? '9' : static_cast<char>('0' + rng() % 10);
  if (!text.empty() && text[0] == '0') text[0] = '1';
  return text;
}

Natural N(const std::string& text) { return Natural::FromDecimal(text); }

TEST(Natural, DecimalTextRoundTrip) {
  EXPECT_EQ(Natural().ToDecimal(), "0");
  EXPECT_EQ(N("000").ToDecimal(), "0");
  EXPECT_EQ(N("0001230").ToDecimal(), "1230");
  EXPECT_EQ(N("1000000000000000000").ToDecimal(), "1000000000000000000");
  EXPECT_EQ(N("1000000000000000000").limbs().size(), 2u);
  EXPECT_EQ(Natural(18446744073709551615ull).ToDecimal(), "18446744073709551615");
  EXPECT_EQ(N("18446744073709551615").ToUint64(), 18446744073709551615ull);
  EXPECT_EQ(N("999999999999999999").DigitCount(), 18u);
  EXPECT_EQ(Natural().DigitCount(), 1u);
  DigitArray a(8);
  N("1234").ToDigits(a, 2, 7);
  EXPECT_EQ(a.ToText(0, 7), "00001234");
  EXPECT_EQ(Natural::FromDigits(a, 3, 6).ToDecimal(), "123");
}

TEST(Natural, ArithmeticOnSmallValues) {
  std::mt19937_64 rng(11);
  __extension__ using U128 = unsigned __int128;
  for (int round = 0; round < 20000; ++round) {
    const std::uint64_t x = rng() >> (rng() % 64), y = (rng() >> (rng() % 64)) | 1;
    const Natural a(x), b(y);
    EXPECT_EQ((a + b).ToDecimal(), (Natural(x / 2) + Natural(x - x / 2) + b).ToDecimal());
    const U128 p = U128{x} * y;
    Natural expect =
        Natural(static_cast<std::uint64_t>(p >> 64)) * Natural(1ull << 32) * Natural(1ull << 32) +
        Natural(static_cast<std::uint64_t>(p));
    ASSERT_EQ(a * b, expect) << x << " * " << y;
    Natural q, r;
    DivMod(a, b, q, r);
    ASSERT_EQ(q, Natural(x / y));
    ASSERT_EQ(r, Natural(x % y));
    ASSERT_EQ(a < b, x < y);
    if (x >= y) {
      ASSERT_EQ(a - b, Natural(x - y));
    }
  }
}

// q * b + r = a with r < b on long operands of every shape, with the
// quotient estimate's rare corrections forced by runs of nines and by
// divisors whose top limb is just above half the base.
TEST(Natural, DivisionIdentity) {
  std::mt19937_64 rng(12);
  for (int round = 0; round < 1500; ++round) {
    const std::size_t lb = 1 + rng() % 120, la = lb + rng() % 200;
    const Natural a = N(RandomText(rng, la, round % 2 == 0));
    Natural b = N(RandomText(rng, lb, round % 3 == 0));
    if (round % 7 == 0) b = Natural(5).ShiftedUp(lb) + Natural(rng() % 1000);
    Natural q, r;
    DivMod(a, b, q, r);
    ASSERT_LT(r, b) << a.ToDecimal() << " / " << b.ToDecimal();
    ASSERT_EQ(q * b + r, a) << a.ToDecimal() << " / " << b.ToDecimal();
  }
}

TEST(Natural, ProductsOfLongOperands) {
  std::mt19937_64 rng(13);
  for (int round = 0; round < 60; ++round) {
    // More than 300 limbs on both sides takes the path with a third word.
    const std::size_t la = 1 + rng() % 8000, lb = 1 + rng() % 8000;
    const Natural a = N(RandomText(rng, la, round % 2 == 0)),
                  b = N(RandomText(rng, lb, round % 2 == 0));
    const Natural p = a * b;
    Natural q, r;
    DivMod(p, b, q, r);
    ASSERT_EQ(q, a);
    ASSERT_TRUE(r.IsZero());
    ASSERT_EQ(p, b * a);
  }
  // (10^n - 1)^2 = 10^2n - 2 * 10^n + 1
  const Natural nines = N(std::string(9000, '9'));
  EXPECT_EQ((nines * nines).ToDecimal(),
            std::string(8999, '9') + "8" + std::string(8999, '0') + "1");
}

TEST(Natural, ShiftsAndSmallOperations) {
  const Natural a = N("123456789012345678901234567890");
  EXPECT_EQ(a.ShiftedUp(25).ToDecimal(), "123456789012345678901234567890" + std::string(25, '0'));
  EXPECT_EQ(a.ShiftedDown(25).ToDecimal(), "12345");
  EXPECT_EQ(a.ShiftedDown(40).ToDecimal(), "0");
  Natural b = a;
  EXPECT_EQ(b.DivideSmall(11), 7u);
  EXPECT_EQ(b * 11 + Natural(7), a);
  EXPECT_EQ((a * 999999999999999999ull).ToDecimal(), (a * N("999999999999999999")).ToDecimal());
}

TEST(Natural, Powers) {
  EXPECT_EQ(Power(N("2"), 0).ToDecimal(), "1");
  EXPECT_EQ(Power(Natural(), 0).ToDecimal(), "1");
  EXPECT_EQ(Power(Natural(), 5).ToDecimal(), "0");
  EXPECT_EQ(Power(N("2"), 100).ToDecimal(), "1267650600228229401496703205376");
  EXPECT_EQ(Power(N("10"), 40).ToDecimal(), "1" + std::string(40, '0'));
  EXPECT_EQ(Power(N("999999999999999999"), 3).ToDecimal(),
            "999999999999999997000000000000000002999999999999999999");
  // Against repeated multiplication.
  Natural product(1);
  const Natural base = N("123456789012345678901234567");
  for (int e = 1; e <= 37; ++e) {
    product = product * base;
    EXPECT_EQ(Power(base, e), product) << e;
  }
}

TEST(Natural, SquareRoots) {
  EXPECT_EQ(Sqrt(Natural()).ToDecimal(), "0");
  EXPECT_EQ(Sqrt(Natural(15)).ToDecimal(), "3");
  EXPECT_EQ(Sqrt(Natural(16)).ToDecimal(), "4");
  EXPECT_EQ(Sqrt(N("2" + std::string(100, '0'))).ToDecimal().substr(0, 20), "14142135623730950488");
  std::mt19937_64 rng(14);
  for (int round = 0; round < 300; ++round) {
    const Natural a = N(RandomText(rng, 1 + rng() % 700, round % 2 == 0));
    const Natural s = Sqrt(a);
    ASSERT_LE(s * s, a);
    ASSERT_GT((s + Natural(1)) * (s + Natural(1)), a);
  }
}

}  // namespace
}  // namespace taketa
