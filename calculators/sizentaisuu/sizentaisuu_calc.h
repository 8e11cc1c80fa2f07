// The natural logarithm of a positive number of up to 20 digits, to 50
// decimals, truncated.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/logarithm.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::sizentaisuu {

inline constexpr std::string_view kMessage = kLogarithmInputMessage;
inline constexpr std::string_view kLengthMessage = kLogarithmLengthMessage;

// Checks the text of Edit1.
InputCheck CheckInput(std::string_view edit1);

// ln x with 50 decimals, "－" (full-width) in front when x < 1; "0" for
// x = 1. Precondition: CheckInput passed. nullopt when the digits are not
// settled by kMaxPrecision.
std::optional<std::string> Compute(std::string_view edit1);

// Title line of the saved file, from Edit1's text.
std::string SaveTitle(std::string_view edit1);

// Edit1 checked, then the logarithm (shown in Edit2).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::sizentaisuu
