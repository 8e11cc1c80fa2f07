// The expected results of the division and square-root calculators, made
// independently with Python's integers (tests/data/make_division_roots.py).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::testing {

struct DataCase {
  std::vector<std::string> inputs;
  std::vector<std::string> expected;  // the printed result lines
};

// The cases of one unit from division-roots.txt.
inline std::vector<DataCase> DivisionRootCases(std::string_view unitName) {
  const Unit* unit = FindUnit(unitName);
  std::vector<DataCase> cases;
  std::ifstream in(std::string(TAKETA_TEST_DATA_DIR) + "/division-roots.txt");
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    if (fields.empty() || fields[0] != unitName) continue;
    const auto inputsEnd = fields.begin() + 1 + unit->inputCount;
    cases.push_back({{fields.begin() + 1, inputsEnd}, {inputsEnd, fields.end()}});
  }
  return cases;
}

// `expected` is the text itself, or "@LENGTH:FIRST200:LAST200" for a long one.
inline void ExpectResultText(const std::string& expected, const std::string& actual) {
  if (expected.empty() || expected[0] != '@') {
    EXPECT_EQ(actual, expected);
    return;
  }
  const std::size_t colon = expected.find(':');
  const std::size_t length = std::strtoul(expected.c_str() + 1, nullptr, 10);
  const std::string head = expected.substr(colon + 1, 200), tail = expected.substr(colon + 202);
  EXPECT_EQ(actual.size(), length);
  EXPECT_EQ(actual.substr(0, head.size()), head);
  EXPECT_EQ(actual.substr(actual.size() - std::min(actual.size(), tail.size())), tail);
}

// Runs every case of the unit as taketa-calc would and compares the printed
// lines; returns the number of cases.
inline std::size_t ExpectDataCases(std::string_view unitName) {
  const Unit* unit = FindUnit(unitName);
  const std::vector<DataCase> cases = DivisionRootCases(unitName);
  for (const DataCase& c : cases) {
    SCOPED_TRACE(c.inputs[0].substr(0, 60) +
                 (c.inputs.size() > 1 ? " | " + c.inputs[1].substr(0, 60) : ""));
    UnstoppableRun run;
    const UnitOutcome outcome = unit->run(c.inputs, run);
    EXPECT_EQ(outcome.status, UnitOutcome::Status::kDone) << outcome.error.message;
    std::vector<std::string> printed;
    for (const std::string& line : outcome.file.lines) {
      if (line != ResultFile::kLoneCr) printed.push_back(line);
    }
    EXPECT_EQ(printed.size(), c.expected.size());
    if (printed.size() != c.expected.size()) continue;
    for (std::size_t i = 0; i < printed.size(); ++i) ExpectResultText(c.expected[i], printed[i]);
  }
  return cases.size();
}

}  // namespace taketa::testing
