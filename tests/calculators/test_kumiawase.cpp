#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "calculators/common/counting_steps.h"
#include "calculators/kumiawase/exact_quotient.h"
#include "calculators/kumiawase/kumiawase_calc.h"
#include "digits/natural.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_counting.h"

namespace taketa::kumiawase {
namespace {

using testing::DecimalResidue;
using testing::RecordingRun;

std::string Combinations(long n, long r) {
  UnstoppableRun run;
  return Compute(n, r, run).value();
}

std::string WithCount(const std::string& digits) {
  return digits + "    (桁数＝" + std::to_string(digits.size()) + ")";
}

TEST(Kumiawase, ChecksAreThoseOfPermutations) {
  long n = 0, r = 0;
  EXPECT_EQ(CheckCounts("3", "4", n, r), (InputError{"r は n 以下でなければなりません。", 1, {}}));
  EXPECT_EQ(CheckCounts("", "4", n, r),
            (InputError{"半角数字で 50000以下の自然数を入力してください。", 0, {}}));
  EXPECT_EQ(CheckCounts("10", "0", n, r),
            (InputError{"半角数字で 50000以下の自然数を入力してください。", 1, {}}));
  EXPECT_EQ(CheckCounts("10", "123456", n, r),
            (InputError{"入力文字数を5以下にしてください。", 1, {}}));
  EXPECT_FALSE(CheckCounts("7", "7", n, r));
}

TEST(Kumiawase, KnownValues) {
  EXPECT_EQ(Combinations(10, 3), "120    (桁数＝3)");
  EXPECT_EQ(Combinations(10, 7), "120    (桁数＝3)");
  EXPECT_EQ(Combinations(5, 1), "5    (桁数＝1)");
  EXPECT_EQ(Combinations(50000, 1), "50000    (桁数＝5)");
  EXPECT_EQ(Combinations(52, 5), "2598960    (桁数＝7)");
  EXPECT_EQ(Combinations(6, 3), "20    (桁数＝2)");  // 120 / 6: the first digit is 0
  // python3 -c 'import math; print(math.comb(1000, 500))'
  EXPECT_EQ(
      Combinations(1000, 500),
      WithCount(
          "27028824094543656951561469362597527549615200844654828700739287510662542870552219389861"
          "24839245023701653626060850215461048022097500506799175498942196995184754236654842637"
          "51733356162464079737887344364574161119497604571044985756287880514600994219426752366"
          "915856603136862602484428109296905863799821216320"));
}

// Every r for small n, and a random spread, against the plain products and
// the plain division by repeated subtraction.
TEST(Kumiawase, MatchesThePlainCalculation) {
  for (long n = 2; n <= 40; ++n) {
    for (long r = 1; r < n; ++r) {
      ASSERT_EQ(Combinations(n, r), WithCount(testing::PlainCombinations(n, r))) << n << "C" << r;
    }
  }
  std::mt19937_64 rng(5);
  for (int k = 0; k < 40; ++k) {
    const long n = std::uniform_int_distribution<long>(41, k < 30 ? 600 : 50000)(rng);
    const long r = k < 30 ? std::uniform_int_distribution<long>(1, n - 1)(rng)
                          : std::uniform_int_distribution<long>(1, 150)(rng) * (k % 2 ? 1 : -1) +
                                (k % 2 ? 0 : n);
    ASSERT_EQ(Combinations(n, r), WithCount(testing::PlainCombinations(n, r))) << n << "C" << r;
  }
}

// With Python: s = str(math.comb(50000, 25000)), and the same for 49999C24998.
TEST(Kumiawase, Largest) {
  struct Row {
    long n, r;
    std::size_t digits;
    const char* head;
    const char* tail;
    std::uint64_t mersenne61, prime;
  } rows[] = {
      {50000, 25000, 15050, "112781037877517675905405041621", "583109681931359573963991149120",
       1579773747279878428ULL, 433935456ULL},
      {49999, 24998, 15049, "563860078776861801519783335765", "242493479032879844596732425440",
       1171287094125542122ULL, 578060804ULL},
  };
  for (const Row& row : rows) {
    std::string result = Combinations(row.n, row.r);
    ASSERT_TRUE(result.ends_with("    (桁数＝" + std::to_string(row.digits) + ")"));
    result.resize(row.digits);
    EXPECT_EQ(result.substr(0, 30), row.head);
    EXPECT_EQ(result.substr(row.digits - 30), row.tail);
    EXPECT_EQ(DecimalResidue(result, (1ULL << 61) - 1), row.mersenne61);
    EXPECT_EQ(DecimalResidue(result, 998244353), row.prime);
  }
}

// r is reduced to n - r when that is smaller: the steps show it.
TEST(Kumiawase, StagesAndTheirSteps) {
  // 10C7: numerator 8 x 9 x 10 = 720, denominator 3! = 6, quotient 120.
  RecordingRun run;
  ASSERT_EQ(Compute(10, 7, run), "120    (桁数＝3)");
  std::vector<std::string> shown;
  for (const auto& [box, text] : run.shown) {
    EXPECT_EQ(box, 0);
    shown.push_back(text);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{"8", "9", "10", "1", "2", "3", "1", "2", "3"}));
  EXPECT_EQ(run.polls, 3 + 3 + 2);  // the pass that completes the quotient is not polled

