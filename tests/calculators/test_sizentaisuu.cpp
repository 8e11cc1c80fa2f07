#include <gtest/gtest.h>

#include "calculators/sizentaisuu/sizentaisuu_calc.h"
#include "tests/calculators/logarithm_test_data.h"

namespace taketa::sizentaisuu {
namespace {

const std::string kRefusal = "半角数字で20桁以内の正の数を入力してください。";
const std::string kLength =
    "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";

TEST(Sizentaisuu, ChecksInTheirOrder) {
  const std::string number(kRefusal), placed(kLength);
  struct Row {
    const char* text;
    std::string message;  // "" when accepted
  } rows[] = {
      {"", number},
      {"123456789012345678901", number},  // 21 digits, no point: the first message
      {"12345678901234567890", ""},
      {".00000000000000000001", placed},   // point first, 21 characters
      {".0000000000000000001", ""},        // 20 characters: 10^-19
      {"0.00000000000000000001", placed},  // point second, 22 characters
      {"0.0000000000000000001", ""},
      {"1234567890.12345678901", placed},  // 22 characters
      {"１２３４５６７８９０１", number},  // 22 bytes in code page 932, no point
      {".１２３４５６７８９０", placed},   // 21 bytes: the length is checked before the characters
      {".1234567890123456789a", placed},
      {"１.５", number},  // full-width digits are no digits
      {"12a", number},
      {"1.2.3", number},
      {"-1", number},
      {"1e5", number},
      {" 5", number},
      {"0", number},
      {"0.0", number},
      {"000", number},
      {".", number},  // passes the character check but is no number
      {"5.", ""},
      {".5", ""},
  };
  for (const Row& row : rows) {
    const InputCheck error = CheckInput(row.text);
    if (row.message.empty()) {
      EXPECT_FALSE(error) << row.text;
    } else {
      ASSERT_TRUE(error) << row.text;
      EXPECT_EQ(error->message, row.message) << row.text;
      EXPECT_EQ(error->box, 0);
    }
  }
}

TEST(Sizentaisuu, KnownValues) {
  struct Row {
    const char* x;
    const char* ln;
  } rows[] = {
      {"1", "0"},
      {"1.000", "0"},
      {"0001", "0"},
      {"10", "2.30258509299404568401799145468436420760110148862877"},
      {"100", "4.60517018598809136803598290936872841520220297725754"},
      {"0.1", "－2.30258509299404568401799145468436420760110148862877"},
      {"2", "0.69314718055994530941723212145817656807550013436025"},
      {"0.5", "－0.69314718055994530941723212145817656807550013436025"},
      {".5", "－0.69314718055994530941723212145817656807550013436025"},
      {"3", "1.09861228866810969139524523692252570464749055782274"},
      {"5.", "1.60943791243410037460075933322618763952560135426851"},
      {"2.50", "0.91629073187415506518352721176801107145010121990826"},
  };
  for (const Row& row : rows) EXPECT_EQ(Compute(row.x), row.ln) << row.x;
}

// 400 numbers with their logarithms made independently with mpmath: 50
// decimals, a units part of one or two digits, trailing zeros kept.
TEST(Sizentaisuu, AgreesWithMpmath) {
  const auto cases = testing::ReadCases("logarithms.txt");
  ASSERT_GE(cases.size(), 400u);
  for (const std::vector<std::string>& row : cases) {
    ASSERT_FALSE(CheckInput(row[0])) << row[0];
    EXPECT_EQ(Compute(row[0]), row[1]) << row[0];
  }
}

TEST(Sizentaisuu, RunUnitGivesTheSavedLines) {
  UnstoppableRun run;
  const std::vector<std::string> inputs{"0.5"};
  UnitOutcome outcome = RunUnit(inputs, run);
  EXPECT_EQ(outcome.status, UnitOutcome::Status::kDone);
  EXPECT_EQ(outcome.file.title, "0.5の自然対数");
  EXPECT_EQ(outcome.file.lines,
            std::vector<std::string>{"－0.69314718055994530941723212145817656807550013436025"});
  const std::vector<std::string> lone{"."};
  outcome = RunUnit(lone, run);
  EXPECT_EQ(outcome.status, UnitOutcome::Status::kRefused);
  EXPECT_EQ(outcome.error.message, kRefusal);
}

}  // namespace
}  // namespace taketa::sizentaisuu
