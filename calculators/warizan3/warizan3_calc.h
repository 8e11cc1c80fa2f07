// The integer quotient and the remainder of A / B for positive integers of
// up to 60000 digits.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::warizan3 {

inline constexpr std::string_view kRangeMessage =
    "半角数字で60000桁以内の正の整数を入力してください。";
// A's message for a text that is too long; B's is kRangeMessage.
inline constexpr std::string_view kLengthMessage = "入力文字数を60000以下にしてください。";

// Checks Memo1's text (A, box 0), then Memo2's (B, box 1): a final line
// break, a character that is not a digit, more than 60000 characters (which
// also rewrites the length counter), no digit other than 0.
InputCheck CheckInput(std::string_view a, std::string_view b);

struct Division {
  std::string quotient;   // without leading zeros, "0" for zero
  std::string remainder;  // likewise
  // A has fewer digits than B (leading zeros aside): the quotient is 0 and
  // the remainder A without its leading zeros; the window shows them with a
  // beep and offers nothing to save.
  bool shortcut = false;
};

Division Compute(std::string_view a, std::string_view b);

// The five lines of the saved file: the title from the boxes' texts, a lone
// carriage return, the quotient line, a lone carriage return, the remainder
// line.
ResultFile SaveFile(std::string_view a, std::string_view b, const Division& division);

// Memo1 and Memo2 checked, then the quotient and the remainder (shown in
// Memo3 and Memo4), the wait notice shown while they are computed; with A
// shorter than B they are not offered for saving.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::warizan3
