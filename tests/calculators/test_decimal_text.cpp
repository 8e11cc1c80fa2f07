// What every unit shares about decimal texts: taking one apart into digits
// and scale, comparing two exactly, normalising, and the checks of a box for
// a positive number.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calculators/common/decimal_input.h"
#include "calculators/common/decimal_text.h"
#include "digits/natural.h"

namespace taketa {
namespace {

TEST(DecimalText, SplitIntoDigitsAndScale) {
  struct Row {
    const char* text;
    const char* digits;
    std::size_t decimals;
    bool hasPoint;
  } rows[] = {
      {"12.50", "1250", 2, true}, {".5", "5", 1, true}, {"007", "007", 0, false},
      {"5.", "5", 0, true},       {"", "", 0, false},   {".", "", 0, true},
      {"1.2.3", "12.3", 3, true},  // the second point stays, for the digit check to refuse
  };
  for (const Row& row : rows) {
    const DecimalDigits split = SplitDecimal(row.text);
    EXPECT_EQ(split.digits, row.digits) << row.text;
    EXPECT_EQ(split.decimals, row.decimals) << row.text;
    EXPECT_EQ(split.hasPoint, row.hasPoint) << row.text;
  }
}

TEST(DecimalText, Normalised) {
  EXPECT_EQ(NormalisedDecimal("0012.50"), "12.5");
  EXPECT_EQ(NormalisedDecimal(".5"), "0.5");
  EXPECT_EQ(NormalisedDecimal("00.050"), "0.05");
  EXPECT_EQ(NormalisedDecimal("10.0"), "10");
  EXPECT_EQ(NormalisedDecimal("5."), "5");
  EXPECT_EQ(NormalisedDecimal("100"), "100");
  EXPECT_EQ(NormalisedDecimal("000"), "0");
  EXPECT_EQ(NormalisedDecimal("0.0"), "0");
}

TEST(DecimalText, CompareKnownPairs) {
  struct Row {
    const char* a;
    const char* b;
    int order;
  } rows[] = {
      {"1", "1.000", 0},
      {"0010", "10.", 0},
      {".5", "0.50", 0},
      {"", "0", 0},
      {".", "0.0", 0},
      {"0.001", "0.0009", 1},
      {"1200", "1200.0000001", -1},
      {"99", "100", -1},
      {"2", "10", -1},
      {"0.1", "0.09", 1},
      {"1600", "999.999", 1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CompareDecimals(row.a, row.b), row.order) << row.a << " " << row.b;
    EXPECT_EQ(CompareDecimals(row.b, row.a), -row.order) << row.a << " " << row.b;
  }
  // Digits with scales: 1250 / 10^2 = 125 / 10^1 < 13.
  EXPECT_EQ(CompareScaled("1250", 2, "125", 1), 0);
  EXPECT_EQ(CompareScaled("1250", 2, "13", 0), -1);
  EXPECT_EQ(CompareScaled("0", 7, "", 0), 0);
}

// Against the values as exact naturals scaled to a common number of decimals.
TEST(DecimalText, CompareAgainstNaturals) {
  std::mt19937_64 rng(19);
  const auto digits = [&](std::size_t n) {
    std::string text(n, '0');
    for (char& c : text) c = static_cast<char>('0' + rng() % (rng() % 4 == 0 ? 2 : 10));
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string a = digits(rng() % 12), b = digits(rng() % 12);
    const std::size_t aScale = rng() % 8, bScale = rng() % 8;
    const Natural x = Natural::FromDecimal(a.empty() ? "0" : a).ShiftedUp(bScale);
    const Natural y = Natural::FromDecimal(b.empty() ? "0" : b).ShiftedUp(aScale);
    const int expected = x < y ? -1 : y < x ? 1 : 0;
    ASSERT_EQ(CompareScaled(a, aScale, b, bScale), expected)
        << a << "/10^" << aScale << " " << b << "/10^" << bScale;
  }
}

TEST(DecimalInput, ChecksInTheirOrder) {
  constexpr DecimalInputRules kMemo{.maxDigits = 5,
                                    .lengthMessage = "long",
                                    .pointLengthMessage = "long with point",
                                    .rangeMessage = "range",
                                    .checksLineBreak = true,
                                    .rewritesCounter = true};
  constexpr DecimalInputRules kPlaced{.maxDigits = 5,
                                      .lengthMessage = "range",
                                      .pointLengthMessage = "placed",
                                      .rangeMessage = "range",
                                      .leadingPointCountsZero = true};
  struct Row {
    const DecimalInputRules& rules;
    const char* text;
    const char* message;  // "" when accepted
    std::optional<std::size_t> counter;
  } rows[] = {
      {kMemo, "12\r\n", "BackSpaceキーを押して、改行コードを取り除いてください。", {}},
      {kMemo, "123456", "long", 6},
      {kMemo, "1234.56", "long with point", 7},
      {kMemo, ".12345", "", {}},  // a leading point is one more character
      {kMemo, "１", "range", {}},
      {kMemo, "1.2.", "range", {}},
      {kMemo, "0.00", "range", {}},
      {kMemo, "", "range", {}},
      {kMemo, "00012", "", {}},
      {kPlaced, "12\r\n", "range", {}},  // no line-break check
      {kPlaced, "123456", "range", {}},
      {kPlaced, ".12345", "placed", {}},  // the 0 before the point counts
      {kPlaced, ".1234", "", {}},
      {kPlaced, "1.2345", "", {}},
      {kPlaced, "1.23456", "placed", {}},
  };
  for (const Row& row : rows) {
    const InputCheck error = CheckPositiveDecimal(row.text, row.rules, 1);
    if (*row.message == '\0') {
      EXPECT_FALSE(error) << row.text;
      continue;
    }
    ASSERT_TRUE(error) << row.text;
    EXPECT_EQ(*error, (InputError{row.message, 1, row.counter})) << row.text;
  }
}

}  // namespace
}  // namespace taketa
