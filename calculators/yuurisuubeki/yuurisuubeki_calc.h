// A base 0.001 <= A <= 1200 raised to an exponent -1600 <= B <= 1600, both
// integer or decimal, to 12 significant digits: the integer part of the
// exponent applied by repeated multiplication (the step that can be
// stopped), the rest with the bounded arithmetic of the 50-digit power, so
// that every digit shown is the true value's, cut off, never rounded.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::yuurisuubeki {

inline constexpr std::string_view kBaseMessage =
    "底 A には半角数字で12桁以内の正の数を入力してください。";
inline constexpr std::string_view kBasePointMessage =
    "底 A には位取り表示のための 0 も含めて半角数字で12桁以内の正の数を入力してください。";
inline constexpr std::string_view kBaseRangeMessage =
    "底 A には半角数字で0.001以上 1200以下の数を入力してください。";
inline constexpr std::string_view kExponentMessage =
    "指数 B には半角数字で12桁以内で -1600以上 1600以下の数を入力してください。";
inline constexpr std::string_view kExponentPointMessage =
    "指数 B には位取り表示のための 0 も含めて半角数字で12桁以内で -1600以上 1600以下の数 "
    "を入力してください。";
inline constexpr std::string_view kExponentRangeMessage =
    "指数 B には半角数字で -1600以上 1600以下の数を入力してください。";

// Checks Edit1 (A, box 0) and Edit2 (B, box 1) in the window's order.
InputCheck CheckInput(std::string_view edit1, std::string_view edit2);

// The result without any calculation, for A = 1, B = 1 or B = 0.
std::optional<std::string> Shortcut(std::string_view edit1, std::string_view edit2);

// True when the exponent has an integer part, so that the exact integer
// power runs (the only part that takes noticeable time, and can be stopped).
bool HasIntegerPart(std::string_view edit2);

struct Power {
  enum class Status {
    kDone,
    kStopped,
    kFailed,  // the digits not settled by kMaxPrecision
  };
  Status status = Status::kDone;
  std::string text;  // the result, 12 significant digits at most
};

// A^B for checked inputs without a shortcut. The integer power polls the
// run before its first multiplication and after every one.
Power Compute(std::string_view edit1, std::string_view edit2, RunControl& run);

// Significant digits of the general text form.
inline constexpr std::size_t kGeneralDigits = 15;

// The general text form of a positive value from its first significant
// digits, truncated (at least kGeneralDigits of them, or all there are),
// and the place of the first (floor of log10): at most 15 significant
// digits, trailing zeros dropped, fixed notation from 0.00001 up to 15
// integer digits, otherwise d.dddEe ("E-" only for a negative e).
std::string GeneralText(std::string_view digits, long exponent10);
// The general text cut to 12 significant digits, never rounded.
std::string ResultText(std::string_view general);

// Title line of the saved file, from the boxes' texts.
std::string SaveTitle(std::string_view edit1, std::string_view edit2);

// Edit1 and Edit2 checked; a shortcut at once; otherwise Compute, with
// BeginComputing when the exponent has an integer part. Shown: the result
// in Memo2.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::yuurisuubeki
