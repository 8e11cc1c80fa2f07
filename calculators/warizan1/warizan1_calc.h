// A / B for positive numbers of up to 50 digits, integers or decimals: the
// division of the 2000-digit window (exact when the quotient terminates,
// otherwise cut off after 20000 quotient digits) behind single-line boxes.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::warizan1 {

inline constexpr std::string_view kLengthMessage = "入力文字数を50以下にしてください。";
inline constexpr std::string_view kPointLengthMessage =
    "小数点を含めた入力文字数を51以下にしてください。";
inline constexpr std::string_view kRangeMessage = "半角数字で50桁以内の正の数を入力してください。";

// Checks Edit1's text (A, box 0), then Edit2's (B, box 1).
InputCheck CheckInput(std::string_view a, std::string_view b);

// The quotient as the result box shows it.
std::string Compute(std::string_view a, std::string_view b);

// Edit1 and Edit2 checked, then the quotient (shown in Memo1); the saved
// file holds the title, a lone carriage return and the quotient.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::warizan1
