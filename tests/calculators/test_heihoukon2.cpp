#include <gtest/gtest.h>

#include <random>

#include "calculators/common/line_break.h"
#include "calculators/common/result_file.h"
#include "calculators/heihoukon2/heihoukon2_calc.h"
#include "digits/natural.h"
#include "tests/calculators/division_roots_data.h"
#include "tests/calculators/plain_division_roots.h"

namespace taketa::heihoukon2 {
namespace {

const std::string kRange = "半角数字で200桁以内の正の数を入力してください。";
const std::string kLength = "入力文字数を200以下にしてください。";
const std::string kPointLength = "小数点を含めた入力文字数を201以下にしてください。";
const std::string kBreak = "BackSpaceキーを押して、改行コードを取り除いてください。";

TEST(Heihoukon2, InputChecksInOrder) {
  const std::string digits200(200, '2');
  struct Row {
    const char* name;
    std::string text;
    std::string message;  // "" when accepted
  } rows[] = {
      {"line break", "2\r\n", kBreak},
      {"line break before the length", digits200 + "22\r\n", kBreak},
      {"201 digits", digits200 + "2", kLength},
      {"202 characters with a point", digits200 + ".2", kPointLength},
      {"length before the digit check", std::string(201, 'x'), kLength},
      {"two points", "1.2.3", kRange},
      {"letter", "2a", kRange},
      {"line break inside", "2\r\n5", kRange},
      {"empty", "", kRange},
      {"lone point", ".", kRange},
      {"zero", "00.00", kRange},
      {"200 digits", digits200, ""},
      {"201 characters with a point", digits200 + ".", ""},
      {"point first", ".25", ""},
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
    EXPECT_FALSE(error->counterLength);
  }
}

TEST(Heihoukon2, RootsAgainstIndependentValues) {
  EXPECT_GE(testing::ExpectDataCases("heihoukon2"), 50u);
}

TEST(Heihoukon2, CutRootsHaveTenThousandDigits) {
  for (const char* a : {"2", "0002", "0.1", "123.456", "8.", ".00000000000000000003"}) {
    const std::string root = Compute(a);
    ASSERT_EQ(root.size(), 10001u) << a;
    // The digits without the point, S, satisfy S^2 <= A * 10^k < (S + 1)^2.
    std::string s = root;
    const std::size_t point = s.find('.');
    s.erase(point, 1);
    std::string g = a;
    const std::size_t aPoint = g.find('.');
    std::size_t decimals = 0;
    if (aPoint != std::string::npos) {
      decimals = g.size() - aPoint - 1;
      g.erase(aPoint, 1);
    }
    // A = g / 10^decimals and root = S / 10^(10000 - point): compare
    // S^2 * 10^decimals with g * 10^(2 * (10000 - point)).
    const std::size_t rootDecimals = 10000 - point;
    const Natural sq = Natural::FromDecimal(s), x = Natural::FromDecimal(g);
    const Natural scaled = x.ShiftedUp(2 * rootDecimals);
    EXPECT_TRUE((sq * sq).ShiftedUp(decimals) <= scaled) << a;
    const Natural next = sq + Natural(1);
    EXPECT_TRUE(scaled < (next * next).ShiftedUp(decimals)) << a;
  }
}

// Against the pair-by-pair extraction with its trial digits, its equal case
// and its exactness test on the last window, for any root-digit limit.
TEST(Heihoukon2, AgreesWithPlainDigitByDigitRoot) {
  std::mt19937_64 rng(6);
  for (int round = 0; round < 800; ++round) {
    std::string a;
    if (round % 3 == 0) {
      // a square, so that the exactness test and the equal case meet
      const std::uint64_t r = 1 + rng() % 100000000;
      a = (Natural(r) * Natural(r)).ToDecimal();
    } else {
      a = std::to_string(1 + rng() % 1000000000);
    }
    a = std::string(rng() % 4, '0') + a;
    const std::size_t where = rng() % (a.size() + 2);
    if (where <= a.size() && round % 5 != 0) a = a.substr(0, where) + "." + a.substr(where);
    if (round % 7 == 0 && a.find('.') != std::string::npos) a += std::string(rng() % 3, '0');
    const std::size_t limit = (a.size() + 2) / 2 + rng() % 40;
    SCOPED_TRACE(a + " limit " + std::to_string(limit));
    ASSERT_EQ(Compute(a, limit), testing::PlainDecimalSquareRoot(a, limit));
  }
}

TEST(Heihoukon2, SavedTitle) {
  EXPECT_EQ(EncodeResultFile({SaveTitle("2.25"), {Compute("2.25")}}),
            "2.25\x82\xcc\x95\xbd\x95\xfb\x8d\xaa\x81i10000\x8c\x85\x81j\r\n1.5\r\n");
}

}  // namespace
}  // namespace taketa::heihoukon2
