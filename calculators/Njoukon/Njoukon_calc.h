// The N-th root (2 <= N <= 300) of a positive number of at most 20 digits,
// to 100 digits, truncated: found digit by digit, each candidate raised to
// the N-th power exactly and compared with the number.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "calculators/common/input_error.h"
#include "calculators/common/run_control.h"
#include "calculators/common/unit.h"

namespace taketa::Njoukon {

inline constexpr std::string_view kDegreeMessage =
    "半角数字で 2以上 300以下の自然数を入力してください。";
inline constexpr std::string_view kDegreeLengthMessage = "入力文字数を3以下にしてください。";
inline constexpr std::string_view kRadicandMessage =
    "半角数字で20桁以内の正の数を入力してください。";
inline constexpr std::string_view kRadicandPointMessage =
    "位取り表示のための 0 も含めて半角数字で20桁以内の正の数を入力してください。";

// Progress boxes of the run.
inline constexpr int kLengthBox = 0;  // the candidate's length in characters (Memo2)
inline constexpr int kPowerBox = 1;   // the power reached, 2..N (Memo3)

// The longest root shown: one integer digit, the point and 99 decimals.
inline constexpr std::size_t kShownLength = 101;

// Checks Edit1 (N, box 0); on success sets `degree`.
InputCheck CheckDegree(std::string_view edit1, long& degree);
// Checks Edit2 (the radicand, box 1).
InputCheck CheckRadicand(std::string_view edit2);
// True when the radicand (checked) is exactly 1.
bool IsOne(std::string_view edit2);

// Label3 of the second stage, with Edit1's text as typed.
std::string StageTwoPrompt(std::string_view edit1);
// Label5 over the root: "求める 3乗根".
std::string ResultCaption(long degree);

// The root of the checked radicand (not 1), cut to kShownLength
// characters, or shorter where the root ends. Each candidate shows its
// length, each of its N - 1 multiplications the power it reached; the run
// is polled once per candidate. nullopt when stopped. With `raiseAhead`
// (and a degree high enough for it to pay), the next candidate is raised on
// a second core meanwhile, with the same steps and result.
std::optional<std::string> Root(std::string_view edit2, long degree, RunControl& run,
                                bool raiseAhead = true);

// Title line of the saved file, from the boxes' texts.
std::string SaveTitle(std::string_view edit1, std::string_view edit2);

// The second stage's run: N (again: it may have changed since the first
// stage) and the radicand checked; the root of 1 at once, without a save
// offer; otherwise the root, its progress in kLengthBox and kPowerBox.
// Shown: Label5's caption, then the root.
UnitOutcome RunUnit(std::span<const std::string> inputs, RunControl& run);

}  // namespace taketa::Njoukon
