#include <gtest/gtest.h>

#include <random>

#include "calculators/common/counting_steps.h"
#include "calculators/junretu/junretu_calc.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_counting.h"

namespace taketa::junretu {
namespace {

using testing::DecimalResidue;
using testing::RecordingRun;

const std::string kRange = "半角数字で 50000以下の自然数を入力してください。";
const std::string kLength = "入力文字数を5以下にしてください。";
const std::string kOrder = "r は n 以下でなければなりません。";

std::string Permutations(long n, long r) {
  UnstoppableRun run;
  return Compute(n, r, run).value();
}

TEST(Junretu, InputChecksInOrder) {
  struct Row {
    const char* name;
    const char* n;
    const char* r;
    std::string message;  // "" when accepted
    int box;
  } rows[] = {
      {"n empty", "", "3", kRange, 0},
      {"n empty before r empty", "", "", kRange, 0},
      {"n letter", "1x", "3", kRange, 0},
      {"n full-width", "１０", "3", kRange, 0},
      {"n six characters", "000010", "3", kLength, 0},
      {"n zero", "0", "3", kRange, 0},
      {"n above the limit", "50001", "3", kRange, 0},
      {"n wrong before r wrong", "0", "x", kRange, 0},
      {"r empty", "10", "", kRange, 1},
      {"r letter", "10", "3.", kRange, 1},
      {"r six characters", "10", "000003", kLength, 1},
      {"r zero", "10", "0", kRange, 1},
      {"r above the limit", "10", "99999", kRange, 1},
      {"r above n", "3", "4", kOrder, 1},
      {"r above the limit beats the order", "50000", "50001", kRange, 1},
      {"r = n", "5", "5", "", 0},
      {"leading zeros", "00010", "003", "", 0},
      {"largest", "50000", "50000", "", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    long n = 0, r = 0;
    const InputCheck error = CheckCounts(row.n, row.r, n, r);
    if (row.message.empty()) {
      ASSERT_FALSE(error) << error->message;
      EXPECT_EQ(n, std::stol(row.n));
      EXPECT_EQ(r, std::stol(row.r));
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message, row.message);
      EXPECT_EQ(error->box, row.box);
    }
  }
}

TEST(Junretu, KnownValues) {
  EXPECT_EQ(Permutations(10, 3), "720    (桁数＝3)");
  EXPECT_EQ(Permutations(5, 5), "120    (桁数＝3)");
  EXPECT_EQ(Permutations(50000, 1), "50000    (桁数＝5)");
  EXPECT_EQ(Permutations(1, 1), "1    (桁数＝1)");
  // python3 -c 'import math; print(math.perm(1000, 37))'
  EXPECT_EQ(
      Permutations(1000, 37),
      "509536306385923096686906586569410458929356373249494547062381531336031041752171214752357"
      "243763766067200000000000    (桁数＝111)");
}

TEST(Junretu, RandomAgainstThePlainProduct) {
  std::mt19937_64 rng(4);
  for (int k = 0; k < 60; ++k) {
    const long n = std::uniform_int_distribution<long>(1, k < 40 ? 300 : 50000)(rng);
    const long r = std::uniform_int_distribution<long>(1, std::min(n, 400L))(rng);
    const std::string plain = testing::PlainProduct(n - r + 1, n);
    ASSERT_EQ(Permutations(n, r), plain + "    (桁数＝" + std::to_string(plain.size()) + ")")
        << n << "P" << r;
  }
}

// With Python: s = str(math.perm(50000, 25000)); and 50000P50000 = 50000!.
TEST(Junretu, Largest) {
  std::string result = Permutations(50000, 25000);
  ASSERT_TRUE(result.ends_with("    (桁数＝114143)"));
  result.resize(114143);
  EXPECT_EQ(result.substr(0, 30), "614421908122641213685096167814");
  EXPECT_EQ(DecimalResidue(result, (1ULL << 61) - 1), 361119287158839976ULL);
  EXPECT_EQ(DecimalResidue(result, 998244353), 937015967ULL);
  result = Permutations(50000, 50000);
  ASSERT_TRUE(result.ends_with("    (桁数＝213237)"));
  result.resize(213237);
  EXPECT_EQ(DecimalResidue(result, (1ULL << 61) - 1), 1385672300357022285ULL);
}

TEST(Junretu, StepsCountFromNMinusRPlusOne) {
  RecordingRun run;
  ASSERT_TRUE(Compute(1000, 300, run));
  ASSERT_EQ(run.shown.size(), 300u);
  for (long k = 0; k < 300; ++k) ASSERT_EQ(run.shown[k].second, std::to_string(701 + k));
  EXPECT_EQ(run.polls, 300);

  RecordingRun stopped(7);
  EXPECT_EQ(Compute(1000, 300, stopped), std::nullopt);
  EXPECT_EQ(stopped.Last(), "707");
}

TEST(Junretu, RunUnitKeepsTheTextsAsTyped) {
  UnstoppableRun run;
  const std::vector<std::string> ok = {"010", "03"};
  EXPECT_EQ(RunUnit(ok, run).file,
            (ResultFile{"異なる010個のものから03個とった順列の総数", {"720    (桁数＝3)"}}));
  EXPECT_EQ(SaveTitle("10", "3"), "異なる10個のものから3個とった順列の総数");
  const std::vector<std::string> bad = {"3", "4"};
  const UnitOutcome refused = RunUnit(bad, run);
  EXPECT_EQ(refused.status, UnitOutcome::Status::kRefused);
  EXPECT_EQ(refused.error, (InputError{kOrder, 1, {}}));
}

}  // namespace
}  // namespace taketa::junretu
