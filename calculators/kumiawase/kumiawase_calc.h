// nCr = n! / (r! (n - r)!) for 1 <= r <= n <= 50000, every digit, with the
// digit count: the product of the top r' factors of n!, r' = min(r, n - r),
// divided exactly by r'!, one quotient digit per pass.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::kumiawase {

// The result shown at once, without a run, when n = r.
inline constexpr std::string_view kOneResult = "1    (桁数＝1)";

// "120    (桁数＝3)" for n = 10 and r = 3 or 7; precondition r < n. Three
// stages, each step followed by a stop poll: the numerator (step i shows i,
// n - r' + 1 up to n), the denominator (i from 1 up to r'), the division
// (step q shows the number of quotient digits found, 1 up to
// lenN - lenD + 1; the step that completes the quotient is not followed by
// a poll). nullopt when stopped.
std::optional<std::string> Compute(long n, long r, RunControl& run);

// Title line of the saved file, from the boxes' texts (r as typed, not
// reduced): 異なる10個のものから3個とった組合せの総数.
std::string SaveTitle(std::string_view edit1, std::string_view edit2);

// Edit1 and Edit2 checked (CheckCounts); with n = r, kOneResult at once,
// not offered for saving; otherwise nCr with its digit count (shown in
// RichEdit1).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::kumiawase
