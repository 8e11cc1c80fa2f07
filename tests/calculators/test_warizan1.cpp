#include <gtest/gtest.h>

#include "calculators/warizan1/warizan1_calc.h"
#include "tests/calculators/division_roots_data.h"

namespace taketa::warizan1 {
namespace {

const std::string kRange = "半角数字で50桁以内の正の数を入力してください。";
const std::string kLength = "入力文字数を50以下にしてください。";
const std::string kPointLength = "小数点を含めた入力文字数を51以下にしてください。";

TEST(Warizan1, InputChecksInOrder) {
  const std::string digits50(50, '9');
  struct Row {
    const char* name;
    std::string a, b;
    std::string message;  // "" when accepted
    int box;
  } rows[] = {
      {"50 digits", digits50, digits50, "", 0},
      {"51 characters with a point", digits50 + ".", "." + digits50, "", 0},
      {"51 digits", digits50 + "1", "2", kLength, 0},
      {"52 characters with a point", digits50 + ".1", "2", kPointLength, 0},
      {"no line-break check in a one-line box", "12\r\n", "2", kRange, 0},
      {"letter", "1e5", "2", kRange, 0},
      {"empty", "", "2", kRange, 0},
      {"zero", "0.0", "2", kRange, 0},
      {"B too long", "2", digits50 + "0", kLength, 1},
      {"B zero", "2", ".", kRange, 1},
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
    EXPECT_FALSE(error->counterLength);  // there is no length counter
  }
}

TEST(Warizan1, QuotientsAgainstIndependentValues) {
  EXPECT_GE(testing::ExpectDataCases("warizan1"), 14u);
  // 22 / 7 to 19998 decimals, 1 / 3 to 19999.
  EXPECT_EQ(Compute("22", "7").size(), 1 + 1 + 19998);
  EXPECT_EQ(Compute("1", "3"), "0." + std::string(19999, '3'));
}

TEST(Warizan1, SavedFile) {
  UnstoppableRun run;
  EXPECT_EQ(EncodeResultFile(RunUnit(std::vector<std::string>{"1", "8"}, run).file),
            "1\x81\x80"
            "8\x82\xcc\x8c\x76\x8e\x5a\x8c\x8b\x89\xca\x81\x69\x8f\xa4\x81\x6a\r\n"
            "\r\r\n"
            "0.125\r\n");
}

}  // namespace
}  // namespace taketa::warizan1
