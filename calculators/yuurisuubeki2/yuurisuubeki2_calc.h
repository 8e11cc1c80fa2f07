// A^B to 50 digits: a positive A of up to 20 digits, B from -5000 to 5000,
// both integer or decimal.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/decimal_power.h"
#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::yuurisuubeki2 {

inline constexpr std::string_view kBaseMessage =
    "底 A には半角数字で20桁以内の正の数を入力してください。";
inline constexpr std::string_view kBaseLengthMessage =
    "底 A には位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";
inline constexpr std::string_view kExponentMessage =
    "指数 B には半角数字で20桁以内で -5000以上 5000以下の数を入力してください。";
inline constexpr std::string_view kExponentLengthMessage =
    "指数 B には位取り表示のための 0 も含めて半角数字で20桁以内で -5000以上 5000以下の数 "
    "を入力してください。";
inline constexpr std::string_view kExponentRangeMessage =
    "指数 B には半角数字で -5000以上 5000以下の数を入力してください。";

// Checks A (Edit1, box 0) and then B (Edit2, box 1).
InputCheck CheckInput(std::string_view a, std::string_view b);

// The result of the special values, in this order: A = 1 gives "1"; B = 1
// gives A's text as typed; B = 0 gives "1". nullopt for every other input.
std::optional<std::string> SpecialValue(const PowerInput& input);

// True when |B| has an integer part: the window then shows its step counter.
inline bool HasIntegerPower(const PowerInput& input) { return input.p > 0; }

// Title line of the saved file: "2の0.5乗", from the boxes' texts.
std::string SaveTitle(std::string_view a, std::string_view b);

// Edit1 and Edit2 checked; a special value at once; otherwise the integer
// power (IntegerPower: its step counter in progress box 0, stop polls;
// BeginComputing only when there is one), then the rest in one go
// (FinishPower). Shown: the result in Memo3.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::yuurisuubeki2
