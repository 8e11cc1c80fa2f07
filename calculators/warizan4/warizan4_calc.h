// A / B for positive numbers of up to 2000 digits, integers or decimals:
// exact when the quotient terminates, otherwise cut off after 20000 quotient
// digits.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::warizan4 {

inline constexpr std::string_view kLengthMessage = "入力文字数を2000以下にしてください。";
inline constexpr std::string_view kPointLengthMessage =
    "小数点を含めた入力文字数を2001以下にしてください。";
inline constexpr std::string_view kRangeMessage =
    "半角数字で2000桁以内の正の数を入力してください。";

// Checks Memo1's text (A, box 0), then Memo2's (B, box 1). A refusal for
// length also rewrites the length counter.
InputCheck CheckInput(std::string_view a, std::string_view b);

// The quotient as the result box shows it.
std::string Compute(std::string_view a, std::string_view b);

// Memo1 and Memo2 checked, then the quotient (shown in Memo3); the saved
// file holds the title, a lone carriage return and the quotient.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::warizan4
