#include <gtest/gtest.h>

#include <random>

#include "calculators/ruijou/ruijou_calc.h"
#include "digits/natural.h"
#include "tests/calculators/calc_test_util.h"
#include "tests/calculators/power_cases.h"

namespace taketa::ruijou {
namespace {

using testing::RecordingRun;

const std::string kBaseLength = "入力文字数を100以下にしてください。";
const std::string kBasePointLength = "小数点を含めた入力文字数を101以下にしてください。";
const std::string kBase = "半角数字で100桁以内の正の数を入力してください。";
const std::string kExponent = "半角数字で 10000以下の自然数を入力してください。";
const std::string kExponentLength = "入力文字数を5以下にしてください。";

TEST(Ruijou, InputChecks) {
  const std::string base(kBase), exponent(kExponent);
  const std::string hundred(100, '7');
  struct Row {
    std::string edit1, edit2, message;  // "" when accepted
    int box;
  } rows[] = {
      {hundred + "1", "2", kBaseLength, 0},
      {hundred, "2", "", 0},
      {"." + hundred, "2", "", 0},
      {hundred + ".1", "2", kBasePointLength, 0},
      {"1.2.3", "2", base, 0},
      {"12a", "2", base, 0},
      {"１２", "2", base, 0},
      {"-2", "2", base, 0},
      {"", "2", base, 0},
      {"0", "2", base, 0},
      {"0.000", "2", base, 0},
      {".", "2", base, 0},
      {"2", "", exponent, 1},
      {"2", "1a", exponent, 1},
      {"2", "123456", kExponentLength, 1},
      {"2", "0", exponent, 1},
      {"2", "10001", exponent, 1},
      {"2", "10000", "", 0},
      {"2", "00001", "", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.edit1 + " / " + row.edit2);
    long n = 0;
    const InputCheck error = CheckInput(row.edit1, row.edit2, n);
    if (row.message.empty()) {
      EXPECT_FALSE(error) << error->message;
    } else {
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message, row.message);
      EXPECT_EQ(error->box, row.box);
    }
  }
}

TEST(Ruijou, Normalisation) {
  struct Row {
    const char* text;
    const char* normalised;
    const char* significant;
    int z, f, d;
  } rows[] = {
      {"12.5", "12.5", "125", 0, 0, 1},       {"0.05", "0.05", "5", 0, 2, 2},
      {"1200", "1200", "12", 2, 0, 0},        {".5", "0.5", "5", 0, 1, 1},
      {"00.50", "0.5", "5", 0, 1, 1},         {"10.0", "10", "1", 1, 0, 0},
      {"0012.340", "12.34", "1234", 0, 0, 2}, {"5.", "5", "5", 0, 0, 0},
      {"1.05", "1.05", "105", 0, 0, 2},       {"000.0100", "0.01", "1", 0, 2, 2},
  };
  for (const Row& row : rows) {
    const Base base = Normalise(row.text);
    EXPECT_EQ(base.normalised, row.normalised) << row.text;
    EXPECT_EQ(base.significant, row.significant) << row.text;
    EXPECT_EQ(base.trailingZeros, row.z) << row.text;
    EXPECT_EQ(base.leadingFraction, row.f) << row.text;
    EXPECT_EQ(base.decimals, row.d) << row.text;
  }
}

// Exact powers, their digit counts and floating forms, made with Python's
// integers: integers with trailing zeros, decimals, bases below 1.
TEST(Ruijou, ExactPowersAgainstIndependentArithmetic) {
  const auto cases = testing::ReadCases("ruijou-cases.txt");
  ASSERT_GE(cases.size(), 50u);
  for (const auto& c : cases) {
    RecordingRun run;
    const std::optional<Power> power = Compute(c[0], std::stol(c[1]), run);
    ASSERT_TRUE(power);
    EXPECT_EQ(FullLine(*power), c[2]) << c[0] << " ^ " << c[1];
    EXPECT_EQ(FloatingLine(*power), c[3]) << c[0] << " ^ " << c[1];
  }
}

// A 100-digit base to the power 700 (70000 digits) against Natural's
// general product.
TEST(Ruijou, LongPowerAgainstNatural) {
  std::mt19937_64 rng(9);
  std::string base = "9";
  while (base.size() < 100) base += static_cast<char>('0' + rng() % 10);
  base.back() = '3';
  Natural expected(1);
  const Natural b = Natural::FromDecimal(base);
  for (int i = 0; i < 700; ++i) expected = expected * b;
  RecordingRun run;
  const std::optional<Power> power = Compute(base, 700, run);
  ASSERT_TRUE(power);
  EXPECT_EQ(power->full, expected.ToDecimal());
  EXPECT_EQ(power->digitCount, power->full.size());
}

TEST(Ruijou, StepsShownAndStop) {
  RecordingRun run;
  ASSERT_TRUE(Compute("3", 25, run));
  ASSERT_EQ(run.shown.size(), 25u);
  EXPECT_EQ(run.shown.front().second, "1");
  EXPECT_EQ(run.Last(), "25");
  EXPECT_EQ(run.polls, 25);
  RecordingRun stopped(3);
  EXPECT_EQ(Compute("3", 25, stopped), std::nullopt);
  EXPECT_EQ(stopped.Last(), "3");
}

TEST(Ruijou, SavedFileHasFourLines) {
  UnstoppableRun run;
  const std::vector<std::string> inputs = {"12.5", "2"};
  const UnitOutcome outcome = RunUnit(inputs, run);
  ASSERT_EQ(outcome.status, UnitOutcome::Status::kDone);
  EXPECT_EQ(outcome.file, (ResultFile{"12.5の2乗",
                                      {"156.25    (桁数＝5)", std::string(ResultFile::kLoneCr),
                                       "浮動小数点形式では　1.5625E2"}}));
  // 12.5の2乗, 156.25    (桁数＝5), a lone CR, 浮動小数点形式では　1.5625E2.
  EXPECT_EQ(EncodeResultFile(outcome.file),
            "12.5\x82\xcc"
            "2\x8f\xe6\r\n156.25    (\x8c\x85\x90\x94\x81\x81"
            "5)\r\n\r\r\n"
            "\x95\x82\x93\xae\x8f\xac\x90\x94\x93\x5f\x8c\x60\x8e\xae\x82\xc5\x82\xcd\x81\x40"
            "1.5625E2\r\n");
}

}  // namespace
}  // namespace taketa::ruijou
