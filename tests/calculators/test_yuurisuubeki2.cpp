#include <gtest/gtest.h>

#include "calculators/common/decimal_power.h"
#include "calculators/yuurisuubeki2/yuurisuubeki2_calc.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/logarithm_test_data.h"

namespace taketa::yuurisuubeki2 {
namespace {

using testing::RecordingRun;

const std::string kBase = "底 A には半角数字で20桁以内の正の数を入力してください。";
const std::string kBaseLength =
    "底 A には位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";
const std::string kExponent =
    "指数 B には半角数字で20桁以内で -5000以上 5000以下の数を入力してください。";
const std::string kExponentLength =
    "指数 B には位取り表示のための 0 も含めて半角数字で20桁以内で -5000以上 5000以下の数 を入力してください。";
const std::string kExponentRange =
    "指数 B には半角数字で -5000以上 5000以下の数を入力してください。";

PowerInput Checked(const std::string& a, const std::string& b) {
  EXPECT_FALSE(CheckInput(a, b)) << a << " " << b;
  return TakeApartPower(a, b);
}

std::string Power(const std::string& a, const std::string& b) {
  const PowerInput input = Checked(a, b);
  if (std::optional<std::string> special = SpecialValue(input)) return *special;
  UnstoppableRun run;
  return FinishPower(input, IntegerPower(input, run).value()).value_or("(not settled)");
}

TEST(Yuurisuubeki2, ChecksInTheirOrderWithTheirBoxes) {
  const std::string base(kBase), baseLength(kBaseLength);
  const std::string exponent(kExponent), exponentLength(kExponentLength), range(kExponentRange);
  struct Row {
    const char* a;
    const char* b;
    std::string message;  // "" when accepted
    int box;
  } rows[] = {
      {"", "2", base, 0},
      {"", "", base, 0},  // A first
      {"123456789012345678901", "2", base, 0},
      {".00000000000000000001", "2", baseLength, 0},
      {"0.00000000000000000001", "2", baseLength, 0},
      {"1.2.3", "2", base, 0},
      {"１", "2", base, 0},
      {".", "2", base, 0},  // no number
      {"0.0", "2", base, 0},
      {"2", "", exponent, 1},
      {"2", "-", exponent, 1},
      {"2", ".", exponent, 1},
      {"2", "-.", exponent, 1},
      {"2", "123456789012345678901", exponent, 1},
      {"2", "-123456789012345678901", exponent, 1},
      {"2", ".12345678901234567890", exponentLength, 1},
      {"2", "-1234.12345678901234567", exponentLength, 1},
      {"2", "--5", range, 1},
      {"2", "+5", range, 1},
      {"2", "1e3", range, 1},
      {"2", " 5", range, 1},
      {"2", "１", range, 1},
      {"2", "1..5", range, 1},
      {"2", "5000.1", range, 1},
      {"2", "-5000.5", range, 1},
      {"2", "5001", range, 1},
      {"2", "00000000000000005001", range, 1},
      {"2", "5000", "", 0},
      {"2", "-5000.000", "", 0},
      {"2", "-.0000000000000000001", "", 0},
      {"2", "-5.", "", 0},
  };
  for (const Row& row : rows) {
    const InputCheck error = CheckInput(row.a, row.b);
    if (row.message.empty()) {
      EXPECT_FALSE(error) << row.a << " " << row.b;
    } else {
      ASSERT_TRUE(error) << row.a << " " << row.b;
      EXPECT_EQ(error->message, row.message) << row.a << " " << row.b;
      EXPECT_EQ(error->box, row.box) << row.a << " " << row.b;
    }
  }
}

TEST(Yuurisuubeki2, ExponentClasses) {
  struct Row {
    const char* b;
    ExponentClass kind;
    int p;
    const char* fraction;
    bool negative;
  } rows[] = {
      {"3", ExponentClass::kInteger, 3, "", false},
      {"5.", ExponentClass::kInteger, 5, "", false},
      {"-5.000", ExponentClass::kInteger, 5, "000", true},
      {".5", ExponentClass::kFraction, 0, "5", false},
      {"-00.250", ExponentClass::kFraction, 0, "250", true},
      {"3.25", ExponentClass::kMixed, 3, "25", false},
      {"-4999.75", ExponentClass::kMixed, 4999, "75", true},
  };
  for (const Row& row : rows) {
    const PowerInput input = Checked("2", row.b);
    EXPECT_EQ(input.kind, row.kind) << row.b;
    EXPECT_EQ(input.p, row.p) << row.b;
    EXPECT_EQ(input.fraction, row.fraction) << row.b;
    EXPECT_EQ(input.negative, row.negative) << row.b;
    EXPECT_EQ(HasIntegerPower(input), row.p > 0) << row.b;
  }
}

TEST(Yuurisuubeki2, SpecialValues) {
  EXPECT_EQ(Power("1", "4999.5"), "1");
  EXPECT_EQ(Power("1.0", "1"), "1");  // A = 1 before B = 1
  EXPECT_EQ(Power("0001", "-3"), "1");
  EXPECT_EQ(Power("007", "1"), "007");  // A as typed
  EXPECT_EQ(Power(".50", "01.000"), ".50");
  EXPECT_EQ(Power("2", "0"), "1");
  EXPECT_EQ(Power("2", "-0"), "1");
  EXPECT_EQ(Power("2", "0.000"), "1");
  EXPECT_FALSE(SpecialValue(Checked("2", "-1")));
  EXPECT_EQ(Power("2", "-1"), "5.E-1");
}

TEST(Yuurisuubeki2, KnownValues) {
  struct Row {
    const char* a;
    const char* b;
    const char* power;
  } rows[] = {
      {"2", "3", "8.E0"},
      {"2", "10", "1.024E3"},
      {"10", "-2", "1E-2"},
      {"0.5", "2", "2.5E-1"},
      {"0.5", "-2", "4.E0"},
      {"1200", "2", "1.440000E6"},
      {"2.5", "3", "1.5625E1"},
      {"2", "0.5", "1.4142135623730950488016887242096980785696718753769"},
      {"0.5", "0.5", "0.7071067811865475244008443621048490392848359376884"},
      {"0.5", "-0.5", "1.4142135623730950488016887242096980785696718753769"},
      {"0.0000000000000000001", "0.5", "0.0000000003162277660168379331998893544432718533719"},
      {"2", "1.5", "2.8284271247461900976033774484193961571393437507538E0"},
      {"2", "-1.5", "3.5355339059327376220042218105242451964241796884423E-1"},
      // Values on a digit boundary show their exact digits.
      {"4", "0.5", "2.0000000000000000000000000000000000000000000000000"},
      {"4", "1.5", "8.0000000000000000000000000000000000000000000000000E0"},
      {"0.25", "-0.5", "2"},
      {"100", "-1.5", "1E-3"},
      {"16", "0.25", "2.0000000000000000000000000000000000000000000000000"},
      {"0.01", "-1", "1E2"},
  };
  for (const Row& row : rows) EXPECT_EQ(Power(row.a, row.b), row.power) << row.a << " " << row.b;
}

// 400 bases and exponents of every class and sign, with A^B made
// independently with mpmath and Python's exact fractions.
TEST(Yuurisuubeki2, AgreesWithMpmath) {
  const auto cases = testing::ReadCases("decimal_powers.txt");
  ASSERT_GE(cases.size(), 400u);
  for (const std::vector<std::string>& row : cases) {
    EXPECT_EQ(Power(row[0], row[1]), row[2]) << row[0] << " " << row[1];
  }
}

TEST(Yuurisuubeki2, StepCounterAndStop) {
  const PowerInput input = Checked("2", "10.5");
  RecordingRun run;
  ASSERT_TRUE(IntegerPower(input, run));
  ASSERT_EQ(run.shown.size(), 10u);
  EXPECT_EQ(run.shown.front(), std::make_pair(0, std::string("1")));
  EXPECT_EQ(run.Last(), "10");
  EXPECT_EQ(run.polls, 11);  // once before the first step, then after each
  // Stopped after the third step, or before the first.
  RecordingRun stopped(4);
  EXPECT_FALSE(IntegerPower(input, stopped));
  EXPECT_EQ(stopped.Last(), "3");
  RecordingRun early(1);
  EXPECT_FALSE(IntegerPower(input, early));
  EXPECT_TRUE(early.shown.empty());
  // The fraction class has no integer power: no steps, no polls.
  RecordingRun fraction(1);
  EXPECT_TRUE(IntegerPower(Checked("2", "0.5"), fraction));
  EXPECT_EQ(fraction.polls, 0);
  RecordingRun late(100);
  EXPECT_EQ(RunUnit(std::vector<std::string>{"3", "-5000"}, late).status,
            UnitOutcome::Status::kStopped);
  EXPECT_EQ(late.Last(), "99");
}

// Bounds too loose to settle the shown digits: the power is taken exactly.
TEST(Yuurisuubeki2, UnsettledBoundsFallBackToTheExactPower) {
  const PowerInput input = Checked("2", "200");
  const Natural lead = Natural::FromDecimal("1606938044258990275541962092341162602");
  DecimalBounds loose = DecimalBounds::Between(lead, lead + Natural(1000000), 24);
  EXPECT_EQ(FinishPower(input, loose), "1.6069380442589902755419620923411626025222029937827E60");
  const PowerInput negative = Checked("2", "-200");
  EXPECT_EQ(FinishPower(negative, loose),
            "6.2230152778611417071440640537801242405902521687211E-61");
}

TEST(Yuurisuubeki2, RationalFractionPowers) {
  struct Row {
    const char* a;
    const char* b;
    const char* exact;  // "" when A^f is irrational
  } rows[] = {
      {"4", "0.5", "2"},         {"0.25", "0.5", "0.5"},
      {"1024", "0.1", "2"},      {"0.0625", "0.75", "0.125"},
      {"1.5625", "2.5", "1.25"}, {"100", "1.5", "10"},
      {"2", "0.5", ""},          {"8", "0.3333333333333333333", ""},
      {"10", "0.5", ""},         {"0.0000000000000000001", "0.5", ""},
  };
  for (const Row& row : rows) {
    const std::optional<DecimalBounds> power = RationalFractionPower(Checked(row.a, row.b));
    if (*row.exact) {
      ASSERT_TRUE(power) << row.a << " " << row.b;
      EXPECT_EQ(ExactDecimalText(*power), row.exact) << row.a << " " << row.b;
    } else {
      EXPECT_FALSE(power) << row.a << " " << row.b;
    }
  }
}

TEST(Yuurisuubeki2, RunUnitGivesTheSavedLines) {
  UnstoppableRun run;
  UnitOutcome outcome = RunUnit(std::vector<std::string>{"2", "0.5"}, run);
  EXPECT_EQ(outcome.status, UnitOutcome::Status::kDone);
  EXPECT_EQ(outcome.file.title, "2の0.5乗");
  EXPECT_EQ(outcome.file.lines,
            std::vector<std::string>{"1.4142135623730950488016887242096980785696718753769"});
  outcome = RunUnit(std::vector<std::string>{"007", "1"}, run);
  EXPECT_EQ(outcome.file.lines, std::vector<std::string>{"007"});
  outcome = RunUnit(std::vector<std::string>{"2", "5000.1"}, run);
  EXPECT_EQ(outcome.status, UnitOutcome::Status::kRefused);
  EXPECT_EQ(outcome.error.message, kExponentRange);
  EXPECT_EQ(outcome.error.box, 1);
}

}  // namespace
}  // namespace taketa::yuurisuubeki2
