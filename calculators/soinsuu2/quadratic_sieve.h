// The self-initialising quadratic sieve, for composites of up to 50 digits
// whose prime factors are all large: the method that splits the hardest
// numbers here, two primes of about the same size.
#pragma once

#include "calculators/soinsuu2/stop_poll.h"
#include "calculators/soinsuu2/wide.h"

namespace taketa::soinsuu2 {

// A proper factor of n: odd, composite, not a perfect power, without a
// prime factor below 2^16, below 10^51. False only when the run stopped.
bool QuadraticSieve(const U192& n, StopPoll& poll, U192& factor);

}  // namespace taketa::soinsuu2
