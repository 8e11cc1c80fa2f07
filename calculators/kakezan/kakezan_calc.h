// The exact product of two positive numbers of up to 5000 digits each,
// integers or decimals, with the point where it belongs and no superfluous
// zeros.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/unit.h"

namespace taketa::kakezan {

inline constexpr std::string_view kLengthMessage = "入力文字数を5000以下にしてください。";
inline constexpr std::string_view kPointLengthMessage =
    "小数点を含めた入力文字数を5001以下にしてください。";
inline constexpr std::string_view kNumberMessage =
    "半角数字で5000桁以内の正の数を入力してください。";

// Checks Memo1 (A, box 0), then Memo2 (B, box 1), each in this order: it
// ends with a line break; it is longer than 5000 without a point, or than
// 5001 with one (these two also rewrite the length counter); without its
// first point it holds a character that is not a digit, or nothing but
// zeros.
InputCheck CheckInput(std::string_view memo1, std::string_view memo2);

// A x B for texts that pass the checks: 1.5 x 1.5 gives 2.25, 0.5 x 0.2
// gives 0.1, 5. x 2. gives 10. When neither text has a point the product's
// digits are shown as they are (12 x 25 gives 300).
std::string Multiply(std::string_view a, std::string_view b);

// The saved file: the title (the texts as typed), a line holding one
// carriage return, the product.
ResultFile SaveFile(std::string_view memo1, std::string_view memo2, std::string_view product);

// Memo1 and Memo2 checked, then the product (shown in Memo3).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::kakezan
