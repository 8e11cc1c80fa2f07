#include <gtest/gtest.h>

#include "calculators/kaijou/kaijou_calc.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_counting.h"

namespace taketa::kaijou {
namespace {

using testing::DecimalResidue;
using testing::RecordingRun;

const std::string kRange = "半角数字で 50000以下の自然数を入力してください。";
const std::string kLength = "入力文字数を5以下にしてください。";

std::string Factorial(long n) {
  UnstoppableRun run;
  return Compute(n, run).value();
}

TEST(Kaijou, InputChecks) {
  struct Row {
    const char* name;
    const char* text;
    std::string message;  // "" when accepted
    long n;
  } rows[] = {
      {"empty", "", kRange, 0},
      {"letter", "1a", kRange, 0},
      {"point", "1.5", kRange, 0},
      {"full-width digits", "１０", kRange, 0},
      {"sign", "+5", kRange, 0},
      {"blank", "5 ", kRange, 0},
      {"a letter beats the length", "123456a", kRange, 0},
      {"six characters", "000010", kLength, 0},
      {"six digits", "100000", kLength, 0},
      {"zero", "0", kRange, 0},
      {"above the limit", "50001", kRange, 0},
      {"smallest", "1", "", 1},
      {"largest", "50000", "", 50000},
      {"leading zeros", "00010", "", 10},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    long n = 0;
    const InputCheck error = CheckInput(row.text, n);
    if (row.message.empty()) {
      ASSERT_FALSE(error) << error->message;
      EXPECT_EQ(n, row.n);
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message, row.message);
      EXPECT_EQ(error->box, 0);
    }
  }
}

TEST(Kaijou, KnownFactorials) {
  EXPECT_EQ(Factorial(1), "1    (桁数＝1)");
  EXPECT_EQ(Factorial(5), "120    (桁数＝3)");
  EXPECT_EQ(Factorial(10), "3628800    (桁数＝7)");
  EXPECT_EQ(Factorial(25), "15511210043330985984000000    (桁数＝26)");
  // python3 -c 'import math; print(math.factorial(100))'
  EXPECT_EQ(
      Factorial(100),
      "93326215443944152681699238856266700490715968264381621468592963895217599993229915608941"
      "463976156518286253697920827223758251185210916864000000000000000000000000    (桁数＝158)");
}

// Every N up to 300 and a spread above against the plain growing product.
TEST(Kaijou, MatchesThePlainProduct) {
  for (long n = 1; n <= 1500; n += n < 300 ? 1 : 149) {
    const std::string plain = testing::PlainProduct(1, n);
    ASSERT_EQ(Factorial(n), plain + "    (桁数＝" + std::to_string(plain.size()) + ")") << n;
  }
}

// The largest: its length, both ends and two residues, worked out with
// Python's integers:
//   s = str(math.factorial(50000)); len(s), s[:30], s[-30:], v % (2**61 - 1), v % 998244353
TEST(Kaijou, Largest) {
  const std::string result = Factorial(50000);
  const std::string suffix = "    (桁数＝213237)";
  ASSERT_TRUE(result.ends_with(suffix));
  const std::string digits = result.substr(0, result.size() - suffix.size());
  ASSERT_EQ(digits.size(), 213237u);
  EXPECT_EQ(digits.substr(0, 30), "334732050959714483691547609407");
  EXPECT_EQ(digits.find_last_not_of('0'), 213237u - 12499 - 1);  // 12499 trailing zeros
  EXPECT_EQ(DecimalResidue(digits, (1ULL << 61) - 1), 1385672300357022285ULL);
  EXPECT_EQ(DecimalResidue(digits, 998244353), 734256002ULL);
}

// One step per multiplier, each shown and followed by a poll.
TEST(Kaijou, StepsAndPolls) {
  for (long n : {1L, 10L, 2000L}) {
    RecordingRun run;
    ASSERT_TRUE(Compute(n, run));
    ASSERT_EQ(run.shown.size(), static_cast<std::size_t>(n));
    for (long i = 1; i <= n; ++i) {
      ASSERT_EQ(run.shown[i - 1], std::make_pair(0, std::to_string(i))) << i;
    }
    EXPECT_EQ(run.polls, n);
  }
}

TEST(Kaijou, StopEndsTheRunWithoutResult) {
  for (long stopAt : {1L, 2L, 3L, 4L, 999L, 1000L}) {
    RecordingRun run(stopAt);
    EXPECT_EQ(Compute(1000, run), std::nullopt) << stopAt;
    EXPECT_EQ(run.polls, stopAt);
    EXPECT_EQ(run.Last(), std::to_string(stopAt));
  }
}

TEST(Kaijou, RunUnit) {
  UnstoppableRun run;
  const std::vector<std::string> ok = {"00010"};
  const UnitOutcome done = RunUnit(ok, run);
  EXPECT_EQ(done.status, UnitOutcome::Status::kDone);
  EXPECT_TRUE(done.offersSave);
  EXPECT_EQ(done.file, (ResultFile{"00010の階乗", {"3628800    (桁数＝7)"}}));
  const std::vector<std::string> bad = {"0"};
  const UnitOutcome refused = RunUnit(bad, run);
  EXPECT_EQ(refused.status, UnitOutcome::Status::kRefused);
  EXPECT_EQ(refused.error.message, kRange);
  RecordingRun stopping(5);
  EXPECT_EQ(RunUnit(ok, stopping).status, UnitOutcome::Status::kStopped);
}

}  // namespace
}  // namespace taketa::kaijou
