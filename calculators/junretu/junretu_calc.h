// nPr = n x (n - 1) x ... x (n - r + 1) for 1 <= r <= n <= 50000, every
// digit, with the digit count.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::junretu {

// "720    (桁数＝3)" for n = 10, r = 3. Step i (n - r + 1 up to n) shows i
// in progress box 0 and is followed by a stop poll. nullopt when stopped.
std::optional<std::string> Compute(long n, long r, RunControl& run);

// Title line of the saved file, from the boxes' texts:
// 異なる10個のものから3個とった順列の総数.
std::string SaveTitle(std::string_view edit1, std::string_view edit2);

// Edit1 and Edit2 checked (CheckCounts), then nPr with its digit count
// (shown in RichEdit1).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::junretu
