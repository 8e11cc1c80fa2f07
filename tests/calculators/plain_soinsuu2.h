// Prime factorisation step by step as the window's trial division describes
// it: every odd divisor tried, the short path in 64-bit integers, the long
// path on whole numbers divided one divisor at a time, every progress value
// recorded.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace taketa::testing {

struct PlainFactorisation {
  std::string result;
  std::string memo1;
  std::vector<std::pair<int, std::string>> shown;  // (progress box, text), in order
  std::string cofactor;                            // left when the divisor passed `switchBound`
};

// `working`: no leading zeros, at least 2. With a switch bound, trial
// division stops when its next divisor passes it while not yet past the
// square root: `cofactor` is then what is left, nothing shown for that
// divisor.
PlainFactorisation PlainFactorise(const std::string& working, std::uint64_t switchBound = 0);

// Miller-Rabin to the 25 prime bases 2 to 97 on Natural: a proof below
// 3317044064679887385961981, beyond it a test that no composite of this
// size is known to pass.
bool PlainIsProbablePrime(const std::string& decimal);

}  // namespace taketa::testing
