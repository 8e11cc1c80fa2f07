// The expected results of the power and root calculators, made
// independently (tests/data/make_power_cases.py): one case per line, fields
// separated by tabs.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace taketa::testing {

inline std::vector<std::vector<std::string>> ReadCases(const std::string& file) {
  std::ifstream in(std::string(TAKETA_TEST_DATA_DIR) + "/" + file);
  std::vector<std::vector<std::string>> cases;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    cases.push_back(fields);
  }
  return cases;
}

}  // namespace taketa::testing
