// Splitting a composite by finding a factor that is small against it:
// Pollard's rho in Brent's form, and the elliptic curve method on
// Montgomery curves.
#pragma once

#include <cstdint>

#include "calculators/soinsuu2/stop_poll.h"
#include "calculators/soinsuu2/wide.h"

namespace taketa::soinsuu2 {

// A proper factor of the odd composite n from the walk x -> x^2 + c, within
// about `steps` steps. False when none was found or the run stopped.
bool PollardRho(const U192& n, U64 c, U64 steps, StopSignal& stop, U192& factor);

// A proper factor of the odd composite n (no prime factor below 7) from one
// curve with Suyama's parameter sigma >= 6: stage 1 up to b1, stage 2 up to
// b2 (b2 below 2^17). False when none was found or the run stopped.
bool EcmCurve(const U192& n, U64 sigma, std::uint32_t b1, std::uint32_t b2, StopSignal& stop,
              U192& factor);

}  // namespace taketa::soinsuu2
