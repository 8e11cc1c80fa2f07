#include <gtest/gtest.h>

#include "tests/digits/digit_test_util.h"
#include "tests/digits/reference_kernels.h"

namespace taketa {
namespace {

using testing::RandomDigits;
using testing::Show;

struct Case {
  const char* name;
  DigitArray a, b;
  int n;
  DigitArray sum, difference;
};

TEST(AddSubtractDigits, SmallCases) {
  const Case cases[] = {
      {"carry reaches position 0", {0, 9, 9, 9}, {0, 0, 0, 1}, 3, {1, 0, 0, 0}, {0, 9, 9, 8}},
      {"borrow through zeros", {0, 1, 0, 0}, {0, 0, 0, 1}, 3, {0, 1, 0, 1}, {0, 0, 9, 9}},
      {"ten's complement", {0, 0, 0, 1}, {0, 0, 0, 2}, 3, {0, 0, 0, 3}, {0, 9, 9, 9}},
      {"position 0 ignored by subtraction",
       {5, 0, 0, 0},
       {0, 0, 0, 0},
       3,
       {5, 0, 0, 0},
       {0, 0, 0, 0}},
      {"n = 0 adds position 0 only", {7, 3}, {6, 9}, 0, {3, 0}, {0, 0}},
      {"equal operands", {0, 4, 5, 6}, {0, 4, 5, 6}, 3, {0, 9, 1, 2}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DigitArray r(c.a.size());
    AddDigits(c.a, c.b, r, c.n);
    EXPECT_EQ(Show(r), Show(c.sum));
    r = DigitArray(c.a.size());
    SubtractDigits(c.a, c.b, r, c.n);
    EXPECT_EQ(Show(r), Show(c.difference));
  }
}

TEST(AddSubtractDigits, LeavesPositionsPastNAlone) {
  DigitArray a{0, 1, 2, 3, 4}, b{0, 5, 5, 5, 5}, r{7, 7, 7, 7, 7};
  AddDigits(a, b, r, 2);
  EXPECT_EQ(Show(r), "06777");
  r = DigitArray{7, 7, 7, 7, 7};
  SubtractDigits(b, a, r, 2);
  EXPECT_EQ(Show(r), "04377");
  r = DigitArray{7, 7};
  AddDigits(a, b, r, -1);
  SubtractDigits(a, b, r, -1);
  EXPECT_EQ(Show(r), "77");
}

// The word-at-a-time kernels against the digit-by-digit ones, on every length
// up to a few words and on long arrays, with the result in a third array
// and in either operand.
TEST(AddSubtractDigits, AgreeWithPlainKernels) {
  std::mt19937_64 rng(20261208);
  for (int round = 0; round < 4000; ++round) {
    const int n = round < 2000 ? round % 70 : static_cast<int>(rng() % 3000);
    const std::size_t size = static_cast<std::size_t>(n) + 1 + rng() % 3;
    const bool runs = round % 2 == 1;
    const DigitArray a = RandomDigits(rng, size, runs), b = RandomDigits(rng, size, runs);
    DigitArray expectSum(size), expectDifference(size);
    reference::AddDigits(a, b, expectSum, n);
    reference::SubtractDigits(a, b, expectDifference, n);
    // Positions past n keep what the result array held.
    const DigitArray start = RandomDigits(rng, size);
    for (std::size_t i = n + 1; i < size; ++i) expectSum[i] = expectDifference[i] = start[i];

    DigitArray r = start;
    AddDigits(a, b, r, n);
    ASSERT_EQ(Show(r), Show(expectSum)) << "A=" << Show(a) << " B=" << Show(b) << " n=" << n;
    r = start;
    SubtractDigits(a, b, r, n);
    ASSERT_EQ(Show(r), Show(expectDifference)) << "A=" << Show(a) << " B=" << Show(b) << " n=" << n;

    DigitArray alias = a;
    for (std::size_t i = n + 1; i < size; ++i) alias[i] = start[i];
    DigitArray expect = expectSum;
    for (std::size_t i = n + 1; i < size; ++i) expect[i] = alias[i];
    AddDigits(alias, b, alias, n);
    ASSERT_EQ(Show(alias), Show(expect)) << "R = A, n=" << n;
    alias = b;
    for (std::size_t i = n + 1; i < size; ++i) alias[i] = start[i];
    SubtractDigits(a, alias, alias, n);
    ASSERT_EQ(Show(alias), Show(expectDifference)) << "R = B, n=" << n;
  }
}

// (a + b) - b = a over positions 1..n, whatever carry reached position 0.
TEST(AddSubtractDigits, SubtractionUndoesAddition) {
  std::mt19937_64 rng(7);
  for (int round = 0; round < 500; ++round) {
    const int n = 1 + static_cast<int>(rng() % 500);
    DigitArray a = RandomDigits(rng, n + 1, true), b = RandomDigits(rng, n + 1, true);
    a[0] = b[0] = 0;
    DigitArray r(n + 1);
    AddDigits(a, b, r, n);
    SubtractDigits(r, b, r, n);
    ASSERT_EQ(Show(r).substr(1), Show(a).substr(1)) << "n=" << n;
  }
}

}  // namespace
}  // namespace taketa
