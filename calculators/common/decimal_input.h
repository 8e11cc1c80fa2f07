// The checks of a box that takes a positive integer or decimal number of a
// bounded number of digits (square root and division windows).
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
  bool checksLineBreak;                 // multi-line boxes refuse a final line break first
  bool rewritesCounter;                 // a length refusal also rewrites the length counter
};

// In this order: the text ends with a line break (when the rules say so);
// it is longer than maxDigits and has no "."; it is longer than maxDigits + 1
// and has one; without its first ".", a character is not a digit; without
// it, no character is other than "0" (an empty box and a lone point
// included). Lengths are bytes in code page 932.
InputCheck CheckPositiveDecimal(std::string_view text, const DecimalInputRules& rules, int box);

}  // namespace taketa
