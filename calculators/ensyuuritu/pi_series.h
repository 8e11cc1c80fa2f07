// Machin's series for pi in fixed point: pi = 16 arctan(1/5) - 4 arctan(1/239).
#pragma once

#include <optional>
#include <string>

#include "calculators/common/run_control.h"
#include "digits/limb_wavefront.h"

namespace taketa::ensyuuritu {

// Digits beyond the last shown one that the series carries. With the error
// of at most about 1.34 units of the last place per term, 14 places leave
// the shown digits undecided only when the true digits after them continue
// with some nine zeros or nines.
inline constexpr int kGuardDigits = 14;

// The first `digits` digits of pi, "31415926...", truncated, never rounded
// (2 <= digits). Each pass of the series shows its term index k in progress
// box 0 and, until the term 16/5^(2k-1) has no digit left within five places
// beyond the last shown digit, asks whether to stop; the last k shown is the
// pass in which that happens. When the guard digits cannot settle the last
// shown digit, the series is summed again with more of them, without
// showing progress. nullopt when stopped. Long series go on two threads
// (`setting`), with the same digits and steps.
std::optional<std::string> PiDigits(int digits, RunControl& run, int guardDigits = kGuardDigits,
                                    WavefrontSetting setting = {});

}  // namespace taketa::ensyuuritu
