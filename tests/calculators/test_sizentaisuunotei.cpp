#include <gtest/gtest.h>

#include "calculators/ensyuuritu/ensyuuritu_calc.h"
#include "calculators/sizentaisuunotei/e_series.h"
#include "calculators/sizentaisuunotei/sizentaisuunotei_calc.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/plain_series.h"

namespace taketa::sizentaisuunotei {
namespace {

using testing::PlainE;
using testing::RecordingRun;
using testing::ReferenceDigits;

TEST(Sizentaisuunotei, InputChecksAreThoseOfThePiWindow) {
  for (const char* text : {"", "12a", "１２", "1", "60001", "123456", "2", "00100"}) {
    int mine = 0, pi = 0;
    EXPECT_EQ(CheckInput(text, mine), ensyuuritu::CheckInput(text, pi)) << text;
    EXPECT_EQ(mine, pi);
  }
}

TEST(Sizentaisuunotei, KnownDigitsAndLastStep) {
  struct Row {
    int digits;
    const char* text;
    int lastStep;
  } rows[] = {
      {2, "27", 0},
      {10, "2718281828", 19},
      {50, "27182818284590452353602874713526624977572470936999", 45},
      {500, "", 256},
      {2000, "", 811},
  };
  for (const Row& row : rows) {
    RecordingRun run;
    const std::optional<std::string> e = Compute(row.digits, run);
    ASSERT_TRUE(e);
    EXPECT_EQ(*e, *row.text ? row.text : ReferenceDigits("e").substr(0, row.digits));
    if (row.lastStep) {
      EXPECT_EQ(run.Last(), std::to_string(row.lastStep)) << row.digits;
    }
  }
}

// Every N up to 3000 and a spread above: exact digits, and the passes and
// step counter of the series with eight guard digits.
TEST(Sizentaisuunotei, ExactDigitsAndPlainSeriesSteps) {
  const std::string& reference = ReferenceDigits("e");
  int plainWrong = 0;
  for (int n = 2; n <= 3000; n += n < 1500 ? 1 : 7) {
    RecordingRun run;
    const std::optional<std::string> e = Compute(n, run);
    ASSERT_TRUE(e);
    ASSERT_EQ(*e, reference.substr(0, n)) << "N=" << n;
    if (n <= 1500 || n % 3 == 0) {
      const testing::PlainSeries plain = PlainE(n);
      plainWrong += plain.digits != *e;
      ASSERT_EQ(run.shown.size(), static_cast<std::size_t>(plain.lastStep - 2)) << "N=" << n;
      ASSERT_EQ(run.Last(), std::to_string(plain.lastStep)) << "N=" << n;
      ASSERT_EQ(run.polls, plain.lastStep - 3) << "N=" << n;
    }
  }
  RecordProperty("PlainSeriesWrongLastDigits", plainWrong);
  for (int n : {4999, 10000, 33333, 60000}) {
    RecordingRun run;
    ASSERT_EQ(Compute(n, run), reference.substr(0, n)) << "N=" << n;
  }
}

TEST(Sizentaisuunotei, SumsAgainWhenGuardDigitsCannotSettle) {
  const std::string& reference = ReferenceDigits("e");
  for (int n = 2; n <= 400; ++n) {
    RecordingRun run;
    ASSERT_EQ(EDigits(n, run, 1), reference.substr(0, n)) << "N=" << n;
    EXPECT_TRUE(run.shown.empty());
  }
}

TEST(Sizentaisuunotei, StopEndsTheRunWithoutResult) {
  RecordingRun run(2);
  EXPECT_EQ(Compute(2000, run), std::nullopt);
  EXPECT_EQ(run.Last(), "4");  // passes 3 and 4 ran
}

TEST(Sizentaisuunotei, TitleAndRunUnit) {
  EXPECT_EQ(SaveTitle("0050"), "自然対数の底0050桁");
  UnstoppableRun run;
  const std::vector<std::string> inputs = {"2"};
  EXPECT_EQ(RunUnit(inputs, run).file, (ResultFile{"自然対数の底2桁", {"27"}}));
}

}  // namespace
}  // namespace taketa::sizentaisuunotei