  // 6C3: 120 / 6, the first quotient digit 0 counted as a pass.
  RecordingRun zero;
  ASSERT_EQ(Compute(6, 3, zero), "20    (桁数＝2)");
  EXPECT_EQ(zero.Last(), "3");
  EXPECT_EQ(zero.polls, 3 + 3 + 2);
}

TEST(Kumiawase, StopInEveryStage) {
  // 30C10: 10 numerator steps, 10 denominator steps, then the division.
  for (long stopAt : {1L, 10L, 11L, 20L, 21L, 22L}) {
    RecordingRun run(stopAt);
    EXPECT_EQ(Compute(30, 10, run), std::nullopt) << stopAt;
    EXPECT_EQ(run.polls, stopAt);
  }
  RecordingRun run(15);
  EXPECT_EQ(Compute(30, 10, run), std::nullopt);
  EXPECT_EQ(run.Last(), "5");  // the fifth denominator step
}

// With r of a thousand or more the denominator is built on a second core
// while the numerator is built here: the same steps, polls and stops as
// one stage after the other, and the same digits.
TEST(Kumiawase, DenominatorOnTwoThreads) {
  const long n = 2400, r = 1200;
  const std::string expected = testing::PlainCombinations(n, r);
  std::vector<std::string> steps;
  for (long i = n - r + 1; i <= n; ++i) steps.push_back(std::to_string(i));
  for (long i = 1; i <= r; ++i) steps.push_back(std::to_string(i));
  for (int round = 0; round < 3; ++round) {
    RecordingRun run;
    ASSERT_EQ(Compute(n, r, run), WithCount(expected));
    std::vector<std::string> shown;
    for (const auto& [box, text] : run.shown) shown.push_back(text);
    ASSERT_GE(shown.size(), steps.size());
    EXPECT_TRUE(std::equal(steps.begin(), steps.end(), shown.begin()));
    EXPECT_EQ(run.Last(), std::to_string(shown.size() - steps.size()));
    EXPECT_GE(shown.size() - steps.size(), expected.size());  // one pass per quotient digit
    EXPECT_EQ(run.polls, static_cast<long>(shown.size()) - 1);
  }
  for (long stopAt : {1L, 700L, r, r + 1, r + 600, 2 * r, 2 * r + 1, 2 * r + 50}) {
    RecordingRun run(stopAt);
    EXPECT_EQ(Compute(n, r, run), std::nullopt) << stopAt;
    EXPECT_EQ(run.polls, stopAt);
    EXPECT_EQ(static_cast<long>(run.shown.size()), stopAt);
    if (stopAt <= 2 * r) {
      EXPECT_EQ(run.Last(), steps[static_cast<std::size_t>(stopAt - 1)]);
    }
  }
}

TEST(Kumiawase, RunUnit) {
  UnstoppableRun run;
  const std::vector<std::string> equal = {"7", "7"};
  const UnitOutcome at1 = RunUnit(equal, run);
  EXPECT_EQ(at1.status, UnitOutcome::Status::kDone);
  EXPECT_FALSE(at1.offersSave);
  EXPECT_EQ(at1.file.lines, std::vector<std::string>{"1    (桁数＝1)"});
  const std::vector<std::string> ok = {"10", "7"};
  const UnitOutcome done = RunUnit(ok, run);
  EXPECT_TRUE(done.offersSave);
  // The title keeps r as typed, not reduced.
  EXPECT_EQ(done.file,
            (ResultFile{"異なる10個のものから7個とった組合せの総数", {"120    (桁数＝3)"}}));
  RecordingRun stopping(2);
  EXPECT_EQ(RunUnit(ok, stopping).status, UnitOutcome::Status::kStopped);
}

// --- The division on its own ------------------------------------------------

std::string RandomDigits(std::mt19937_64& rng, std::size_t count, int kind) {
  std::string text(count, '0');
  std::uniform_int_distribution<int> digit(0, 9);
  for (char& c : text) {
    const int d = digit(rng);
    c = static_cast<char>('0' + (kind == 1 ? (d < 5 ? 9 : 0) : kind == 2 ? (d < 8 ? 9 : d) : d));
  }
  text[0] = static_cast<char>('1' + digit(rng) % 9);
  return text;
}

// Units first at 1..len, element 0 unused, as the plain division takes them.
std::vector<std::uint8_t> UnitsFirst(const std::string& text) {
  std::vector<std::uint8_t> digits(text.size() + 1);
  for (std::size_t k = 1; k <= text.size(); ++k)
    digits[k] = static_cast<std::uint8_t>(text[text.size() - k] - '0');
  return digits;
}

void ExpectSameDivision(const std::string& denominator, const std::string& quotient) {
  const Natural den = Natural::FromDecimal(denominator);
  const Natural num = den * Natural::FromDecimal(quotient);
  const std::string numText = num.ToDecimal();
  const std::vector<int> plain = testing::PlainExactDivision(
      UnitsFirst(numText), numText.size(), UnitsFirst(denominator), denominator.size());
  ExactQuotient fast(num.limbs(), den.limbs());
  ASSERT_EQ(fast.DigitCount(), plain.size()) << denominator << " x " << quotient;
  std::vector<int> digits;
  for (std::size_t k = 0; k < plain.size(); ++k) digits.push_back(fast.NextDigit());
  ASSERT_EQ(digits, plain) << denominator << " x " << quotient;
}

// Random denominators and quotients of every length up to a few limbs and
// beyond, with runs of 9 and 0 that put the remainder next to a multiple of
// the divisor, where the estimate is one short.
TEST(ExactQuotient, MatchesTheDivisionByRepeatedSubtraction) {
  std::mt19937_64 rng(6);
  const std::size_t sizes[] = {1, 2, 9, 17, 18, 19, 35, 36, 37, 54, 55, 120, 400};
  for (std::size_t lenD : sizes) {
    for (std::size_t lenQ : sizes) {
      for (int kind = 0; kind < 3; ++kind) {
        ExpectSameDivision(RandomDigits(rng, lenD, kind), RandomDigits(rng, lenQ, kind));
      }
    }
  }
}

TEST(ExactQuotient, AwkwardDivisors) {
  const std::string nines36(36, '9'), tenTo18 = "1" + std::string(18, '0');
  const char* quotients[] = {"1",
                             "9",
                             "10",
                             "99999999999999999999999999999999999999",
                             "100000000000000000000000000000000000001",
                             "5000000000000000000000000000"};
  for (const std::string& d :
       {std::string("1"), std::string("7"), tenTo18, tenTo18 + "1", nines36,
        std::string("1") + std::string(35, '0') + "1", std::string("999999999999999999"),
        std::string("1000000000000000000000000000000000000")}) {
    for (const char* q : quotients) ExpectSameDivision(d, q);
  }
  ExactQuotient same(Natural::FromDecimal(nines36).limbs(), Natural::FromDecimal(nines36).limbs());
  EXPECT_EQ(same.DigitCount(), 1u);
  EXPECT_EQ(same.NextDigit(), 1);
}

}  // namespace
}  // namespace taketa::kumiawase
