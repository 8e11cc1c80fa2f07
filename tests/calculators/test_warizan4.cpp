#include <gtest/gtest.h>

#include <random>

#include "calculators/common/decimal_division.h"
#include "calculators/common/line_break.h"
#include "calculators/warizan4/warizan4_calc.h"
#include "tests/calculators/division_roots_data.h"
#include "tests/calculators/plain_division_roots.h"

namespace taketa::warizan4 {
namespace {

const std::string kRange = "半角数字で2000桁以内の正の数を入力してください。";
const std::string kLength = "入力文字数を2000以下にしてください。";
const std::string kPointLength = "小数点を含めた入力文字数を2001以下にしてください。";
const std::string kBreak = "BackSpaceキーを押して、改行コードを取り除いてください。";

TEST(Warizan4, InputChecksInOrder) {
  const std::string digits2000(2000, '3');
  std::string fullWidth;
  for (int i = 0; i < 1001; ++i) fullWidth += "１";
  struct Row {
    const char* name;
    std::string a, b;
    std::string message;  // "" when accepted
    int box;
    std::optional<std::size_t> counter;
  } rows[] = {
      {"line break", "1.5\r\n", "2", kBreak, 0, {}},
      {"line break before the length", digits2000 + "1\r\n", "2", kBreak, 0, {}},
      {"2001 digits", digits2000 + "1", "2", kLength, 0, 2001},
      {"2001 characters with a point", digits2000 + ".", "2", "", 0, {}},
      {"2002 characters with a point", "." + digits2000 + "1", "2", kPointLength, 0, 2002},
      {"length before the digit check", std::string(2001, 'x'), "2", kLength, 0, 2001},
      {"full-width digits count two", fullWidth, "2", kLength, 0, 2002},
      {"two points", "1.2.3", "2", kRange, 0, {}},
      {"comma", "1,5", "2", kRange, 0, {}},
      {"sign", "-1", "2", kRange, 0, {}},
      {"lone point", ".", "2", kRange, 0, {}},
      {"empty", "", "2", kRange, 0, {}},
      {"zero", "00.000", "2", kRange, 0, {}},
      {"A before B", "", "", kRange, 0, {}},
      {"B line break", "2", "3\r\n", kBreak, 1, {}},
      {"B too long", "2", digits2000 + "0", kLength, 1, 2001},
      {"B too long with a point", "2", digits2000 + "0.", kPointLength, 1, 2002},
      {"B zero", "2", "0.", kRange, 1, {}},
      {"accepted", "0012.50", ".5", "", 0, {}},
      {"point at the end", "4.", "2", "", 0, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const InputCheck error = CheckInput(row.a, row.b);
    if (row.message.empty()) {
      EXPECT_FALSE(error) << error->message;
      continue;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, row.message);
    EXPECT_EQ(error->box, row.box);
    EXPECT_EQ(error->counterLength, row.counter);
  }
}

TEST(DecimalDivision, NormalForm) {
  struct Row {
    const char* text;
    const char* digits;
    long exponent;
  } rows[] = {
      {"0.05", "5", -1}, {".05", "5", -1},     {".5", "5", 0}, {"12.50", "1250", 2},
      {"007", "7", 1},   {"1.50", "150", 1},   {"4.", "4", 1}, {"000.0001", "1", -3},
      {"100", "100", 3}, {"0012.3", "123", 2},
  };
  for (const Row& row : rows) {
    const NormalForm form = ToNormalForm(row.text);
    EXPECT_EQ(form.digits, row.digits) << row.text;
    EXPECT_EQ(form.exponent, row.exponent) << row.text;
  }
}

TEST(Warizan4, QuotientsAgainstIndependentValues) {
  EXPECT_GE(testing::ExpectDataCases("warizan4"), 60u);
}

// The one division to the limit stops where digit-by-digit long division
// stops, whatever the limit: random digit strings, with small divisors,
// divisors longer than the dividend, and quotients that end early.
TEST(DecimalDivision, QuotientDigitsAgreeWithPlainLongDivision) {
  std::mt19937_64 rng(5);
  auto digits = [&](std::size_t n) {
    std::string s(n, '0');
    for (char& c : s) c = static_cast<char>('0' + rng() % 10);
    if (s[0] == '0') s[0] = '1' + static_cast<char>(rng() % 9);
    return s;
  };
  for (int round = 0; round < 1500; ++round) {
    std::string a = digits(1 + rng() % 40), b = digits(1 + rng() % (round % 3 == 0 ? 3 : 30));
    if (round % 4 == 0) {
      // a = b * m * 10^k for a quotient that ends
      b = digits(1 + rng() % 4);
      a = b + std::string(rng() % 3, '0');
      if (round % 8 == 0) a = b + "5";
    }
    if (round % 5 == 0) b = (round % 10 == 0 ? "8" : "25") + std::string(rng() % 3, '0');
    const std::size_t limit = 1 + rng() % 120;
    SCOPED_TRACE(a + " / " + b + " limit " + std::to_string(limit));
    ASSERT_EQ(QuotientDigits(ToNormalForm(a), ToNormalForm(b), limit),
              testing::PlainQuotientDigits(a, b, limit));
  }
}

TEST(Warizan4, SavedFileHasALoneCarriageReturnLine) {
  UnstoppableRun run;
  const ResultFile file = RunUnit(std::vector<std::string>{"12.34", "0.2"}, run).file;
  EXPECT_EQ(EncodeResultFile(file),
            "12.34\x81\x80"
            "0.2\x82\xcc\x8c\x76\x8e\x5a\x8c\x8b\x89\xca\x81\x69\x8f\xa4\x81\x6a\r\n"
            "\r\r\n"
            "61.7\r\n");
}

}  // namespace
}  // namespace taketa::warizan4
