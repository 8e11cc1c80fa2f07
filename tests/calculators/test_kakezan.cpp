#include <gtest/gtest.h>

#include <random>

#include "calculators/kakezan/kakezan_calc.h"
#include "tests/calculators/plain_counting.h"

namespace taketa::kakezan {
namespace {

const std::string kLineBreak = "BackSpaceキーを押して、改行コードを取り除いてください。";
const std::string kLength = "入力文字数を5000以下にしてください。";
const std::string kPointLength = "小数点を含めた入力文字数を5001以下にしてください。";
const std::string kNumber = "半角数字で5000桁以内の正の数を入力してください。";

TEST(Kakezan, InputChecksOnEachBox) {
  const std::string digits5000(5000, '7'), digits5001(5001, '7');
  struct Row {
    const char* name;
    std::string text;
    std::string message;  // "" when accepted
    std::optional<std::size_t> counter;
  } rows[] = {
      {"line break", "12\r\n", kLineBreak, {}},
      {"line break before the length", digits5001 + "\r\n", kLineBreak, {}},
      {"line break in the middle", "1\r\n2", kNumber, {}},
      {"5000 digits", digits5000, "", {}},
      {"5001 digits", digits5001, kLength, 5001},
      {"5000 digits and a point",
       digits5000.substr(0, 2500) + "." + digits5000.substr(2500),
       "",
       {}},
      {"5001 digits and a point", digits5001 + ".", kPointLength, 5002},
      {"point first", "." + digits5000, "", {}},
      {"full-width counts two", std::string(), kLength, 5002},  // filled in below
      {"leading zeros count", "0" + digits5000, kLength, 5001},
      {"two points", "1.2.3", kNumber, {}},
      {"sign", "-5", kNumber, {}},
      {"exponent", "1e5", kNumber, {}},
      {"blank", "1 2", kNumber, {}},
      {"full-width digit", "１", kNumber, {}},
      {"full-width point", "1．5", kNumber, {}},
      {"empty", "", kNumber, {}},
      {"lone point", ".", kNumber, {}},
      {"zero", "0", kNumber, {}},
      {"zeros with a point", "0.000", kNumber, {}},
      {"point last", "12.", "", {}},
      {"point first, short", ".5", "", {}},
      {"leading zeros", "00012", "", {}},
  };
  rows[8].text.clear();
  for (int i = 0; i < 2501; ++i) rows[8].text += "１";
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    for (int box = 0; box < 2; ++box) {
      const InputCheck error = box == 0 ? CheckInput(row.text, "3") : CheckInput("3", row.text);
      if (row.message.empty()) {
        EXPECT_FALSE(error) << error->message;
      } else {
        ASSERT_TRUE(error);
        EXPECT_EQ(*error, (InputError{row.message, box, row.counter}));
      }
    }
  }
  // A is checked through before B.
  EXPECT_EQ(CheckInput("0", "12\r\n")->box, 0);
  EXPECT_EQ(CheckInput("5", "12\r\n")->message, kLineBreak);
}

TEST(Kakezan, PointPlacement) {
  struct Row {
    const char* a;
    const char* b;
    const char* product;
  } rows[] = {
      {"1.5", "1.5", "2.25"},   {"2.5", "4", "10"},
      {"0.5", "0.2", "0.1"},    {"0.001", "0.001", "0.000001"},
      {"5.", "2.", "10"},       {"12", "25", "300"},
      {"3", "3", "9"},          {"00012", "3", "36"},
      {"1.0", "1.0", "1"},      {"0.10", "0.10", "0.01"},
      {".5", ".5", "0.25"},     {"100", "0.5", "50"},
      {"0.05", "2", "0.1"},     {"12.", "25", "300"},
      {"1.25", "8", "10"},      {"999", "0.001", "0.999"},
      {"0.0001", "10000", "1"}, {"123.456", "1000", "123456"},
      {"7", ".1", "0.7"},       {"000.0500", "0020.0", "1"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Multiply(row.a, row.b), row.product) << row.a << " x " << row.b;
    EXPECT_EQ(testing::PlainKakezan(row.a, row.b), row.product) << row.a << " x " << row.b;
  }
  // 5000 nines squared: 9...9 8 0...0 1 with 4999 nines and 4999 zeros.
  const std::string nines(5000, '9');
  EXPECT_EQ(Multiply(nines, nines), std::string(4999, '9') + "8" + std::string(4999, '0') + "1");
  EXPECT_EQ(Multiply("." + nines, "." + nines),
            "0." + std::string(4999, '9') + "8" + std::string(4999, '0') + "1");
}

// A random number as a user might type it: digits of a size class, a point
// anywhere or nowhere, leading and trailing zeros now and then.
std::string RandomOperand(std::mt19937_64& rng, std::size_t digits) {
  std::uniform_int_distribution<int> digit(0, 9), coin(0, 3);
  std::string text;
  if (coin(rng) == 0) text.append(std::uniform_int_distribution<std::size_t>(1, 3)(rng), '0');
  while (text.size() < digits) text.push_back(static_cast<char>('0' + digit(rng)));
  if (coin(rng) == 0) {
    const std::size_t zeros = std::min<std::size_t>(digits / 2, 4);
    text.replace(text.size() - zeros, zeros, zeros, '0');
  }
  if (text.find_first_not_of('0') == std::string::npos) text.back() = '3';
  if (coin(rng) != 0)
    text.insert(std::uniform_int_distribution<std::size_t>(0, text.size())(rng), ".");
  return text;
}

TEST(Kakezan, RandomAgainstThePlainTable) {
  std::mt19937_64 rng(7);
  const std::size_t sizes[] = {1, 2, 5, 17, 18, 19, 36, 37, 100, 400};
  for (std::size_t la : sizes) {
    for (std::size_t lb : sizes) {
      for (int k = 0; k < 4; ++k) {
        const std::string a = RandomOperand(rng, la), b = RandomOperand(rng, lb);
        ASSERT_FALSE(CheckInput(a, b));
        ASSERT_EQ(Multiply(a, b), testing::PlainKakezan(a, b)) << a << " x " << b;
      }
    }
  }
  for (std::size_t lb : {5000, 37}) {
    const std::string a = RandomOperand(rng, 5000), b = RandomOperand(rng, lb);
    ASSERT_FALSE(CheckInput(a, b));
    ASSERT_EQ(Multiply(a, b), testing::PlainKakezan(a, b));
  }
}

TEST(Kakezan, SavedFileAndRunUnit) {
  EXPECT_EQ(SaveFile("00012", "3", "36"),
            (ResultFile{"00012×3の計算結果（積）", {std::string(ResultFile::kLoneCr), "36"}}));
  EXPECT_EQ(EncodeResultFile(SaveFile("1.5", "1.5", "2.25")),
            "1.5\x81~1.5\x82\xcc\x8cv\x8eZ\x8c\x8b\x89\xca\x81i\x90\xcf\x81j\r\n\r\r\n2.25\r\n");
  UnstoppableRun run;
  const std::vector<std::string> ok = {"0.10", "0.10"};
  const UnitOutcome done = RunUnit(ok, run);
  EXPECT_EQ(done.status, UnitOutcome::Status::kDone);
  EXPECT_TRUE(done.offersSave);
  EXPECT_EQ(done.file.lines.back(), "0.01");
  const std::vector<std::string> zero = {"0", "1"};
  EXPECT_EQ(RunUnit(zero, run).error, (InputError{kNumber, 0, {}}));
  const std::vector<std::string> bLong = {"1", std::string(5001, '1')};
  EXPECT_EQ(RunUnit(bLong, run).error, (InputError{kLength, 1, 5001}));
}

}  // namespace
}  // namespace taketa::kakezan
