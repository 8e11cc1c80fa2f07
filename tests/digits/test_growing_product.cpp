// The growing product against the plain schoolbook step, on multipliers of
// every size up to the limit, with limbs pushed to their redundant bound.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>
#include <utility>

#include "digits/growing_product.h"
#include "digits/natural.h"
#include "tests/digits/plain_growing_product.h"

namespace taketa {
namespace {

constexpr std::uint64_t kLargest = GrowingProduct::kMultiplierLimit - 1;

// A multiplier of a random size class: one digit, up to five, up to the
// limit, a power of ten, ten to a power less one, near the limit.
std::uint64_t RandomMultiplier(std::mt19937_64& rng) {
  std::uint64_t power = 1;
  for (int k = std::uniform_int_distribution<int>(0, 14)(rng); k > 0; --k) power *= 10;
  switch (std::uniform_int_distribution<int>(0, 5)(rng)) {
    case 0: return std::uniform_int_distribution<std::uint64_t>(1, 9)(rng);
    case 1: return std::uniform_int_distribution<std::uint64_t>(1, 99999)(rng);
    case 2: return std::uniform_int_distribution<std::uint64_t>(1, kLargest)(rng);
    case 3: return power;
    case 4: return power * 10 - 1 < GrowingProduct::kMultiplierLimit ? power * 10 - 1 : power - 1;
    default: return kLargest - std::uniform_int_distribution<std::uint64_t>(0, 1000)(rng);
  }
}

TEST(GrowingProduct, StartsAtOne) {
  const GrowingProduct p;
  EXPECT_EQ(p.ToDecimal(), "1");
  EXPECT_EQ(p.Limbs(), std::vector<std::uint64_t>{1});
}

TEST(GrowingProduct, EveryStepMatchesThePlainStep) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937_64 rng(seed);
    GrowingProduct fast(seed % 2 ? 0 : 5000);  // with and without room reserved
    reference::PlainGrowingProduct plain;
    for (int step = 0; step < 250; ++step) {
      const std::uint64_t m = RandomMultiplier(rng);
      fast.MultiplyBy(m);
      plain.MultiplyBy(m);
      ASSERT_EQ(fast.ToDecimal(), plain.ToDecimal())
          << "seed " << seed << " step " << step << " m " << m;
    }
  }
}

// The largest multiplier again and again keeps every limb near the top of
// its redundant range; the digits must still be exact.
TEST(GrowingProduct, LargestMultiplierRepeated) {
  GrowingProduct fast;
  reference::PlainGrowingProduct plain;
  for (int step = 1; step <= 400; ++step) {
    fast.MultiplyBy(kLargest);
    plain.MultiplyBy(kLargest);
    if (step % 50 == 0) {
      ASSERT_EQ(fast.ToDecimal(), plain.ToDecimal()) << step;
    }
  }
  // And against Natural's limbs, which settle every carry at every step.
  Natural natural(1);
  for (int step = 1; step <= 400; ++step) natural *= kLargest;
  const std::vector<std::uint64_t> limbs = fast.Limbs();
  EXPECT_TRUE(
      std::equal(limbs.begin(), limbs.end(), natural.limbs().begin(), natural.limbs().end()));
}

// Products that end in many zeros: the zero limbs at the bottom are
// skipped, and must stay zero.
TEST(GrowingProduct, TrailingZeroLimbs) {
  GrowingProduct fast;
  reference::PlainGrowingProduct plain;
  std::mt19937_64 rng(99);
  for (int step = 0; step < 300; ++step) {
    const std::uint64_t m = step % 3 == 0 ? 1000000 : step % 3 == 1 ? 125 : RandomMultiplier(rng);
    fast.MultiplyBy(m);
    plain.MultiplyBy(m);
  }
  EXPECT_EQ(fast.ToDecimal(), plain.ToDecimal());
}

TEST(GrowingProduct, FactorialsOfEverySizeMatchThePlainStep) {
  GrowingProduct fast;
  reference::PlainGrowingProduct plain;
  for (std::uint64_t i = 1; i <= 2500; ++i) {
    fast.MultiplyBy(i);
    plain.MultiplyBy(i);
    if (i <= 60 || i % 97 == 0 || i == 2500) {
      ASSERT_EQ(fast.ToDecimal(), plain.ToDecimal()) << i << "!";
    }
  }
}

