// What every unit's run promises the window that binds its steps: a refused
// input shows nothing; a computation begins (BeginComputing) before its
// first step counter or stop poll, and only once; a special case answered
// at once begins nothing; a finished run names what the result boxes show.
// And the precision loop of the settled digits stops at its cap.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <string>
#include <vector>

#include "calculators/common/decimal_bounds.h"
#include "calculators/common/unit.h"

namespace taketa {
namespace {

// Records the steps a run shows its window, in order.
class StepLog final : public RunControl {
 public:
  void ShowProgress(std::string_view, int) override { Add("progress"); }
  bool StopRequested() override {
    Add("poll");
    return false;
  }
  void BeginComputing() override { Add("begin"); }

  std::vector<std::string> steps;

 private:
  void Add(const char* step) {
    if (steps.empty() || steps.back() != step) steps.push_back(step);
  }
};

TEST(RunSequence, RefusedInputShowsNothing) {
  for (const Unit& unit : AllUnits()) {
    SCOPED_TRACE(unit.name);
    const std::vector<std::string> empty(unit.inputCount);
    StepLog log;
    const UnitOutcome outcome = unit.run(empty, log);
    EXPECT_EQ(outcome.status, UnitOutcome::Status::kRefused);
    EXPECT_GE(outcome.error.box, 0);
    EXPECT_LT(outcome.error.box, unit.inputCount);
    EXPECT_FALSE(outcome.error.message.empty());
    EXPECT_TRUE(log.steps.empty());
  }
}

TEST(RunSequence, ComputingBeginsOnceBeforeItsSteps) {
  struct Row {
    const char* unit;
    std::vector<std::string> inputs;
    bool begins;      // BeginComputing is called
    bool computed;    // not a special case
    bool offersSave;  // the window offers to save
  } rows[] = {
      {"ensyuuritu", {"50"}, true, true, true},
      {"sizentaisuunotei", {"50"}, true, true, true},
      {"heihoukon1", {"1234567"}, true, true, true},
      {"heihoukon2", {"2"}, true, true, true},
      {"Njoukon", {"3", "2"}, true, true, true},
      {"Njoukon", {"3", "1.000"}, false, false, false},  // the root of 1 at once
      {"kakezan", {"1.5", "1.5"}, true, true, true},
      {"warizan1", {"1", "7"}, true, true, true},
      {"warizan3", {"1234", "56"}, true, true, true},
      {"warizan3", {"12", "345"}, true, true, false},  // A shorter than B: nothing to save
      {"kaijou", {"30"}, true, true, true},
      {"ruijou", {"1.5", "20"}, true, true, true},
      {"soinsuu2", {"123456789"}, true, true, true},
      {"junretu", {"10", "3"}, true, true, true},
      {"kumiawase", {"10", "3"}, true, true, true},
      {"kumiawase", {"7", "7"}, false, false, false},  // nCr = 1 at once
      {"warizan4", {"22", "7"}, true, true, true},
      {"yuurisuubeki", {"2", "10.5"}, true, true, true},
      {"yuurisuubeki", {"2", "0.5"}, false, true, true},   // no integer power to stop
      {"yuurisuubeki", {"1", "2.5"}, false, false, true},  // A = 1
      {"yuurisuubeki2", {"2", "10.5"}, true, true, true},
      {"yuurisuubeki2", {"2", "0.5"}, false, true, true},
      {"yuurisuubeki2", {"007", "1"}, false, false, true},  // B = 1
      {"jouyoutaisuu", {"2"}, true, true, true},
      {"sizentaisuu", {"2"}, true, true, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.unit) + " " + row.inputs[0]);
    const Unit* unit = FindUnit(row.unit);
    ASSERT_NE(unit, nullptr);
    StepLog log;
    const UnitOutcome outcome = unit->run(row.inputs, log);
    ASSERT_EQ(outcome.status, UnitOutcome::Status::kDone);
    EXPECT_EQ(outcome.computed, row.computed);
    EXPECT_EQ(outcome.offersSave, row.offersSave);
    EXPECT_FALSE(outcome.shown.empty());
    EXPECT_FALSE(outcome.file.title.empty());
    EXPECT_FALSE(outcome.file.lines.empty());
    const auto begins = std::count(log.steps.begin(), log.steps.end(), "begin");
    EXPECT_EQ(begins, row.begins ? 1 : 0);
    if (row.begins) {
      EXPECT_EQ(log.steps.front(), "begin");
    }
    if (!row.computed) {
      EXPECT_TRUE(log.steps.empty());
    }
  }
}

TEST(RunSequence, MorePrecisionUntilSettledOrTheCap) {
  std::vector<int> tried;
  const auto never = [&](int precision) -> std::optional<int> {
    tried.push_back(precision);
    return std::nullopt;
  };
  EXPECT_FALSE(WithMorePrecision(100, never));
  EXPECT_EQ(tried, (std::vector<int>{100, 200, 400, 800, 1600, 3200}));
  EXPECT_EQ(tried.back(), kMaxPrecision);

  tried.clear();
  const auto from400 = [&](int precision) -> std::optional<int> {
    tried.push_back(precision);
    if (precision < 400) return std::nullopt;
    return precision;
  };
  EXPECT_EQ(WithMorePrecision(100, from400), 400);
  EXPECT_EQ(tried, (std::vector<int>{100, 200, 400}));

  // Up to the largest cap: the precision doubles to 2^29 and stops there,
  // never past INT_MAX.
  tried.clear();
  EXPECT_FALSE(WithMorePrecision(1, never, INT_MAX / 2));
  EXPECT_EQ(tried.size(), 30u);
  EXPECT_EQ(tried.back(), 1 << 29);
}

}  // namespace
}  // namespace taketa
