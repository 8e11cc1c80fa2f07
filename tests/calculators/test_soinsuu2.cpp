#include <gtest/gtest.h>

#include <random>

#include "calculators/soinsuu2/cofactor.h"
#include "calculators/soinsuu2/soinsuu2_calc.h"
#include "digits/natural.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_soinsuu2.h"

namespace taketa::soinsuu2 {
namespace {

using testing::PlainFactorise;
using testing::RecordingRun;

const std::string kRefused = "半角数字で 2以上 50桁以内の自然数を入力してください。";
const std::string kLength = "入力文字数を50以下にしてください。";

std::string Repeat(const std::string& factor, int times, const std::string& last) {
  std::string text;
  for (int i = 0; i < times; ++i) text += factor + "×";
  return text + last;
}

TEST(Soinsuu2, InputChecks) {
  struct Row {
    const char* text;
    std::string message;  // "" when accepted
    const char* working;
  } rows[] = {
      {"", kRefused, ""},
      {"12a", kRefused, ""},
      {"１２", kRefused, ""},
      {"-12", kRefused, ""},
      {" 12", kRefused, ""},
      {"1.0", kRefused, ""},
      {"1", kRefused, ""},
      {"01", kRefused, ""},
      {"0", kRefused, ""},
      {"000", kRefused, ""},
      {"2", "", "2"},
      {"0012", "", "12"},
      {"12345678901234567890123456789012345678901234567890", "",
       "12345678901234567890123456789012345678901234567890"},
      {"123456789012345678901234567890123456789012345678901", kLength, ""},
      {"000000000000000000000000000000000000000000000000012", kLength, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::string working;
    const InputCheck error = CheckInput(row.text, working);
    if (row.message.empty()) {
      ASSERT_FALSE(error) << error->message;
      EXPECT_EQ(working, row.working);
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message, row.message);
      EXPECT_EQ(error->box, 0);
    }
  }
}

TEST(Soinsuu2, PathChoice) {
  EXPECT_TRUE(UsesShortPath("12"));
  EXPECT_TRUE(UsesShortPath("999999999999999999"));
  EXPECT_TRUE(UsesShortPath("9223371999999999999"));
  EXPECT_TRUE(UsesShortPath("9223372000000000000"));
  EXPECT_FALSE(UsesShortPath("9223372000000000001"));
  EXPECT_FALSE(UsesShortPath("9300000000000000000"));
  EXPECT_FALSE(UsesShortPath("10000000000000000000"));
}

// Factorisations made independently by trial division in Python.
TEST(Soinsuu2, KnownFactorisations) {
  struct Row {
    std::string working, factors;
  } rows[] = {
      {"4", "2×2"},
      {"9", "3×3"},
      {"25", "5×5"},
      {"12", "2×2×3"},
      {"600851475143", "71×839×1471×6857"},
      {"9007199254740993", "3×107×28059810762433"},
      {"9223372000000000000", Repeat("2", 14, "") + Repeat("5", 12, "") + "349×6607"},
      {"9223372000000000001", "383×757×9221×3449983751"},
      {"18446744073709551616", Repeat("2", 63, "2")},
      {"18446744073709551617", "274177×67280421310721"},
      {"100000000000000000000", Repeat("2", 20, "") + Repeat("5", 19, "5")},
      {"1267650600228229401496703205376", Repeat("2", 99, "2")},
      {"361555192162032949080", "2×2×2×3×3×5×7×7×7×11×13×17×19×23×29×31×37×41×43×47"},
      {"123456789012345678901234567890", "2×3×3×3×5×7×13×31×37×211×241×2161×3607×3803×2906161"},
      {"515377520732011331036461129765621272702107522001", Repeat("3", 99, "3")},
      {"10000000000000000000000000000000000000000000000000",
       Repeat("2", 49, "") + Repeat("5", 48, "5")},
      {"1000000070003700000259", "100000007×10000000000037"},
  };
  for (const Row& row : rows) {
    RecordingRun run;
    const Factorisation result = Factorise(row.working, run);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(result.result, row.factors) << row.working;
    EXPECT_EQ(result.memo1, row.factors + "    計算完了") << row.working;
  }
}

TEST(Soinsuu2, PrimesAndTheirMessage) {
  for (const char* prime : {"2", "3", "5", "97", "1000000007", "100000000003"}) {
    RecordingRun run;
    const Factorisation result = Factorise(prime, run);
    EXPECT_EQ(result.result, std::string(prime) + " は素数です。");
    EXPECT_EQ(result.memo1, result.result);
  }
}

// 10^20: after twenty factors 2 the cofactor is 5^20 and the bound shown is
// 5^10.
TEST(Soinsuu2, BoundFollowsTheCofactor) {
  RecordingRun run;
  Factorise("100000000000000000000", run);
  ASSERT_GE(run.shown.size(), 3u);
  EXPECT_EQ(run.shown[20], std::make_pair(kDivisorBox, std::string("3")));
  EXPECT_EQ(run.shown[21], std::make_pair(kBoundBox, std::string("9765625")));
}

void ExpectSameAsPlain(const std::string& working) {
  RecordingRun run;
  const Factorisation fast = Factorise(working, run);
  const testing::PlainFactorisation plain = PlainFactorise(working);
  ASSERT_TRUE(fast.finished);
  ASSERT_EQ(fast.result, plain.result) << working;
  ASSERT_EQ(fast.memo1, plain.memo1) << working;
  ASSERT_EQ(run.shown, plain.shown) << working;
}

// Every number up to 30000 and random ones of both paths: the same factors
// and the same progress values, in the same order, as trying every odd
// divisor.
TEST(Soinsuu2, SameFactorsAndProgressAsEveryDivisor) {
  for (int n = 2; n <= 30000; ++n) ExpectSameAsPlain(std::to_string(n));
  std::mt19937_64 rng(2);
  for (int i = 0; i < 40; ++i) ExpectSameAsPlain(std::to_string(2 + rng() % 2000000000000ULL));
  // Progress of the short path up to 1000001, of the long path from 19999.
  ExpectSameAsPlain(std::to_string(1000003ULL * 1000033ULL));
  ExpectSameAsPlain("24190971078898144509952");  // 2^40 * 100003 * 220009
  ExpectSameAsPlain("9223372036854775807");      // 7^2 * 73 * 127 * 337 * 92737 * 649657
  // A factor whose division leaves a cofactor with a root below it: the
  // next divisor, shown when due, is the last.
  ExpectSameAsPlain("40000399997");               // 199999 * 200003: 200001 shown
  ExpectSameAsPlain("450540069567447494033408");  // 2^50 * 19997 * 20011: 19999 shown
  // Long path: numbers of 20 to 50 digits whose factors are all below 20000.
  for (int i = 0; i < 30; ++i) {
    Natural n(1);
    const std::size_t digits = 20 + rng() % 31;
    while (n.DigitCount() < digits) {
      Natural next = n * (2 + rng() % 19999);
      if (next.DigitCount() > 50) break;
      n = next;
    }
    if (n.DigitCount() >= 20) ExpectSameAsPlain(n.ToDecimal());
  }
}

TEST(Soinsuu2, StopKeepsTheFactorsFoundSoFar) {
  {
    RecordingRun run(1);  // 4 * 1000000007 * 1000000009: the short path
    const Factorisation result = Factorise("4000000064000000252", run);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(result.result, "2×2×");
    EXPECT_EQ(result.memo1, "2×2×");
    EXPECT_EQ(run.polls, 1);
  }
  {
    RecordingRun run(2);  // 3 * 100000000000000000039 (prime): the long path
    const Factorisation result = Factorise("300000000000000000117", run);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(result.result, "3×");
    EXPECT_EQ(run.polls, 2);
    EXPECT_EQ(run.Last(kFactorsBox), "3×");
  }
}

TEST(Soinsuu2, RunUnit) {
  UnstoppableRun run;
  const std::vector<std::string> ok = {"0012"};
  const UnitOutcome done = RunUnit(ok, run);
  EXPECT_EQ(done.status, UnitOutcome::Status::kDone);
  EXPECT_EQ(done.file, (ResultFile{"0012 の素因数分解結果", {"2×2×3"}}));
  const std::vector<std::string> prime = {"7"};
  EXPECT_EQ(RunUnit(prime, run).file.lines, std::vector<std::string>{"7 は素数です。"});
  const std::vector<std::string> bad = {"01"};
  EXPECT_EQ(RunUnit(bad, run).error.message, kRefused);
}

// The long path's number in machine words, against Natural.
TEST(Soinsuu2, CofactorArithmetic) {
  std::mt19937_64 rng(3);
  for (int i = 0; i < 300; ++i) {
    std::string digits = std::to_string(1 + rng() % 9);
    const std::size_t length = 1 + rng() % 50;
    while (digits.size() < length) digits += static_cast<char>('0' + rng() % 10);
    const Cofactor c = Cofactor::FromDecimal(digits);
    const Natural n = Natural::FromDecimal(digits);
    ASSERT_EQ(c.ToDecimal(), digits);
    EXPECT_EQ(ToDecimal(c.Sqrt()), Sqrt(n).ToDecimal());
    // Divisors below and above 2^64.
    const UInt128 small = 1 + rng() % 1000000000000ULL;
    const UInt128 large = (UInt128{1} << 64) + rng() % 100000;
    for (const UInt128 d : {small, large}) {
      Natural q, r;
      DivMod(n, Natural::FromDecimal(ToDecimal(d)), q, r);
      EXPECT_EQ(ToDecimal(c.Remainder(d)), r.ToDecimal()) << digits;
      Cofactor product =
          Cofactor::FromDecimal((q * Natural::FromDecimal(ToDecimal(d))).ToDecimal());
      if (!q.IsZero()) {
        product.DivideExactly(d);
        EXPECT_EQ(product.ToDecimal(), q.ToDecimal()) << digits;
      }
    }
  }
  EXPECT_TRUE(Cofactor::FromDecimal("1").IsOne());
  EXPECT_EQ(Cofactor::FromDecimal("0").ToDecimal(), "0");
  EXPECT_EQ(Cofactor::FromDecimal("10000000000000000000").ToDecimal(), "10000000000000000000");
}

}  // namespace
}  // namespace taketa::soinsuu2