// Swept in pieces on two threads from the first limbs on (the carries into
// each piece taken beforehand), with limbs near their redundant bound and
// zero limbs at the bottom: the same digits as the plain step, every step.
TEST(GrowingProduct, SharedStepsMatchThePlainStep) {
  for (unsigned seed = 21; seed <= 24; ++seed) {
    std::mt19937_64 rng(seed);
    GrowingProduct fast;
    fast.ShareFrom(seed % 2 ? 1 : 7);
    reference::PlainGrowingProduct plain;
    for (int step = 0; step < 300; ++step) {
      const std::uint64_t m = step % 5 == 0   ? 1000000
                              : step % 5 == 1 ? kLargest
                                              : RandomMultiplier(rng);
      fast.MultiplyBy(m);
      plain.MultiplyBy(m);
      if (step % 10 == 0 || step >= 290) {
        ASSERT_EQ(fast.ToDecimal(), plain.ToDecimal()) << "seed " << seed << " step " << step;
      }
    }
  }
}

TEST(GrowingProduct, RoomForARange) {
  struct Row {
    std::uint64_t from, to;
  } rows[] = {{1, 1}, {1, 9}, {1, 10}, {1, 25}, {1, 1000}, {25001, 50000}, {1, 50000}, {7, 6}};
  for (const Row& row : rows) {
    GrowingProduct p;
    for (std::uint64_t i = row.from; i <= row.to; ++i) p.MultiplyBy(i);
    const std::size_t digits = p.ToDecimal().size();
    EXPECT_GE(GrowingProduct::DigitsOfRange(row.from, row.to), digits)
        << row.from << ".." << row.to;
    EXPECT_LE(GrowingProduct::DigitsOfRange(row.from, row.to), digits + 3)
        << row.from << ".." << row.to;
  }
}

TEST(LimbsToDecimal, InnerLimbsKeepTheirZeros) {
  EXPECT_EQ(LimbsToDecimal({}), "0");
  EXPECT_EQ(LimbsToDecimal(std::vector<std::uint64_t>{7}), "7");
  EXPECT_EQ(LimbsToDecimal(std::vector<std::uint64_t>{5, 0, 7}),
            "7"
            "000000000000000000"
            "000000000000000005");
  EXPECT_EQ(
      LimbsToDecimal(std::vector<std::uint64_t>{999999999999999999ULL, 123456789012345678ULL}),
      "123456789012345678"
      "999999999999999999");
  EXPECT_EQ(LimbsToDecimal(std::vector<std::uint64_t>{100000000000000000ULL, 10}),
            "10"
            "100000000000000000");
}

}  // namespace
}  // namespace taketa

namespace taketa {
namespace {

std::string PlainProductOf(std::uint64_t from, std::uint64_t to) {
  reference::PlainGrowingProduct plain;
  for (std::uint64_t i = from; i <= to; ++i) plain.MultiplyBy(i);
  return plain.ToDecimal();
}

// Built on the helper or here (no helper, or asked for before the helper
// took it up), reached in steps of every size: the product of the plain
// steps.
TEST(ProductOnHelper, SameProductWhereverItIsBuilt) {
  HelperThread helper;
  std::mt19937_64 rng(11);
  for (const auto& [from, to] : std::vector<std::pair<std::uint64_t, std::uint64_t>>{
           {1, 1}, {1, 2}, {5, 9}, {1, 700}, {40000, 40400}, {1, 3000}}) {
    const std::string expected = PlainProductOf(from, to);
    for (int round = 0; round < 6; ++round) {
      ProductOnHelper product(round % 3 == 0 ? nullptr : &helper, from, to);
      if (round % 3 == 1) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      for (std::uint64_t i = from; i <= to; i += 1 + rng() % 50) product.Reach(i);
      product.Reach(to);
      ASSERT_EQ(product.Product().ToDecimal(), expected)
          << from << ".." << to << " round " << round;
    }
  }
}

// Destroyed before it is reached, as when a run stops: the helper's work
// ends and nothing is left running.
TEST(ProductOnHelper, LeftUnfinished) {
  HelperThread helper;
  for (int round = 0; round < 50; ++round) {
    ProductOnHelper product(&helper, 1, 20000);
    if (round % 2) product.Reach(1 + round * 10);
  }
  ProductOnHelper last(&helper, 1, 10);
  last.Reach(10);
  EXPECT_EQ(last.Product().ToDecimal(), "3628800");
}

}  // namespace
}  // namespace taketa
