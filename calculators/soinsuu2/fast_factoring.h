// The fast phase of the factorisation: what is left when trial division
// has passed its switch bound is split by Pollard's rho, the elliptic curve
// method and the quadratic sieve, and every factor is proven prime (the
// n - 1 method of Pocklington, Brillhart, Lehmer and Selfridge above
// 3317044064679887385961981, Miller-Rabin to thirteen bases below).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculators/common/run_control.h"

namespace taketa::soinsuu2 {

// False in a build made without the fast phase: trial division then goes
// on to the end.
bool HasFastFactoring();

// The prime factors of n (decimal, no leading zeros, 2 <= n < 10^51),
// ascending, each as often as it divides n; nullopt when the run stopped.
// Asks run.StopRequested() at least every few milliseconds.
std::optional<std::vector<std::string>> FactorFast(std::string_view n, RunControl& run);

}  // namespace taketa::soinsuu2
