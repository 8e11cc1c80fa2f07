// Prime factorisation step by step as the window's trial division describes
// it: every odd divisor tried, the short path in 64-bit integers, the long
// path on whole numbers divided one divisor at a time, every progress value
// recorded.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace taketa::testing {

struct PlainFactorisation {
  std::string result;
  std::string memo1;
  std::vector<std::pair<int, std::string>> shown;  // (progress box, text), in order
};

// `working`: no leading zeros, at least 2.
PlainFactorisation PlainFactorise(const std::string& working);

}  // namespace taketa::testing
