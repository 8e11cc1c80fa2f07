// A / B for positive numbers of up to 50 digits, integers or decimals: the
// same division as warizan4 (exact when the quotient terminates, otherwise
// cut off after 20000 quotient digits) behind single-line boxes.
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

// Title, a line holding a lone carriage return, the quotient.
ResultFile SaveFile(std::string_view a, std::string_view b, std::string quotient);

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::warizan1
