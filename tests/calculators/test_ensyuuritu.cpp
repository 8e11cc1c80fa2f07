#include <gtest/gtest.h>

#include "calculators/ensyuuritu/ensyuuritu_calc.h"
#include "calculators/ensyuuritu/pi_series.h"
#include "digits/vector_level.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_series.h"

namespace taketa::ensyuuritu {
namespace {

using testing::PlainPi;
using testing::RecordingRun;
using testing::ReferenceDigits;

const std::string kRange = "半角数字で 2以上 60000以下の自然数を入力してください。";
const std::string kLength = "入力文字数を5以下にしてください。";

TEST(Ensyuuritu, InputChecks) {
  struct Row {
    const char* name;
    const char* text;
    std::string message;  // "" when accepted
    int digits;
  } rows[] = {
      {"empty", "", kRange, 0},
      {"letter", "12a", kRange, 0},
      {"full-width digits", "１２", kRange, 0},
      {"sign", "-5", kRange, 0},
      {"blank", " 50", kRange, 0},
      {"point", "5.0", kRange, 0},
      {"line break", "50\r\n", kRange, 0},
      {"six characters", "123456", kLength, 0},
      {"six zeros before the digits are still six", "000010", kLength, 0},
      {"zero", "0", kRange, 0},
      {"one", "1", kRange, 0},
      {"above the limit", "60001", kRange, 0},
      {"smallest", "2", "", 2},
      {"largest", "60000", "", 60000},
      {"leading zeros", "00100", "", 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int digits = 0;
    const InputCheck error = CheckInput(row.text, digits);
    if (row.message.empty()) {
      ASSERT_FALSE(error) << error->message;
      EXPECT_EQ(digits, row.digits);
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message, row.message);
      EXPECT_EQ(error->box, 0);
    }
  }
}

TEST(Ensyuuritu, KnownDigitsAndLastStep) {
  struct Row {
    int digits;
    const char* text;  // "" to compare with the reference file
    int lastStep;
  } rows[] = {
      {2, "31", 0},
      {10, "3141592653", 11},
      {50, "31415926535897932384626433832795028841971693993751", 40},
      {500, "", 362},
      {2000, "", 1435},
  };
  for (const Row& row : rows) {
    RecordingRun run;
    const std::optional<std::string> pi = Compute(row.digits, run);
    ASSERT_TRUE(pi);
    EXPECT_EQ(*pi, *row.text ? row.text : ReferenceDigits("pi").substr(0, row.digits));
    if (row.lastStep) {
      EXPECT_EQ(run.Last(), std::to_string(row.lastStep)) << row.digits;
    }
  }
}

// Every N up to 2000 and a spread above: the digits are the true digits cut
// off, and the passes and their step counter are those of the series with
// five guard digits, one step per pass from 2, one poll per pass but the last.
TEST(Ensyuuritu, ExactDigitsAndPlainSeriesSteps) {
  const std::string& reference = ReferenceDigits("pi");
  for (int n = 2; n <= 2000; n += n < 900 ? 1 : 7) {
    RecordingRun run;
    const std::optional<std::string> pi = Compute(n, run);
    ASSERT_TRUE(pi);
    ASSERT_EQ(*pi, reference.substr(0, n)) << "N=" << n;
    if (n <= 900 || n % 3 == 0) {
      const testing::PlainSeries plain = PlainPi(n);
      ASSERT_EQ(run.shown.size(), static_cast<std::size_t>(plain.lastStep - 1)) << "N=" << n;
      ASSERT_EQ(run.Last(), std::to_string(plain.lastStep)) << "N=" << n;
      ASSERT_EQ(run.polls, plain.lastStep - 2) << "N=" << n;
    }
  }
  for (int n : {4999, 10000, 33333, 60000}) {
    RecordingRun run;
    ASSERT_EQ(Compute(n, run), reference.substr(0, n)) << "N=" << n;
  }
}

// The sweep's baseline copy (the one a processor without AVX2 runs), its
// AVX2 copy without fused multiply-adds and its x86-64-v3 copy give the
// same digits as the copy the processor picks.
TEST(Ensyuuritu, BaselineCopyGivesTheSameDigits) {
  const std::string& reference = ReferenceDigits("pi");
  for (VectorLevel level : {VectorLevel::kBaseline, VectorLevel::kAvx2, VectorLevel::kX86_64V3}) {
    LimitVectorLevel(level);
    for (int n : {2, 3, 17, 100, 763, 1001, 4999, 20000}) {
      RecordingRun run;
      EXPECT_EQ(Compute(n, run), reference.substr(0, n)) << "N=" << n;
    }
  }
  LimitVectorLevel(VectorLevel::kX86_64V4);
}

// With five guard digits the plain series gets the last digit of these N
// wrong (the true digits continue 99999..., 99983..., 00031...); the shown
// digits must still be the true ones.
TEST(Ensyuuritu, LastDigitNearACarry) {
  const std::string& reference = ReferenceDigits("pi");
  for (int n : {763, 765, 855}) {
    EXPECT_NE(PlainPi(n).digits, reference.substr(0, n)) << "N=" << n;
    RecordingRun run;
    EXPECT_EQ(Compute(n, run), reference.substr(0, n)) << "N=" << n;
  }
}

// Too few guard digits to settle the last digit: the series is summed again
// with more until it is settled, and the result is still exact.
TEST(Ensyuuritu, SumsAgainWhenGuardDigitsCannotSettle) {
  const std::string& reference = ReferenceDigits("pi");
  for (int n = 2; n <= 400; ++n) {
    RecordingRun run;
    ASSERT_EQ(PiDigits(n, run, 1), reference.substr(0, n)) << "N=" << n;
    EXPECT_TRUE(run.shown.empty());
  }
}

// The groups of passes on two threads, one behind the other in stretches of
// a few limbs, at every kind of length: the same digits, the same steps
// shown and the same polls as on one thread, also when stopped and when
// summed again with more guard digits.
TEST(Ensyuuritu, TwoThreadsGiveTheSameDigitsStepsAndPolls) {
  const std::string& reference = ReferenceDigits("pi");
  const WavefrontSetting alone{~std::size_t{0}, 256}, twoThreads{1, 3};
  for (int n : {2, 9, 10, 11, 50, 100, 763, 1001, 4999, 12345}) {
    RecordingRun one, two;
    ASSERT_EQ(PiDigits(n, one, kGuardDigits, alone), reference.substr(0, n)) << "N=" << n;
    ASSERT_EQ(PiDigits(n, two, kGuardDigits, twoThreads), reference.substr(0, n)) << "N=" << n;
    EXPECT_EQ(two.shown, one.shown) << "N=" << n;
    EXPECT_EQ(two.polls, one.polls) << "N=" << n;
  }
  for (long stopAt : {1L, 2L, 17L, 40L, 300L}) {
    RecordingRun one(stopAt), two(stopAt);
    ASSERT_EQ(PiDigits(3000, one, kGuardDigits, alone), std::nullopt);
    ASSERT_EQ(PiDigits(3000, two, kGuardDigits, twoThreads), std::nullopt);
    EXPECT_EQ(two.shown, one.shown) << stopAt;
    EXPECT_EQ(two.polls, stopAt);
  }
  for (int n = 2; n <= 300; n += 7) {
    RecordingRun run;
    ASSERT_EQ(PiDigits(n, run, 1, {1, static_cast<std::size_t>(1 + n % 4)}), reference.substr(0, n))
        << "N=" << n;
  }
  RecordingRun longest;
  ASSERT_EQ(PiDigits(60000, longest, kGuardDigits, {1, 64}), reference);
}

TEST(Ensyuuritu, StopEndsTheRunWithoutResult) {
  RecordingRun run(3);
  EXPECT_EQ(Compute(2000, run), std::nullopt);
  EXPECT_EQ(run.polls, 3);
  EXPECT_EQ(run.Last(), "4");  // passes 2, 3 and 4 ran
}

TEST(Ensyuuritu, TitleKeepsTheTextAsTyped) {
  EXPECT_EQ(SaveTitle("00100"), "円周率00100桁");
  EXPECT_EQ(SaveTitle("1000"), "円周率1000桁");
}

TEST(Ensyuuritu, RunUnit) {
  UnstoppableRun run;
  const std::vector<std::string> ok = {"10"};
  const UnitOutcome done = RunUnit(ok, run);
  EXPECT_EQ(done.status, UnitOutcome::Status::kDone);
  EXPECT_TRUE(done.offersSave);
  EXPECT_EQ(done.file, (ResultFile{"円周率10桁", {"3141592653"}}));
  const std::vector<std::string> bad = {"1"};
  const UnitOutcome refused = RunUnit(bad, run);
  EXPECT_EQ(refused.status, UnitOutcome::Status::kRefused);
  EXPECT_EQ(refused.error.message, kRange);
}

}  // namespace
}  // namespace taketa::ensyuuritu
