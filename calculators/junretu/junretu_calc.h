// nPr = n x (n - 1) x ... x (n - r + 1) for 1 <= r <= n <= 50000, every
// digit, with the digit count.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::junretu {

inline constexpr std::string_view kRangeMessage = "半角数字で 50000以下の自然数を入力してください。";
inline constexpr std::string_view kLengthMessage = "入力文字数を5以下にしてください。";
inline constexpr std::string_view kOrderMessage = "r は n 以下でなければなりません。";

// Checks Edit1 (n, box 0), then Edit2 (r, box 1), then r <= n (box 1); on
// success sets n and r. The combinations window checks the same way.
InputCheck CheckInput(std::string_view edit1, std::string_view edit2, long& n, long& r);

// "720    (桁数＝3)" for n = 10, r = 3. Step i (n - r + 1 up to n) shows i
// in progress box 0 and is followed by a stop poll. nullopt when stopped.
std::optional<std::string> Compute(long n, long r, RunControl& run);

// Title line of the saved file, from the boxes' texts at the moment of
// saving: 異なる10個のものから3個とった順列の総数.
std::string SaveTitle(std::string_view edit1, std::string_view edit2);

UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::junretu
