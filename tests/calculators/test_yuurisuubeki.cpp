#include <gtest/gtest.h>

#include "calculators/yuurisuubeki/yuurisuubeki_calc.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/power_cases.h"

namespace taketa::yuurisuubeki {
namespace {

using testing::RecordingRun;

const std::string kBase = "底 A には半角数字で12桁以内の正の数を入力してください。";
const std::string kBasePoint =
    "底 A には位取り表示のための 0 も含めて半角数字で12桁以内の正の数を入力してください。";
const std::string kBaseRange = "底 A には半角数字で0.001以上 1200以下の数を入力してください。";
const std::string kExponent =
    "指数 B には半角数字で12桁以内で -1600以上 1600以下の数を入力してください。";
const std::string kExponentPoint =
    "指数 B には位取り表示のための 0 も含めて半角数字で12桁以内で -1600以上 1600以下の数 を入力してください。";
const std::string kExponentRange =
    "指数 B には半角数字で -1600以上 1600以下の数を入力してください。";

TEST(Yuurisuubeki, InputChecks) {
  struct Row {
    std::string a, b;
    std::string_view message;  // empty when accepted
    int box;
  } rows[] = {
      {"", "2", kBase, 0},
      {"1234567890123", "2", kBase, 0},
      {"1.23456789012", "2", {}, 0},  // 13 characters with the point
      {"12.34567890123", "2", kBasePoint, 0},
      {"1.2.3", "2", kBasePoint, 0},
      {"1a", "2", kBasePoint, 0},
      {"-2", "2", kBasePoint, 0},
      {".", "2", kBaseRange, 0},
      {"0.0009", "2", kBaseRange, 0},
      {"0.001", "2", {}, 0},
      {"1200", "2", {}, 0},
      {"1200.5", "2", kBaseRange, 0},
      {"1200.0000001", "2", kBaseRange, 0},
      {"2", "", kExponent, 1},
      {"2", "-", kExponent, 1},
      {"2", ".", kExponent, 1},
      {"2", "-.", kExponent, 1},
      {"2", "-123456789012", kExponentRange, 1},  // long enough, out of range
      {"2", "1234567890123", kExponent, 1},
      {"2", "-1.23456789012", {}, 0},
      {"2", "12.34567890123", kExponentPoint, 1},
      {"2", "--5", kExponentRange, 1},
      {"2", "1.2.3", kExponentRange, 1},
      {"2", "1600.1", kExponentRange, 1},
      {"2", "-1600.0001", kExponentRange, 1},
      {"2", "-1600", {}, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.a + " / " + row.b);
    const InputCheck error = CheckInput(row.a, row.b);
    if (row.message.empty()) {
      EXPECT_EQ(error, std::nullopt);
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message, row.message);
      EXPECT_EQ(error->box, row.box);
    }
  }
}

TEST(Yuurisuubeki, Shortcuts) {
  EXPECT_EQ(Shortcut("1.0", "123.4"), "1");
  EXPECT_EQ(Shortcut("007", "1"), "007");
  EXPECT_EQ(Shortcut("007", "1.00"), "007");
  EXPECT_EQ(Shortcut("2", "-0"), "1");
  EXPECT_EQ(Shortcut("2", "0.0"), "1");
  EXPECT_EQ(Shortcut("2", "-1"), std::nullopt);
  EXPECT_EQ(Shortcut("2", "0.5"), std::nullopt);
  EXPECT_TRUE(HasIntegerPart("-2.5"));
  EXPECT_FALSE(HasIntegerPart("-0.5"));
  EXPECT_FALSE(HasIntegerPart(".5"));
}

// The general form of the first 15 digits, cut, and the cut to 12 digits.
TEST(Yuurisuubeki, TextRules) {
  struct General {
    const char* digits;
    long exponent10;
    const char* text;
  } general[] = {
      {"141421356237309504", 0, "1.41421356237309"},  // cut, never rounded
      {"102400000000000000", 3, "1024"},
      {"500000000000000000", -1, "0.5"},
      {"100000000000000000", 15, "1E15"},
      {"100000000000000000", 14, "100000000000000"},
      {"999999999999999999", 14, "999999999999999"},
      {"100000000000000000", -5, "0.00001"},
      {"999999999999999999", -6, "9.99999999999999E-6"},  // below 0.00001 however close
      {"100000000000000000", -6, "1E-6"},
      {"150000000000000000", -7, "1.5E-7"},
      {"489771687707758959", 4926, "4.89771687707758E4926"},
      {"100000000000000099", 0, "1"},  // digits past the 15th have no say
      {"123456789012345678", -3, "0.00123456789012345"},
  };
  for (const General& row : general) {
    EXPECT_EQ(GeneralText(row.digits, row.exponent10), row.text)
        << row.digits << " " << row.exponent10;
  }
  struct Row {
    const char* general;
    const char* result;
  } rows[] = {
      {"1.4142135623731", "1.41421356237E0"},  // 14 digits with a point
      {"123456.789012345", "1.23456789012E5"},
      {"1.23456789012345E4926", "1.23456789012E4926"},  // mantissa cut
      {"1.5E-7", "1.5E-7"},
      {"1E4800", "1E4800"},
      {"0.00123456789012345", "0.001234567890"},  // first 14 characters
      {"123456789012345", "1.23456789012E14"},    // an integer of 15 digits
      {"123456789012", "123456789012"},
      {"1234567.89012", "1234567.89012"},
      {"0.707106781186548", "0.707106781186"},
  };
  for (const Row& row : rows) EXPECT_EQ(ResultText(row.general), row.result) << row.general;
}

// Against Python's exact fractions (a rational A^B) and mpmath at 150 digits
// far from a changing digit: the window's examples, the limits, rational
// powers, the borders of the notations, random inputs of every form, among
// them results whose digits after the 12th are 999... or 000... and bases
// near 0.001 with exponents near -1.
TEST(Yuurisuubeki, PowersAgainstIndependentArithmetic) {
  const auto cases = testing::ReadCases("yuurisuubeki-cases.txt");
  ASSERT_GE(cases.size(), 2000u);
  for (const auto& c : cases) {
    ASSERT_EQ(c.size(), 4u);
    ASSERT_FALSE(CheckInput(c[0], c[1])) << c[0] << " ^ " << c[1];
    ASSERT_EQ(Shortcut(c[0], c[1]), std::nullopt) << c[0] << " ^ " << c[1];
    RecordingRun run;
    const Power power = Compute(c[0], c[1], run);
    ASSERT_EQ(power.status, Power::Status::kDone);
    EXPECT_EQ(power.text, c[3]) << c[0] << " ^ " << c[1] << " = " << c[2];
  }
}

TEST(Yuurisuubeki, ExamplesOfTheWindow) {
  const struct {
    const char *a, *b, *result;
  } rows[] = {{"2", "0.5", "1.41421356237E0"},
              {"2", "10", "1024"},
              {"2", "-1", "0.5"},
              {"0.001", "-1600", "1E4800"},
              // 1.99766488668999...E4708, 4.74751043591999..., 566.242816969998...:
              // a rounding to 15 digits first would show the 12th one too high.
              {"1052", "1558", "1.99766488668E4708"},
              {"508", "0.25", "4.74751043591E0"},
              {"0.00120223816", "-0.9428060813", "5.66242816969E2"}};
  for (const auto& row : rows) {
    RecordingRun run;
    EXPECT_EQ(Compute(row.a, row.b, run).text, row.result) << row.a << " ^ " << row.b;
  }
  RecordingRun run;
  const Power big = Compute("1200", "1600", run);
  EXPECT_EQ(big.text, "4.89771687707E4926");
  EXPECT_EQ(run.polls, 1601);  // one poll before the first multiplication, one after each
}

TEST(Yuurisuubeki, StopDuringTheIntegerPower) {
  RecordingRun run(5);
  EXPECT_EQ(Compute("1200", "1599.5", run).status, Power::Status::kStopped);
  EXPECT_EQ(run.polls, 5);
  RecordingRun fraction(1);
  EXPECT_EQ(Compute("2", "0.5", fraction).status, Power::Status::kDone);  // nothing to stop
  EXPECT_EQ(fraction.polls, 0);
}

TEST(Yuurisuubeki, BatchUnit) {
  UnstoppableRun run;
  const std::vector<std::string> inputs = {"2", "0.5"};
  EXPECT_EQ(RunUnit(inputs, run).file, (ResultFile{"2の0.5乗", {"1.41421356237E0"}}));
  const std::vector<std::string> shortcut = {"007", "1"};
  EXPECT_EQ(RunUnit(shortcut, run).file, (ResultFile{"007の1乗", {"007"}}));
  const std::vector<std::string> bad = {"2", "1600.1"};
  EXPECT_EQ(RunUnit(bad, run).error, (InputError{kExponentRange, 1, {}}));
}

}  // namespace
}  // namespace taketa::yuurisuubeki
