// The running product against Natural's general product, step by step, on
// factors of every length it takes, and on the largest limbs and factors.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "digits/natural.h"
#include "digits/repeated_product.h"
#include "digits/vector_level.h"

namespace taketa {
namespace {

std::string RandomDigits(std::mt19937_64& rng, std::size_t count) {
  std::string text(count, '0');
  for (char& c : text) c = static_cast<char>('0' + rng() % 10);
  return text;
}

// Steps `steps` multiplications and compares every product.
void CheckSteps(const std::string& factor, const std::string& start, int steps) {
  RepeatedProduct product(factor, start);
  Natural expected = Natural::FromDecimal(start);
  const Natural f = Natural::FromDecimal(factor);
  ASSERT_EQ(product.ToDecimal(), expected.ToDecimal());
  for (int i = 1; i <= steps; ++i) {
    product.Multiply();
    expected = expected * f;
    ASSERT_EQ(product.ToDecimal(), expected.ToDecimal())
        << "factor " << factor << " start " << start << " step " << i;
  }
}

// Every test runs the baseline copy of the loop, the x86-64-v3 one and the
// x86-64-v4 one (a lower one again on a processor without them).
class RepeatedProductCopies : public ::testing::TestWithParam<VectorLevel> {
 protected:
  void SetUp() override { LimitVectorLevel(GetParam()); }
  void TearDown() override { LimitVectorLevel(VectorLevel::kX86_64V4); }
};

INSTANTIATE_TEST_SUITE_P(Levels, RepeatedProductCopies,
                         ::testing::Values(VectorLevel::kBaseline, VectorLevel::kX86_64V3,
                                           VectorLevel::kX86_64V4));

TEST_P(RepeatedProductCopies, EveryFactorLengthAgainstNatural) {
  std::mt19937_64 rng(6);
  for (std::size_t length = 1; length <= RepeatedProduct::kMaxFactorDigits; ++length) {
    CheckSteps(RandomDigits(rng, length), RandomDigits(rng, 1 + rng() % 40), 25);
  }
}

TEST_P(RepeatedProductCopies, LargestLimbsAndCarriesThroughZeros) {
  const std::string nines(RepeatedProduct::kMaxFactorDigits, '9');
  CheckSteps(nines, nines, 60);
  CheckSteps(nines, "1", 60);
  CheckSteps("9999999", "9999999", 200);
  CheckSteps("1" + std::string(104, '0'), "1", 30);  // the product is a power of ten
  CheckSteps("5", "2", 100);                         // long runs of zeros below the top
  CheckSteps("0000099", "0000000000999", 40);        // leading zeros are no digits
  CheckSteps("1", "123456789", 3);
  CheckSteps("10000001", "99999990000001", 80);
}

TEST_P(RepeatedProductCopies, ResetStartsOverWithLongerAndShorterFactors) {
  std::mt19937_64 rng(7);
  RepeatedProduct product;
  for (int round = 0; round < 40; ++round) {
    const std::string factor = RandomDigits(rng, 1 + rng() % 105);
    const std::string start = RandomDigits(rng, 1 + rng() % 105);
    product.Reset(factor, start);
    Natural expected = Natural::FromDecimal(start);
    const int steps = 1 + static_cast<int>(rng() % 60);
    for (int i = 0; i < steps; ++i) {
      product.Multiply();
      expected = expected * Natural::FromDecimal(factor);
    }
    ASSERT_EQ(product.ToDecimal(), expected.ToDecimal()) << "round " << round;
  }
}

// Every step shared with the helper, in pieces of every size, against
// Natural step by step and against the same product worked on one thread.
TEST_P(RepeatedProductCopies, SharedStepsAgainstNatural) {
  std::mt19937_64 rng(8);
  for (int round = 0; round < 12; ++round) {
    const std::string factor = RandomDigits(rng, 1 + rng() % RepeatedProduct::kMaxFactorDigits);
    RepeatedProduct shared(factor, "1");
    shared.ShareWorkFrom(0);
    Natural expected = Natural::FromDecimal("1");
    const Natural f = Natural::FromDecimal(factor);
    for (int i = 1; i <= 120; ++i) {
      shared.Multiply();
      expected = expected * f;
      if (i % 7 == 0 || i > 110) {
        ASSERT_EQ(shared.ToDecimal(), expected.ToDecimal()) << factor << " step " << i;
      }
    }
  }
}

TEST_P(RepeatedProductCopies, LongSharedStepsAgainstOneThread) {
  std::mt19937_64 rng(9);
  for (const std::size_t length : {100, 61, 7}) {
    const std::string factor = RandomDigits(rng, length);
    RepeatedProduct shared(factor, "1"), alone(factor, "1");
    shared.ShareWorkFrom(1);
    alone.ShareWorkFrom(~std::size_t{0});
    for (int i = 1; i <= 1500; ++i) {
      shared.Multiply();
      alone.Multiply();
    }
    ASSERT_EQ(shared.ToDecimal(), alone.ToDecimal()) << factor;
  }
}

TEST_P(RepeatedProductCopies, ZeroAndKnownPowers) {
  RepeatedProduct zero("0", "5");
  zero.Multiply();
  EXPECT_EQ(zero.ToDecimal(), "0");
  RepeatedProduct two("2", "1");
  for (int i = 0; i < 100; ++i) two.Multiply();
  EXPECT_EQ(two.ToDecimal(), "1267650600228229401496703205376");  // 2^100
}

}  // namespace
}  // namespace taketa
