#include <gtest/gtest.h>

#include <random>

#include "calculators/common/line_break.h"
#include "calculators/warizan3/warizan3_calc.h"
#include "digits/natural.h"
#include "tests/calculators/division_roots_data.h"

namespace taketa::warizan3 {
namespace {

const std::string kRange = "半角数字で60000桁以内の正の整数を入力してください。";
const std::string kLength = "入力文字数を60000以下にしてください。";
const std::string kBreak = "BackSpaceキーを押して、改行コードを取り除いてください。";

std::string Digits(std::mt19937_64& rng, std::size_t n) {
  std::string text(n, '0');
  for (char& c : text) c = static_cast<char>('0' + rng() % 10);
  if (text[0] == '0') text[0] = '4';
  return text;
}

TEST(Warizan3, InputChecksInOrder) {
  const std::string longest(60000, '7'), tooLong(60001, '7');
  struct Row {
    const char* name;
    std::string a, b;
    std::string message;  // "" when accepted
    int box;
    std::optional<std::size_t> counter;
  } rows[] = {
      {"line break", "12\r\n", "5", kBreak, 0, {}},
      {"line break before the digit check", "1a\r\n", "5", kBreak, 0, {}},
      {"letter", "12a", "5", kRange, 0, {}},
      {"full-width digit", "１２", "5", kRange, 0, {}},
      {"sign", "-12", "5", kRange, 0, {}},
      {"line break inside", "12\r\n3", "5", kRange, 0, {}},
      {"digit check before the length", tooLong + "x", "5", kRange, 0, {}},
      {"A too long", tooLong, "5", kLength, 0, 60001},
      {"leading zeros count", "0" + longest, "5", kLength, 0, 60001},
      {"A empty", "", "5", kRange, 0, {}},
      {"A zero", "000", "5", kRange, 0, {}},
      {"A checked before B", "0", "x", kRange, 0, {}},
      {"B line break", "5", "7\r\n", kBreak, 1, {}},
      {"B letter", "5", "7.0", kRange, 1, {}},
      {"B too long: the range message", "5", tooLong, kRange, 1, 60001},
      {"B empty", "5", "", kRange, 1, {}},
      {"B zero", "5", "0", kRange, 1, {}},
      {"largest", longest, longest, "", 0, {}},
      {"smallest", "1", "1", "", 0, {}},
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

TEST(Warizan3, ExactQuotientsAndRemainders) {
  EXPECT_GE(testing::ExpectDataCases("warizan3"), 40u);
}

TEST(Warizan3, ShortcutForFewerDividendDigits) {
  // Leading zeros aside, A is shorter than B: quotient 0, remainder A.
  const Division d = Compute("0005", "10");
  EXPECT_TRUE(d.shortcut);
  EXPECT_EQ(d.quotient, "0");
  EXPECT_EQ(d.remainder, "5");
  // The same length and smaller goes the full way.
  const Division same = Compute("5", "007");
  EXPECT_FALSE(same.shortcut);
  EXPECT_EQ(same.quotient, "0");
  EXPECT_EQ(same.remainder, "5");
  // taketa-calc prints it but the window offers nothing to save.
  UnstoppableRun run;
  const std::string inputs[] = {"5", "10"};
  const UnitOutcome outcome = RunUnit(inputs, run);
  EXPECT_EQ(outcome.status, UnitOutcome::Status::kDone);
  EXPECT_FALSE(outcome.offersSave);
  EXPECT_EQ(outcome.file.lines, (std::vector<std::string>{"\r", "整商＝0", "\r", "余り＝5"}));
}

TEST(Warizan3, LargestOperands) {
  std::mt19937_64 rng(3);
  for (const auto& [la, lb] : {std::pair<std::size_t, std::size_t>{60000, 30000},
                               {60000, 1},
                               {60000, 59999},
                               {60000, 60000},
                               {31000, 30000}}) {
    SCOPED_TRACE(std::to_string(la) + " / " + std::to_string(lb));
    const std::string a = Digits(rng, la), b = lb == la ? a : Digits(rng, lb);
    const Division d = Compute(a, b);
    // q * b + r = a with r < b, checked by multiplication.
    const Natural q = Natural::FromDecimal(d.quotient), r = Natural::FromDecimal(d.remainder);
    const Natural na = Natural::FromDecimal(a), nb = Natural::FromDecimal(b);
    EXPECT_TRUE(r < nb);
    EXPECT_TRUE(q * nb + r == na);
    EXPECT_NE(d.quotient[0], '0');
    if (la == lb) {
      EXPECT_EQ(d.quotient, "1");
      EXPECT_EQ(d.remainder, "0");
    }
  }
}

TEST(Warizan3, SavedFileHasFiveLines) {
  const ResultFile file = SaveFile("000123", "0012", Compute("000123", "0012"));
  EXPECT_EQ(EncodeResultFile(file),
            "000123\x81\x80"
            "0012 \x82\xcc\r\n"
            "\r\r\n"
            "\x90\xae\x8f\xa4\x81\x81"
            "10\r\n"
            "\r\r\n"
            "\x97\x5d\x82\xe8\x81\x81"
            "3\r\n");
}

}  // namespace
}  // namespace taketa::warizan3
