#include <gtest/gtest.h>

#include <random>

#include "calculators/common/line_break.h"
#include "calculators/common/result_file.h"
#include "calculators/heihoukon1/heihoukon1_calc.h"
#include "digits/natural.h"
#include "tests/calculators/division_roots_data.h"

namespace taketa::heihoukon1 {
namespace {

const std::string kRange = "半角数字で 10000桁以内の自然数を入力してください。";
const std::string kLength = "入力文字数を10000以下にしてください。";
const std::string kBreak = "BackSpaceキーを押して、改行コードを取り除いてください。";

TEST(Heihoukon1, InputChecksInOrder) {
  struct Row {
    const char* name;
    std::string text;
    std::string message;  // "" when accepted
  } rows[] = {
      {"empty", "", kRange},
      {"line break", "25\r\n", kBreak},
      {"line break before the length", std::string(10001, '1') + "\r\n", kBreak},
      {"10001 digits", std::string(10001, '1'), kLength},
      {"leading zeros count", "0" + std::string(10000, '1'), kLength},
      {"length before the digit check", std::string(10001, 'x'), kLength},
      {"letter", "12a", kRange},
      {"full-width digit", "２５", kRange},
      {"point", "2.5", kRange},
      {"zero", "0", kRange},
      {"zeros", "000", kRange},
      {"10000 digits", std::string(10000, '9'), ""},
      {"leading zeros", "00025", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const InputCheck error = CheckInput(row.text);
    if (row.message.empty()) {
      EXPECT_FALSE(error) << error->message;
      continue;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, row.message);
    EXPECT_EQ(error->box, 0);
    EXPECT_FALSE(error->counterLength);  // the counter is not rewritten
  }
}

TEST(Heihoukon1, RootsAgainstIndependentValues) {
  EXPECT_GE(testing::ExpectDataCases("heihoukon1"), 40u);
}

TEST(Heihoukon1, LongestNumbers) {
  std::mt19937_64 rng(1);
  for (std::size_t n : {10000u, 9999u, 9998u}) {
    std::string text(n, '0');
    for (char& c : text) c = static_cast<char>('0' + rng() % 10);
    text[0] = '1' + static_cast<char>(rng() % 9);
    const std::string root = Compute(text);
    EXPECT_EQ(root.size(), (n + 1) / 2);
    // r^2 <= N < (r + 1)^2, by multiplication.
    const Natural r = Natural::FromDecimal(root), x = Natural::FromDecimal(text);
    EXPECT_TRUE(r * r <= x);
    EXPECT_TRUE(x < (r + Natural(1)) * (r + Natural(1)));
  }
  EXPECT_EQ(Compute(std::string(10000, '9')), std::string(5000, '9'));
  EXPECT_EQ(Compute("1" + std::string(9998, '0')), "1" + std::string(4999, '0'));
}

TEST(Heihoukon1, SavedTitleKeepsTheTextAsTyped) {
  EXPECT_EQ(
      EncodeResultFile({SaveTitle("00025"), {Compute("00025")}}),
      "00025\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x82\xcc\x90\xae\x90\x94\x95\x94\x95\xaa\r\n5\r\n");
}

}  // namespace
}  // namespace taketa::heihoukon1
