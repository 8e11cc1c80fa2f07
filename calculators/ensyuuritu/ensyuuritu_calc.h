// The first N digits of pi.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::ensyuuritu {

// Checks the text of Edit1 (the number of digits N); on success sets digits.
InputCheck CheckInput(std::string_view edit1, int& digits);

// The first `digits` digits of pi without a point ("31415926..."), truncated;
// the term index k of each pass goes to progress box 0. nullopt when stopped.
std::optional<std::string> Compute(int digits, RunControl& run);

// Title line of the saved file, from Edit1's text.
std::string SaveTitle(std::string_view edit1);

// Edit1 checked, then the digits (shown in Memo1).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::ensyuuritu
