// The integer part of the square root of a natural number of up to 10000
// digits.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::heihoukon1 {

inline constexpr std::string_view kRangeMessage =
    "半角数字で 10000桁以内の自然数を入力してください。";
inline constexpr std::string_view kLengthMessage = "入力文字数を10000以下にしてください。";

// Checks Memo1's text: empty; a final line break; more than 10000
// characters (leading zeros count); a character that is not a digit; no
// digit other than 0.
InputCheck CheckInput(std::string_view n);

// floor(sqrt(N)) without leading zeros: (n + 1) / 2 digits for an n-digit N.
std::string Compute(std::string_view n);

// Title line of the saved file, from Memo1's text.
std::string SaveTitle(std::string_view n);

// Memo1 checked, then the root (shown in Memo2).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::heihoukon1
