#include <gtest/gtest.h>

#include "calculators/jouyoutaisuu/jouyoutaisuu_calc.h"
#include "calculators/sizentaisuu/sizentaisuu_calc.h"
#include "tests/calculators/logarithm_test_data.h"

namespace taketa::jouyoutaisuu {
namespace {

TEST(Jouyoutaisuu, ChecksAreThoseOfTheNaturalLogarithm) {
  for (const char* text : {"", "123456789012345678901", ".00000000000000000001", "12a", ".", "0.0",
                           "１", "1.2.3", "5.", "0.0000000000000000001"}) {
    EXPECT_EQ(CheckInput(text), sizentaisuu::CheckInput(text)) << text;
  }
}

TEST(Jouyoutaisuu, PowersOfTenGiveTheBareInteger) {
  struct Row {
    const char* x;
    const char* log;
  } rows[] = {
      {"1", "0"},
      {"10", "1"},
      {"100", "2"},
      {"10.000", "1"},
      {"0.1", "－1"},
      {"0.001", "－3"},
      {".0000000000000000001", "－19"},
      {"10000000000000000000", "19"},
      {"2", "0.30102999566398119521373889472449302676818988146210"},
      {"0.5", "－0.30102999566398119521373889472449302676818988146210"},
      {"3", "0.47712125471966243729502790325511530920012886419069"},
      {"99999999999999999999", "19.99999999999999999999565705518096748172346699608673"},
      {"1.0000000000000000001", "0.00000000000000000004342944819032518276294141948214"},
  };
  for (const Row& row : rows) EXPECT_EQ(Compute(row.x), row.log) << row.x;
}

TEST(Jouyoutaisuu, AgreesWithMpmath) {
  const auto cases = testing::ReadCases("logarithms.txt");
  ASSERT_GE(cases.size(), 400u);
  for (const std::vector<std::string>& row : cases) EXPECT_EQ(Compute(row[0]), row[2]) << row[0];
}

TEST(Jouyoutaisuu, RunUnitGivesTheSavedLines) {
  UnstoppableRun run;
  const std::vector<std::string> inputs{"0.001"};
  const UnitOutcome outcome = RunUnit(inputs, run);
  EXPECT_EQ(outcome.status, UnitOutcome::Status::kDone);
  EXPECT_EQ(outcome.file.title, "0.001の常用対数");
  EXPECT_EQ(outcome.file.lines, std::vector<std::string>{"－3"});
}

}  // namespace
}  // namespace taketa::jouyoutaisuu
