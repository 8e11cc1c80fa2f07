#include <gtest/gtest.h>

#include <random>

#include "calculators/Njoukon/Njoukon_calc.h"
#include "digits/natural.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/power_cases.h"

namespace taketa::Njoukon {
namespace {

using testing::RecordingRun;

const std::string kDegree = "半角数字で 2以上 300以下の自然数を入力してください。";
const std::string kDegreeLength = "入力文字数を3以下にしてください。";
const std::string kRadicand = "半角数字で20桁以内の正の数を入力してください。";
const std::string kRadicandPoint =
    "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";

TEST(Njoukon, DegreeChecks) {
  const std::string range(kDegree), length(kDegreeLength);
  struct Row {
    const char* text;
    std::string message;
    long degree;
  } rows[] = {
      {"", range, 0},    {"a", range, 0},     {"２", range, 0},    {"1", range, 0},
      {"301", range, 0}, {"1000", length, 0}, {"0002", length, 0}, {"2", "", 2},
      {"300", "", 300},  {"002", "", 2},
  };
  for (const Row& row : rows) {
    long degree = 0;
    const InputCheck error = CheckDegree(row.text, degree);
    if (row.message.empty()) {
      ASSERT_FALSE(error) << row.text;
      EXPECT_EQ(degree, row.degree);
    } else {
      ASSERT_TRUE(error) << row.text;
      EXPECT_EQ(error->message, row.message) << row.text;
      EXPECT_EQ(error->box, 0);
    }
  }
}

TEST(Njoukon, RadicandChecks) {
  const std::string plain(kRadicand), point(kRadicandPoint);
  const std::string nines19(19, '9');
  struct Row {
    std::string text, message;
  } rows[] = {
      {"", plain},
      {nines19 + "9", ""},
      {nines19 + "99", plain},
      {"." + nines19, ""},
      {"." + nines19 + "9", point},
      {"9." + nines19, ""},
      {"9." + nines19 + "9", point},
      {"1.2.3", plain},
      {".", plain},
      {"0", plain},
      {"0.0", plain},
      {"000", plain},
      {"-1", plain},
      {"１", plain},
      {"2a", plain},
      {"0.5", ""},
  };
  for (const Row& row : rows) {
    const InputCheck error = CheckRadicand(row.text);
    if (row.message.empty()) {
      EXPECT_FALSE(error) << row.text;
    } else {
      ASSERT_TRUE(error) << row.text;
      EXPECT_EQ(error->message, row.message) << row.text;
      EXPECT_EQ(error->box, 1);
    }
  }
}

TEST(Njoukon, OneIsExactlyOne) {
  for (const char* one : {"1", "1.0", "01.00", "1.", "0001.0000000000000000"})
    EXPECT_TRUE(IsOne(one)) << one;
  for (const char* other : {"1.0000000000000000001", "0.9999999999999999999", "10", "0.1"}) {
    EXPECT_FALSE(IsOne(other)) << other;
  }
}

// The true root cut to 101 characters, or the exact root, made with
// Python's integers (integer N-th roots by Newton's iteration).
TEST(Njoukon, RootsAgainstIndependentArithmetic) {
  const auto cases = testing::ReadCases("njoukon-roots.txt");
  ASSERT_GE(cases.size(), 40u);
  for (const auto& c : cases) {
    RecordingRun run;
    EXPECT_EQ(Root(c[1], std::stol(c[0]), run), c[2]) << "N=" << c[0] << " x=" << c[1];
  }
}

// A decimal text as a whole number and its number of decimals.
std::pair<Natural, std::size_t> Scaled(const std::string& text) {
  std::string digits = text;
  const std::size_t point = digits.find('.');
  std::size_t decimals = 0;
  if (point != std::string::npos) {
    decimals = digits.size() - point - 1;
    digits.erase(point, 1);
  }
  return {Natural::FromDecimal(digits), decimals};
}

Natural Power(const Natural& base, long n) {
  Natural p(1);
  for (long i = 0; i < n; ++i) p = p * base;
  return p;
}

// Random radicands and degrees: the root shown r satisfies r^N <= x <
// (r + one unit in its last place)^N, checked with Natural's arithmetic, and
// it has 101 characters unless r^N = x.
TEST(Njoukon, RootIsTheTruncatedRoot) {
  std::mt19937_64 rng(63);
  for (int i = 0; i < 150; ++i) {
    const long n = 2 + static_cast<long>(rng() % 11);
    std::string digits;
    const std::size_t length = 1 + rng() % 20;
    while (digits.size() < length) digits += static_cast<char>('0' + rng() % 10);
    if (digits.find_first_not_of('0') == std::string::npos) digits.back() = '7';
    const std::size_t point = rng() % (length + 1);
    const std::string x =
        point == length ? digits : digits.substr(0, point) + "." + digits.substr(point);
    if (IsOne(x)) continue;
    SCOPED_TRACE("N=" + std::to_string(n) + " x=" + x);
    RecordingRun run;
    const std::optional<std::string> root = Root(x, n, run);
    ASSERT_TRUE(root);
    const auto [r, places] = Scaled(*root);
    const auto [value, decimals] = Scaled(x);
    // Compared at a common scale: r^N / 10^(N places) against value / 10^decimals.
    const Natural low = Power(r, n).ShiftedUp(decimals);
    const Natural high = Power(r + Natural(1), n).ShiftedUp(decimals);
    const Natural radicand = value.ShiftedUp(static_cast<std::size_t>(n) * places);
    EXPECT_LE(low, radicand);
    if (low != radicand) {
      EXPECT_EQ(root->size(), kShownLength);
      EXPECT_LT(radicand, high);
    }
  }
}

// A power just above the radicand must not count as equal: the root of 5 is
// not 2.2360679775 (whose square begins 5.00000000...), but continues.
TEST(Njoukon, PowerJustAboveTheRadicandIsAbove) {
  RecordingRun run;
  const std::optional<std::string> root = Root("5", 2, run);
  ASSERT_TRUE(root);
  EXPECT_EQ(root->size(), kShownLength);
  EXPECT_TRUE(root->starts_with(
      "2.236067977499789696409173668731276235440618359611525724270897245410520925637"));
}

// The candidates' lengths and the powers reached, pass by pass.
TEST(Njoukon, CandidatesAndPowersShown) {
  RecordingRun run;
  ASSERT_EQ(Root("2.25", 2, run), "1.5");  // 2 above, then 1.1 .. 1.4 below, 1.5 equal
  std::vector<std::pair<int, std::string>> expected;
  for (const char* length : {"1", "3", "3", "3", "3", "3"}) {
    expected.emplace_back(kLengthBox, length);
    expected.emplace_back(kPowerBox, "2");
  }
  EXPECT_EQ(run.shown, expected);
  EXPECT_EQ(run.polls, 5);  // once per candidate that was not the root

  RecordingRun cube;
  ASSERT_EQ(Root("8", 3, cube), "2");
  EXPECT_EQ(cube.shown, (std::vector<std::pair<int, std::string>>{
                            {kLengthBox, "1"}, {kPowerBox, "2"}, {kPowerBox, "3"}}));

  RecordingRun below;
  ASSERT_EQ(Root("0.25", 2, below), "0.5");  // 0.9 down to 0.5
  EXPECT_EQ(below.polls, 4);
}

// The next candidate raised on a second core: the same candidates, steps,
// polls and root as one candidate after the other, and the same stops.
TEST(Njoukon, CandidatesRaisedAheadOnTwoThreads) {
  std::mt19937_64 rng(64);
  for (int i = 0; i < 12; ++i) {
    const long n = 8 + static_cast<long>(rng() % 40);
    std::string x;
    for (std::size_t length = 1 + rng() % 20; x.size() < length;)
      x += static_cast<char>('0' + rng() % 10);
    if (i % 3 == 1) x.insert(rng() % x.size(), ".");
    if (x.find_first_not_of("0.") == std::string::npos || IsOne(x)) continue;
    SCOPED_TRACE("N=" + std::to_string(n) + " x=" + x);
    RecordingRun alone, ahead;
    const std::optional<std::string> root = Root(x, n, alone, false);
    ASSERT_TRUE(root);
    EXPECT_EQ(Root(x, n, ahead), root);
    EXPECT_EQ(ahead.shown, alone.shown);
    EXPECT_EQ(ahead.polls, alone.polls);
    if (alone.polls == 0) continue;
    const long stopAt = 1 + static_cast<long>(rng() % static_cast<unsigned long>(alone.polls));
    RecordingRun stoppedAlone(stopAt), stoppedAhead(stopAt);
    EXPECT_EQ(Root(x, n, stoppedAlone, false), std::nullopt);
    EXPECT_EQ(Root(x, n, stoppedAhead), std::nullopt);
    EXPECT_EQ(stoppedAhead.shown, stoppedAlone.shown);
  }
}

TEST(Njoukon, StopEndsWithoutRoot) {
  RecordingRun run(2);
  EXPECT_EQ(Root("2", 5, run), std::nullopt);
  EXPECT_EQ(run.polls, 2);
}

TEST(Njoukon, TextsAndBatchUnit) {
  EXPECT_EQ(
      StageTwoPrompt("003"),
      "20桁以内の正の数(整数または小数)を入力してください。その数の 003乗根を100桁まで求めます。");
  EXPECT_EQ(ResultCaption(3), "求める 3乗根");
  UnstoppableRun run;
  const std::vector<std::string> one = {"3", "1.0"};
  const UnitOutcome shown = RunUnit(one, run);
  EXPECT_EQ(shown.status, UnitOutcome::Status::kDone);
  EXPECT_FALSE(shown.offersSave);
  EXPECT_EQ(shown.file.lines, std::vector<std::string>{"1"});
  const std::vector<std::string> root = {"2", "2.25"};
  const UnitOutcome done = RunUnit(root, run);
  EXPECT_TRUE(done.offersSave);
  EXPECT_EQ(done.file, (ResultFile{"2.25 の2乗根", {"1.5"}}));
  const std::vector<std::string> badDegree = {"301", "2"};
  EXPECT_EQ(RunUnit(badDegree, run).error.message, kDegree);
  const std::vector<std::string> badRadicand = {"2", "0"};
  EXPECT_EQ(RunUnit(badRadicand, run).error, (InputError{kRadicand, 1, {}}));
}

}  // namespace
}  // namespace taketa::Njoukon
