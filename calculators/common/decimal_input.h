// The checks of a box that takes a positive integer or decimal number of a
// bounded number of digits.
#pragma once

#include <cstddef>
#include <string_view>

#include "calculators/common/input_error.h"

namespace taketa {

struct DecimalInputRules {
  std::size_t maxDigits;                // digits allowed; one more character with a point
  std::string_view lengthMessage;       // too long, no point
  std::string_view pointLengthMessage;  // too long, with a point
  std::string_view rangeMessage;        // not a positive number
  bool checksLineBreak = false;         // multi-line boxes refuse a final line break first
  bool rewritesCounter = false;         // a length refusal also rewrites the length counter
  // The "0" before a leading point counts as a digit: ".5" is as long as
  // "0.5", so a text beginning with its point has maxDigits characters at most.
  bool leadingPointCountsZero = false;
};

// In this order: the text ends with a line break (when the rules say so);
// it is longer than maxDigits and has no "."; it is longer than maxDigits + 1
// (maxDigits when the point comes first and counts its zero) and has one;
// without its first ".", a character is not a digit; without it, no
// character is other than "0" (an empty box and a lone point included).
// Lengths are bytes in code page 932.
InputCheck CheckPositiveDecimal(std::string_view text, const DecimalInputRules& rules, int box);

}  // namespace taketa
