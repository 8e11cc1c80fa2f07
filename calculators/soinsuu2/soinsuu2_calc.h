// Prime factorisation of a natural number of 2 up to 50 digits: trial
// division by 2, then by every odd number up to the square root of what is
// left, as long as that ends soon; numbers up to 9223372000000000000 are
// worked in 64-bit integers (the short path), larger ones as a number of up
// to three words (the long path), each with its own progress display. When
// the divisor would pass 2000000 with the square root still above it, the
// fast phase (fast_factoring.h) finds the remaining prime factors instead.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::soinsuu2 {

inline constexpr std::string_view kMessage =
    "半角数字で 2以上 50桁以内の自然数を入力してください。";
inline constexpr std::string_view kLengthMessage = "入力文字数を50以下にしてください。";
inline constexpr std::string_view kPrimeSuffix = " は素数です。";
inline constexpr std::string_view kDoneSuffix = "    計算完了";

// Progress boxes of the run.
inline constexpr int kDivisorBox = 0;  // the trial divisor (Memo3)
inline constexpr int kBoundBox = 1;    // the square-root bound (Memo4)
inline constexpr int kFactorsBox = 2;  // the factors found so far, each followed by × (Memo1)

// Checks the text of Edit1; on success sets `working` to the number without
// its leading zeros.
InputCheck CheckInput(std::string_view edit1, std::string& working);

// True when the number is worked in 64-bit integers: up to 18 digits, or 19
// digits not above 9223372000000000000.
bool UsesShortPath(std::string_view working);

struct Factorisation {
  bool finished = false;
  std::string result;  // the file's second line: "2×2×3", or "7 は素数です。"
  std::string memo1;   // what the result box shows at the end
};

// Factorises `working` (no leading zeros, at least 2). The short path shows
// the trial divisor i in kDivisorBox when i mod 100000 = 1, the long path the
// divisor D when it has more than four digits and ends in 9999; both show
// the bound floor(sqrt(cofactor)) in kBoundBox whenever the cofactor
// changes (the first time with the divisor 3), and the factors found so far
// in kFactorsBox; the fast phase shows only the factors it appends, and
// asks run.StopRequested() every few milliseconds. A stopped run has
// `finished` false and the factors found so far in `result`.
Factorisation Factorise(std::string_view working, RunControl& run);

// Title line of the saved file, from Edit1's text as typed.
std::string SaveTitle(std::string_view edit1);

// Edit1 checked, then its factorisation (progress as Factorise shows it;
// shown at the end, Memo1's text).
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

// taketa-calc's note on a build without the fast phase.
std::string_view BuildNote();

}  // namespace taketa::soinsuu2
