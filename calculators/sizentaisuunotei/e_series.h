// The series e = 1 + 1 + 1/2! + 1/3! + ... in fixed point.
#pragma once

#include <optional>
#include <string>

#include "calculators/common/run_control.h"

namespace taketa::sizentaisuunotei {

// Digits beyond the last shown one that the series carries. Every term is
// at most one unit of the last place low, so the shown digits stay
// undecided only when the true digits after them run into a carry within
// these places.
inline constexpr int kGuardDigits = 14;

// The first `digits` digits of e, "27182818...", truncated, never rounded
// (2 <= digits). Each pass shows its term index k in progress box 0 and,
// until the term 1/k! has no digit left within eight places beyond the last
// shown digit, asks whether to stop; the last k shown is the pass in which
// that happens. When the guard digits cannot settle the last shown digit,
// the series is summed again with more of them, without showing progress.
// nullopt when stopped.
std::optional<std::string> EDigits(int digits, RunControl& run, int guardDigits = kGuardDigits);

}  // namespace taketa::sizentaisuunotei
