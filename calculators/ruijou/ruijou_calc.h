// A positive number of at most 100 digits raised to a natural exponent up
// to 10000, exactly: the full digits with their count, and a floating form
// of at most 200 significant digits.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/result_file.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::ruijou {

inline constexpr std::string_view kBaseLengthMessage = "入力文字数を100以下にしてください。";
inline constexpr std::string_view kBasePointLengthMessage =
    "小数点を含めた入力文字数を101以下にしてください。";
inline constexpr std::string_view kBaseMessage = "半角数字で100桁以内の正の数を入力してください。";
inline constexpr std::string_view kExponentMessage =
    "半角数字で 10000以下の自然数を入力してください。";
inline constexpr std::string_view kExponentLengthMessage = "入力文字数を5以下にしてください。";

// Checks Edit1 (the base A, box 0) and Edit2 (the exponent n, box 1) in the
// window's order; on success sets `exponent`.
InputCheck CheckInput(std::string_view edit1, std::string_view edit2, long& exponent);

// The base taken apart: its normalised text (no superfluous zeros, "0."
// before a leading point), its significant digits, the zeros cut off the
// end of an integer base (z), the digits after the point of a base below 1
// (f) and the digits after the point of the normalised text (d).
struct Base {
  std::string normalised;
  std::string significant;
  int trailingZeros = 0;    // z
  int leadingFraction = 0;  // f
  int decimals = 0;         // d
};
// Precondition: `edit1` passed the checks.
Base Normalise(std::string_view edit1);

struct Power {
  std::string full;        // every digit, with the point where the base had one
  std::size_t digitCount;  // digits of `full` (the point not counted)
  std::string floating;    // d.ddd...E±e, at most 200 significant digits
};

// A^n by n multiplications by the base's significant digits; before each,
// its number (1..n) goes to progress box 0, and after each the run is
// polled. nullopt when stopped.
std::optional<Power> Compute(std::string_view edit1, long exponent, RunControl& run);

// The result lines: the full text with its digit count (as the result box
// shows it) and the floating form as the file holds it.
std::string FullLine(const Power& power);
std::string FloatingLine(const Power& power);

// The saved file, from the boxes' texts: title, the full line, a line
// holding one carriage return, the floating line.
ResultFile SaveFile(std::string_view edit1, std::string_view edit2, const Power& power);

// Edit1 and Edit2 checked, then A^n: shown, the full line (RichEdit1) and
// the floating form (Memo2).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::ruijou
