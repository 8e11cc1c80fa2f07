// The expected results made independently with mpmath and Python's exact
// arithmetic (tests/data/make_logarithm_reference.py): one case per line,
// fields separated by tabs.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace taketa::testing {

inline std::vector<std::vector<std::string>> ReadCases(const std::string& name) {
  std::vector<std::vector<std::string>> cases;
  std::ifstream in(std::string(TAKETA_TEST_DATA_DIR) + "/" + name);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    cases.push_back(std::move(fields));
  }
  return cases;
}

}  // namespace taketa::testing
