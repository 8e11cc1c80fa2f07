// A^B to 50 digits for a positive A of up to 20 digits and a decimal B with
// |B| <= 5000: the integer part of |B| by repeated multiplication, the
// fraction f by A^f = 10^(f × log10 A) from the logarithm pipeline, the
// reciprocal for a negative B, and the texts the window shows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calculators/common/decimal_bounds.h"
#include "calculators/common/logarithm.h"
#include "calculators/common/run_control.h"
#include "digits/natural.h"

namespace taketa {

enum class ExponentClass {
  kInteger,   // |B| = p
  kFraction,  // |B| = f, 0 < f < 1
  kMixed,     // |B| = p + f
};

// The inputs taken apart.
struct PowerInput {
  std::string a, b;  // as typed
  ReducedNumber base;
  Natural significant;  // A's significant digits S: A = S × 10^scale
  long scale = 0;
  bool baseIsInteger = false;  // A (normalised) has no point
  bool negative = false;       // B begins with "-"
  ExponentClass kind = ExponentClass::kInteger;
  int p = 0;             // |B|'s integer part
  std::string fraction;  // |B|'s digits after its point ("" without one)
};

// A (a positive decimal text) and B (a decimal text after an optional "-",
// |B| <= 5000), checked, taken apart.
PowerInput TakeApartPower(std::string_view a, std::string_view b);

// The digits the integer power keeps while it runs: the value's last
// digits are cut off, with bounds on what was cut, once it is longer.
inline constexpr std::size_t kPowerDigits = 130;

// S^p, one multiplication per step. Step s writes s into progress box 0,
// multiplies, and polls for a stop (once more before the first step).
// nullopt when stopped.
std::optional<DecimalBounds> IntegerPower(const PowerInput& input, RunControl& run);

// The text of A^B from the integer power's result (1 for the fraction
// class): the fraction part, the product, the reciprocal and the format,
// with more precision (and the integer power exact) until every shown digit
// is settled. nullopt when they are not settled by kMaxPrecision.
std::optional<std::string> FinishPower(const PowerInput& input, DecimalBounds integerPower);

// The first `count` significant digits of A^B itself (a negative B's
// reciprocal taken), truncated, and the place of the first, from the
// integer power's result in the same way. nullopt when they are not
// settled by kMaxPrecision.
std::optional<LeadingDigits> LeadingPowerDigits(const PowerInput& input, DecimalBounds integerPower,
                                                std::size_t count);

// A^f as an exact value when it is rational (A = n/d and both n and d are
// q-th powers, q the denominator of f in lowest terms); nullopt otherwise.
std::optional<DecimalBounds> RationalFractionPower(const PowerInput& input);

}  // namespace taketa
