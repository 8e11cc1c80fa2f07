// N! for 1 <= N <= 50000, every digit, with the digit count.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::kaijou {

inline constexpr std::string_view kRangeMessage =
    "半角数字で 50000以下の自然数を入力してください。";
inline constexpr std::string_view kLengthMessage = "入力文字数を5以下にしてください。";

// Checks the text of Edit1 (N); on success sets n.
InputCheck CheckInput(std::string_view edit1, long& n);

// "3628800    (桁数＝7)" for N = 10: the digits of N! and their count. Step
// i shows i in progress box 0 and is followed by a stop poll. nullopt when
// stopped.
std::optional<std::string> Compute(long n, RunControl& run);

// Title line of the saved file, from Edit1's text.
std::string SaveTitle(std::string_view edit1);

// Edit1 checked, then N! with its digit count (shown in RichEdit1).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::kaijou
