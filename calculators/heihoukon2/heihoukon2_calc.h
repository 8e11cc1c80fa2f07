// The square root of a positive number of up to 200 digits, integer or
// decimal: exact when the root terminates within the number's own digit
// pairs, otherwise 10000 digits of it, cut off, never rounded.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::heihoukon2 {

// The number of root digits of a root that does not terminate.
inline constexpr std::size_t kRootDigits = 10000;

// Checks Memo3's text: a final line break; more than 200 characters without
// a point; more than 201 with one; without the first point, a character
// that is not a digit; no digit other than 0.
InputCheck CheckInput(std::string_view a);

// The root as the result box shows it. The digits of A (without the point,
// leading zeros kept, a 0 appended to an odd number of decimals) are taken
// in pairs aligned on the point, each pair giving one root digit: the
// integer part's pairs give the digits before the root's point, so leading
// zeros of A give leading zeros of the root (0002 gives 01.414...) and A
// beginning with its point gives a root beginning with "." (.25 gives .5).
// When nothing remains after A's last pair the root is exact and keeps A's
// form (4. gives 2., 1.00 gives 1.0); otherwise pairs of zeros follow until
// there are `rootDigits` root digits, and the point is always written.
std::string Compute(std::string_view a, std::size_t rootDigits = kRootDigits);

// Title line of the saved file, from Memo3's text.
std::string SaveTitle(std::string_view a);

// Memo3 checked, then the root (shown in Memo2), the wait notice shown
// while it is computed.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::heihoukon2
